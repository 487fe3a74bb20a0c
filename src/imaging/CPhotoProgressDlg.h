// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class QProgressBar;

// The small progress window: a 250 x 15 tool window holding one progress bar.
// Created hidden by CMainView and never shown by it; the photo loading writes
// the path of the file being read into its caption.
class CPhotoProgressDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CPhotoProgressDlg(QWidget* parent);

    // Sets the caption; callable from any thread (carried out on the GUI thread).
    void SetCaption(const QString& text);

    QProgressBar* progressBar() const { return m_progress; }

private:
    QProgressBar* m_progress;
};
