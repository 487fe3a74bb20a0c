// SPDX-License-Identifier: MIT
#include "imaging/CPhotoProgressDlg.h"

#include "platform/GuiThreadCall.h"
#include "platform/WidgetId.h"
#include "res/ids.h"

#include <QProgressBar>
#include <QVBoxLayout>

CPhotoProgressDlg::CPhotoProgressDlg(QWidget* parent)
    : QDialog(parent, Qt::Tool)
    , m_progress(new QProgressBar(this))
{
    WidgetId::set(this, ids::tmpl::PhotoProgress);
    WidgetId::set(m_progress, ids::photoProgress::Bar);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setAccessibleName(tr("Photo progress"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_progress);
    resize(250, 15);
    hide();
}

void CPhotoProgressDlg::SetCaption(const QString& text)
{
    GuiThreadCall::post(this, [this, text] { setWindowTitle(text); });
}
