#include "reduce/ReductionWorker.h"

#include "core/OrderedJobRunner.h"
#include "core/OutputDependencies.h"
#include "core/PackerCommand.h"
#include "platform/GuiThreadCall.h"
#include "platform/NativePath.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "platform/WindowPlacement.h"
#include "reduce/ReductionHost.h"

#include <QCoreApplication>


const QString ReductionWorker::kOpenFolderQuestion
    = QStringLiteral("Would you like to open the output folder with new photos?");

ReductionWorker::ReductionWorker(ReductionHost& host, ReductionSettings settings, std::vector<ReductionPhoto> photos,
                                 PhotoReducer reducer, int threads)
    : m_host(host)
    , m_settings(std::move(settings))
    , m_photos(std::move(photos))
    , m_reducer(std::move(reducer))
    , m_threads(m_reducer ? 1 : threads)
    , m_progress(host.fileProgressDlg())
{
    std::vector<std::filesystem::path> wanted;
    for (const ReductionPhoto& photo : m_photos) {
        m_sources.push_back(NativePath::toFileSystem(photo.sourcePath));
        wanted.push_back(NativePath::toFileSystem(outputPathOf(m_settings.outputFolder, photo.listedName)));
    }
    m_plan = snapwane::PlanOutputs(m_sources, wanted);
    m_prepared.resize(m_photos.size());
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
    m_host.setReducing(false);
}

// False when a stop ended the run. The file name shown is always the one of the
// photo the run waits for.
bool ReductionWorker::reduceAll(const std::atomic<bool>& stopRequested)
{
    const size_t count = m_photos.size();
    const std::vector<std::ptrdiff_t>& waits = m_plan.waits;
    bool stopped = false;
    snapwane::OrderedJobRunner::Work work;
    work.prepare = [this](size_t i) { prepare(i); };
    work.commit = [&](size_t i) {
        try {
            if (m_settings.isUsable() && commit(i).IsFileError())
                Prompts::informDuringRun(QStringLiteral("File error:\n") + m_photos[i].sourcePath,
                                         [&] { return shouldStop(stopRequested); });
        } catch (...) {
            // One photo's failure never ends the run.
        }
        m_prepared[i] = {}; // written: let the encoded photo go
        m_progress.showPrepared(int(i) + 1, int(count));
        stopped = shouldStop(stopRequested);
        if (!stopped && i + 1 < count && m_settings.isUsable())
            m_progress.showFileName(m_photos[i + 1].listedName);
        return !stopped;
    };
    work.waitsFor = [&waits](size_t i) { return waits[i]; };
    m_progress.begin(int(count));
    if (count > 0 && m_settings.isUsable())
        m_progress.showFileName(m_photos.front().listedName);
    snapwane::OrderedJobRunner::Run(count, m_threads, work);
    if (stopped) {
        m_host.setReducing(false);
        m_progress.endStopped();
    }
    return !stopped;
}

// Runs on a worker thread of its own: reads, reduces and encodes, writes nothing.
void ReductionWorker::prepare(size_t index)
{
    if (m_reducer || !m_settings.isUsable())
        return;
    try {
        m_prepared[index] = snapwane::PrepareReductionOfFile(m_sources[index], m_settings.targetWidth,
                                                             m_settings.targetHeight, int(m_settings.quality),
                                                             m_photos[index].corrections);
    } catch (...) {
        m_prepared[index].outcome = snapwane::ReduceOutcome::NoMemory;
    }
}

// Of the failures of a photo only read and write errors are reported.
snapwane::ReduceResult ReductionWorker::commit(size_t index)
{
    if (m_reducer)
        return m_reducer(m_sources[index], m_plan.outputs[index], m_settings.targetWidth, m_settings.targetHeight,
                         int(m_settings.quality), m_photos[index].corrections);
    return snapwane::CommitReduction(m_prepared[index], m_sources[index], m_plan.outputs[index]);
}

bool ReductionWorker::shouldStop(const std::atomic<bool>& stopRequested) const
{
    return stopRequested.load() || !m_host.isReducing() || m_progress.stopRequested();
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
    GuiThreadCall::run([host = &m_host] { WindowPlacement::showNormalAt(host->mainWindow(), QRect(0, 0, 640, 480)); });
    Shell::openPath(m_settings.outputFolder);
}
