#include "photos/CFileProgressDlg.h"

#include "platform/WidgetId.h"
#include "res/ids.h"

CFileProgressDlg::CFileProgressDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    WidgetId::set(this, ids::tmpl::FileProgress);
}
