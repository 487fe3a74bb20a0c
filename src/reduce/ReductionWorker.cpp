#include "reduce/ReductionWorker.h"

#include "app/CMainView.h"
#include "core/PackerCommand.h"
#include "platform/GuiThreadCall.h"
#include "platform/NativePath.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "platform/WindowPlacement.h"

#include <QCoreApplication>

const QString ReductionWorker::kOpenFolderQuestion
    = QStringLiteral("Would you like to open the output folder with new photos?");

ReductionWorker::ReductionWorker(CMainView& view, ReductionSettings settings, std::vector<ReductionPhoto> photos,
                                 PhotoReducer reducer)
    : m_view(view)
    , m_settings(std::move(settings))
    , m_photos(std::move(photos))
    , m_reducer(std::move(reducer))
    , m_progress(view.fileProgressDlg())
{
}

QString ReductionWorker::outputPathOf(const QString& outputFolder, const QString& listedName)
{
    return outputFolder + NativePath::separator() + listedName;
}

void ReductionWorker::run(const std::atomic<bool>& stopRequested)
{
    if (!reduceAll(stopRequested))
        return; // stopped: no packing, no question
    m_progress.endPhotos();
    startPacker();
    offerOutputFolder();
    m_progress.showReady();
    m_view.setReducing(false);
}

// False when a stop ended the run.
bool ReductionWorker::reduceAll(const std::atomic<bool>& stopRequested)
{
    const int count = int(m_photos.size());
    m_progress.begin(count);
    for (int i = 0; i < count; ++i) {
        try {
            reduceOne(m_photos[size_t(i)]);
        } catch (...) {
            // One photo's failure never ends the run.
        }
        m_progress.showPrepared(i + 1, count);
        if (shouldStop(stopRequested)) {
            m_view.setReducing(false);
            m_progress.endStopped();
            return false;
        }
    }
    return true;
}

// Unusable settings pass every photo over without a word; of the failures of a
// photo only read and write errors are reported.
void ReductionWorker::reduceOne(const ReductionPhoto& photo)
{
    if (!m_settings.isUsable())
        return;
    m_progress.showFileName(photo.listedName);
    const QString output = outputPathOf(m_settings.outputFolder, photo.listedName);
    const snapwane::ReduceResult result = m_reducer(
        NativePath::toFileSystem(photo.sourcePath), NativePath::toFileSystem(output), m_settings.targetWidth,
        m_settings.targetHeight, int(m_settings.quality), photo.corrections);
    if (result.IsFileError())
        Prompts::inform(QStringLiteral("File error:\n") + photo.sourcePath);
}

bool ReductionWorker::shouldStop(const std::atomic<bool>& stopRequested) const
{
    return stopRequested.load() || !m_view.isReducing() || m_progress.stopRequested();
}

// Started detached, never waited for; whether it works is not looked at.
void ReductionWorker::startPacker() const
{
    snapwane::PackerRequest request;
    request.outputFolder = m_settings.outputFolder.toStdString();
    request.archiveName = m_settings.archiveName.toStdString();
    request.makeSingleFile = m_settings.makeSingleFile != 0;
    request.makeEmail = m_settings.makeEmail != 0;
    request.emailAddress = m_settings.emailAddress.toStdString();
    const std::string programFolder = QCoreApplication::applicationDirPath().toStdString();
    const auto command = snapwane::PackerCommand::Build(snapwane::PackerProgramPath(programFolder), request);
    if (!command)
        return;
    QStringList arguments;
    for (const std::string& argument : command->Arguments())
        arguments.append(QString::fromStdString(argument));
    Shell::startDetached(QString::fromStdString(command->Program()), arguments);
}

// On Yes the main window comes back in its normal state at the screen's top left,
// 640 x 480 with its frame, and the output folder opens.
void ReductionWorker::offerOutputFolder() const
{
    if (!Prompts::askYesNo(kOpenFolderQuestion))
        return;
    GuiThreadCall::run([view = &m_view] { WindowPlacement::showNormalAt(view->window(), QRect(0, 0, 640, 480)); });
    Shell::openPath(m_settings.outputFolder);
}
