// SPDX-License-Identifier: MIT
#pragma once
#include "core/Corrections.h"
#include "imaging/CPhotoImage.h"

#include <QDialog>
#include <QMargins>
#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>

class QPushButton;

// Shows how large a reduced photo looks on the screen: a window whose outer
// size, frame included, is the target box in screen pixels (no more than the
// screen leaves free), at the top left of the screen's free area, with the
// first photo of the list fitted into its client area (never enlarged) and
// corrected exactly as its thumbnail is, drawn centred above the Close button.
// The caption names the box. Run modally by step 1's Show size; GUI thread only.
class CViewPhotoSizesDlg : public QDialog
{
    Q_OBJECT

public:
    CViewPhotoSizesDlg(QSize box, const QString& photoPath, const snapwane::Corrections& corrections,
                       QWidget* parent = nullptr);

    QSize box() const { return m_box; }
    // The client size the photo was fitted into (known once the window is shown).
    QSize clientSize() const { return m_clientSize; }
    // The size of the photo as drawn, in screen pixels (one photo pixel on
    // each); 0 x 0 when it could not be loaded.
    QSize photoSize() const { return m_photo.GetSize(); }
    // The part of the client area (in the window's own units) the photo is fitted into: all of it but the
    // Close button's strip at the bottom.
    QSize photoArea() const;
    // Where the photo's top left corner is drawn in the client area.
    QPoint photoOrigin() const;
    QPushButton* closeButton() const { return m_closeButton; }

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void fitFrameToBox();

    static constexpr int kButtonMargin = 4;

    QSize m_box;
    QString m_photoPath;
    QSize m_clientSize;
    // The place last asked of the desktop, with the frame it was asked with.
    struct Placement
    {
        QPoint topLeft;
        QMargins frame;
        bool operator==(const Placement&) const = default;
    };
    std::optional<Placement> m_askedPlacement;
    CPhotoImage m_photo;
    QPushButton* m_closeButton = nullptr;
};
