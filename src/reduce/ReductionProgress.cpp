// SPDX-License-Identifier: MIT
#include "reduce/ReductionProgress.h"

#include "photos/CFileProgressDlg.h"

#include <QCoreApplication>

// The dialog's setters queue themselves onto the GUI thread when called from the worker.

void ReductionProgress::begin(int count)
{
    m_dialog->m_bStop = 0;
    m_dialog->ShowDialog(CFileProgressDlg::kReductionPace);
    m_dialog->SetRange(0, count);
    m_dialog->SetPosition(0);
}

void ReductionProgress::showFileName(const QString& name)
{
    m_dialog->SetFileName(name);
}

void ReductionProgress::showPrepared(int prepared, int count)
{
    m_dialog->SetCaption(QCoreApplication::translate("ReductionProgress", "%1 of %2 prepared").arg(prepared).arg(count));
    m_dialog->SetPosition(prepared);
}

bool ReductionProgress::stopRequested() const
{
    return m_dialog->m_bStop != 0;
}

void ReductionProgress::endStopped()
{
    m_dialog->m_bStop = 0;
    endPhotos();
}

void ReductionProgress::endPhotos()
{
    m_dialog->SetCaption(QString());
    m_dialog->HideDialog();
}

void ReductionProgress::showReady()
{
    m_dialog->SetPosition(0);
    m_dialog->SetFileName(QString());
    m_dialog->SetCaption(CFileProgressDlg::readyCaption());
}
