#include "reduce/ReductionProgress.h"

#include "photos/CFileProgressDlg.h"
#include "platform/GuiThreadCall.h"

void ReductionProgress::begin(int count)
{
    m_dialog->m_bStop = 0;
    GuiThreadCall::run([dialog = m_dialog, count] {
        dialog->ShowDialog();
        dialog->SetRange(0, count);
        dialog->SetPosition(0);
    });
}

void ReductionProgress::showFileName(const QString& name)
{
    GuiThreadCall::run([dialog = m_dialog, name] {
        dialog->SetFileName(name);
    });
}

void ReductionProgress::showPrepared(int prepared, int count)
{
    GuiThreadCall::run([dialog = m_dialog, prepared, count] {
        dialog->SetCaption(QStringLiteral("%1 of %2 prepared").arg(prepared).arg(count));
        dialog->SetPosition(prepared);
    });
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
    GuiThreadCall::run([dialog = m_dialog] {
        dialog->SetCaption(QString());
        dialog->HideDialog();
    });
}

void ReductionProgress::showReady()
{
    GuiThreadCall::run([dialog = m_dialog] {
        dialog->SetPosition(0);
        dialog->SetFileName(QString());
        dialog->SetCaption(CFileProgressDlg::kReadyCaption);
    });
}
