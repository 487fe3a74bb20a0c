#include "imaging/CFullScreenDlg.h"

#include "platform/WidgetId.h"
#include "res/ids.h"

CFullScreenDlg::CFullScreenDlg(CPhotoListView* keyTarget, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_keyTarget(keyTarget)
{
    WidgetId::set(this, ids::tmpl::FullScreen);
    setStyleSheet(QStringLiteral("background: black;"));
}
