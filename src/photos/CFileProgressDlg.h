#pragma once
#include <QDialog>

#include <atomic>

// The modeless progress window of every long file operation (the loaders and
// the reduction): bar, file-name line, caption and Stop button. Owned by
// CMainView for its whole life, created hidden. Its controls come with the
// loaders; m_bStop is the stop flag the workers poll between two files.
class CFileProgressDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CFileProgressDlg(QWidget* parent);

    std::atomic<int> m_bStop{0};
};
