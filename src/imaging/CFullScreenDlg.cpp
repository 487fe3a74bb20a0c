// SPDX-License-Identifier: MIT
#include "imaging/CFullScreenDlg.h"

#include "imaging/CPhotoListView.h"
#include "platform/WidgetId.h"
#include "res/ids.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

CFullScreenDlg::CFullScreenDlg(CPhotoListView* keyTarget, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_keyTarget(keyTarget)
{
    WidgetId::set(this, ids::tmpl::FullScreen);
    setAttribute(Qt::WA_OpaquePaintEvent); // every paint covers the whole window
    setFocusPolicy(Qt::StrongFocus);
}

void CFullScreenDlg::showOverScreen()
{
    if (QWidget* owner = parentWidget()) {
        if (QScreen* screen = owner->screen())
            setGeometry(screen->geometry());
    }
    showFullScreen();
    raise();
    activateWindow();
    setFocus();
}

// Black everywhere, and the current photo centred on it; a photo of another
// fitted size therefore never leaves a trace of the one before.
void CFullScreenDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_keyTarget)
        m_keyTarget->paintSinglePhoto(painter, size());
}

void CFullScreenDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        hide();
    QDialog::mousePressEvent(event);
}

void CFullScreenDlg::keyPressEvent(QKeyEvent* event)
{
    if (m_keyTarget)
        m_keyTarget->handleKeyDown(event);
    // Not the dialog's own handling: Enter has no default button to press here.
    QWidget::keyPressEvent(event);
}

// The single-photo view showed black while this window covered it.
void CFullScreenDlg::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (m_keyTarget)
        m_keyTarget->viewport()->update();
}
