#include "imaging/CColorCorrectionDlg.h"

#include "platform/WidgetId.h"
#include "res/ids.h"

CColorCorrectionDlg::CColorCorrectionDlg(CPhotoListView* singlePhotoView, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_singlePhotoView(singlePhotoView)
{
    WidgetId::set(this, ids::tmpl::ColorCorrection);
    setWindowTitle(tr("Color correction"));
}
