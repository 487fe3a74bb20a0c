#include "imaging/CPhotoListView.h"

CPhotoListView::CPhotoListView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
}

void CPhotoListView::handleKeyDown(QKeyEvent*)
{
}

void CPhotoListView::SyncSelection()
{
}

void CPhotoListView::ResetLayout()
{
}

void CPhotoListView::paintSinglePhoto(QPainter&, QSize)
{
}
