#include "reduce/ReductionProgress.h"

#include "photos/CFileProgressDlg.h"
#include "platform/GuiThreadCall.h"
#include "platform/WidgetId.h"
#include "res/ids.h"

#include <QLabel>
#include <QProgressBar>

namespace {

QProgressBar* barOf(CFileProgressDlg* dialog)
{
    return WidgetId::find<QProgressBar>(dialog, ids::fileProgress::Bar);
}

QLabel* fileNameOf(CFileProgressDlg* dialog)
{
    return WidgetId::find<QLabel>(dialog, ids::fileProgress::FileName);
}

} // namespace

void ReductionProgress::begin(int count)
{
    m_dialog->m_bStop = 0;
    GuiThreadCall::run([dialog = m_dialog, count] {
        dialog->show();
        if (QProgressBar* bar = barOf(dialog)) {
            bar->setRange(0, count);
            bar->setValue(0);
        }
    });
}

void ReductionProgress::showFileName(const QString& name)
{
    GuiThreadCall::run([dialog = m_dialog, name] {
        if (QLabel* label = fileNameOf(dialog))
            label->setText(name);
    });
}

void ReductionProgress::showPrepared(int prepared, int count)
{
    GuiThreadCall::run([dialog = m_dialog, prepared, count] {
        dialog->setWindowTitle(QStringLiteral("%1 of %2 prepared").arg(prepared).arg(count));
        if (QProgressBar* bar = barOf(dialog))
            bar->setValue(prepared);
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
        dialog->setWindowTitle(QString());
        dialog->hide();
    });
}

void ReductionProgress::showReady()
{
    GuiThreadCall::run([dialog = m_dialog] {
        if (QProgressBar* bar = barOf(dialog))
            bar->setValue(0);
        if (QLabel* label = fileNameOf(dialog))
            label->setText(QString());
        dialog->setWindowTitle(QStringLiteral("READY"));
    });
}
