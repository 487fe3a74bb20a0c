// SPDX-License-Identifier: MIT
#include "reduce/ReductionWorker.h"

#include "core/PackerCommand.h"
#include "core/ReductionRules.h"
#include "platform/GuiThreadCall.h"
#include "platform/Logging.h"
#include "platform/NativePath.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "platform/Translation.h"
#include "reduce/ReductionHost.h"

#include <QRegularExpression>

#include <exception>

#include <system_error>

QString ReductionWorker::openFolderQuestion()
{
    return tr("Would you like to open the output folder with new photos?");
}

QString ReductionWorker::archiveFailedMessage()
{
    return tr("The file %1 could not be made:\n%2");
}

QString ReductionWorker::noMailProgramMessage()
{
    return tr("The file %1 was made, but no mail program could be opened to send it.");
}

QString ReductionWorker::nothingToPackMessage()
{
    return tr("No photo was written, so the file %1 was not made.");
}

namespace {

snapwane::BatchSettings batchSettingsOf(const ReductionSettings& settings, int threads)
{
    snapwane::BatchSettings batch;
    // Unusable settings fail every photo (no box to reduce into); nothing is written.
    batch.targetWidth = settings.isUsable() ? settings.targetWidth : 0;
    batch.targetHeight = settings.isUsable() ? settings.targetHeight : 0;
    batch.quality = int(settings.quality);
    batch.threads = threads;
    return batch;
}

std::vector<snapwane::BatchPhoto> batchPhotosOf(const QString& outputFolder, const std::vector<ReductionPhoto>& photos)
{
    std::vector<snapwane::BatchPhoto> batch;
    for (const ReductionPhoto& photo : photos)
    {
        const std::filesystem::path source = NativePath::toFileSystem(photo.sourcePath);
        batch.push_back({source,
                         snapwane::OutputPathOf(NativePath::toFileSystem(outputFolder), source.filename().string()),
                         photo.corrections});
    }
    return batch;
}

} // namespace

ReductionWorker::ReductionWorker(ReductionHost& host, ReductionSettings settings, std::vector<ReductionPhoto> photos,
                                 PhotoReducer reducer, int threads)
    : m_host(host)
    , m_settings(std::move(settings))
    , m_photos(std::move(photos))
    , m_reducer(std::move(reducer))
    , m_batch(batchPhotosOf(m_settings.outputFolder, m_photos), batchSettingsOf(m_settings, threads))
    , m_progress(host.fileProgressDlg())
{
}

ReductionSettings::ReplacedFiles ReductionWorker::filesReplaced(const QString& outputFolder, const QString& archiveFile,
                                                                const std::vector<ReductionPhoto>& photos)
{
    snapwane::BatchSettings settings;
    if (!archiveFile.isEmpty())
        settings.alsoWritten.push_back(NativePath::toFileSystem(archiveFile));
    const snapwane::ReduceBatch batch(batchPhotosOf(outputFolder, photos), settings);
    return {int(batch.Replaced().size()), int(batch.SourcesReplaced())};
}

QString ReductionWorker::archivePathOf(const QString& outputFolder, const QString& archiveName)
{
    return outputFolder + NativePath::separator() + archiveName + QString::fromLatin1(snapwane::ArchiveExtension());
}

void ReductionWorker::run(const std::atomic<bool>& stopRequested)
{
    if (!reduceAll(stopRequested))
        return; // stopped: no packing, no question
    m_progress.endPhotos();
    if (!m_outputFolderFailed)
        runPacker();
    if (m_photosWritten > 0)
        offerOutputFolder();
    m_progress.showReady();
    // The flag goes down behind everything the run queued for the window: whoever
    // sees the run ended sees all it showed and opened. A closing main window
    // refuses the call; the flag goes down all the same.
    if (!GuiThreadCall::run([host = &m_host] { host->setReducing(false); }))
        m_host.setReducing(false);
}

// Each photo as it is written, in list order: read and write errors are
// reported, the progress moves on, and a stop ends the run after it (so does a
// write the output folder refuses for every photo: one message says why). The file
// name shown is always the one of the photo the run waits for.
class ReductionWorker::Observer : public snapwane::BatchObserver
{
public:
    Observer(ReductionWorker& worker, const std::atomic<bool>& stopRequested)
        : m_worker(worker)
        , m_stopRequested(stopRequested)
    {
    }

    void Starting(std::size_t index) override
    {
        if (m_worker.m_settings.isUsable())
            m_worker.m_progress.showFileName(m_worker.m_photos[index].listedName);
    }

    bool Finished(std::size_t index, const snapwane::BatchOutcome& outcome) override
    {
        const snapwane::ReduceResult& result = outcome.result;
        m_worker.m_photosWritten += result.Succeeded() ? 1 : 0;
        m_worker.m_outputFolderFailed = result.outputFolderFailed;
        try {
            if (m_worker.m_settings.isUsable() && outcome.sameAs < 0 && result.IsFileError())
                Prompts::informDuringRun(m_worker.fileErrorText(index, result),
                                         [this] { return m_worker.shouldStop(m_stopRequested); });
        } catch (const std::exception& error) {
            // One photo's failure never ends the run.
            qCWarning(lcReduce) << "reporting photo" << index << "failed unexpectedly:" << error.what();
        }
        // A file listed again was written by its first listing, which packs it.
        if (outcome.sameAs < 0
            && (result.outcome == snapwane::ReduceOutcome::Reduced || result.outcome == snapwane::ReduceOutcome::Copied))
            m_worker.m_written.push_back(m_worker.m_batch.Photos()[index].output);
        m_worker.m_progress.showPrepared(int(index) + 1, int(m_worker.m_photos.size()));
        stopped = m_worker.shouldStop(m_stopRequested);
        return !stopped;
    }

    bool stopped = false;

private:
    ReductionWorker& m_worker;
    const std::atomic<bool>& m_stopRequested;
};

// False when a stop ended the run.
bool ReductionWorker::reduceAll(const std::atomic<bool>& stopRequested)
{
    Observer observer(*this, stopRequested);
    m_progress.begin(int(m_photos.size()));
    snapwane::ReduceBatch::WholePhoto wholePhoto;
    if (m_reducer) {
        wholePhoto = [this](const snapwane::BatchPhoto& photo) {
            if (!m_settings.isUsable())
                return snapwane::ReduceResult{snapwane::ReduceOutcome::InvalidTarget, 0, 0, {}};
            return m_reducer(photo.source, photo.output, m_settings.targetWidth, m_settings.targetHeight,
                             int(m_settings.quality), photo.corrections);
        };
    }
    m_batch.Run(observer, wholePhoto);
    if (observer.stopped) {
        m_host.setReducing(false);
        m_progress.endStopped();
    }
    return !observer.stopped;
}

namespace {

// The system's words for an error number, in the user's language where the
// system has them.
QString systemMessage(int error)
{
    return QString::fromLocal8Bit(std::generic_category().message(error));
}

// The engine's reason for one photo: the outcome's English, then whatever it
// added (the system's words). The outcome is shown in the user's language.
QString failureText(const snapwane::ReduceResult& result)
{
    const snapwane::UserText outcome = snapwane::ReduceOutcomeText(result.outcome);
    const std::string english = outcome.English();
    if (!result.reason.starts_with(english))
        return QString::fromStdString(result.reason);
    return Translation::ofEngine(outcome) + QString::fromStdString(result.reason.substr(english.size()));
}

} // namespace

// A folder's failure names the folder, one photo's the file concerned: the
// source for a read error, else the output; both with the system's reason.
QString ReductionWorker::fileErrorText(std::size_t index, const snapwane::ReduceResult& result) const
{
    if (result.outputFolderFailed) {
        const QString reason = result.systemError != 0 ? systemMessage(result.systemError) : failureText(result);
        return tr("The photos cannot be written into the output folder\n%1\n%2.\nThe reduction has stopped.")
            .arg(m_settings.outputFolder, reason);
    }
    const QString file = result.outcome == snapwane::ReduceOutcome::ReadError
                           ? m_photos[index].sourcePath
                           : NativePath::fromFileSystem(m_batch.Photos()[index].output);
    return tr("File error:") + u'\n' + file + u'\n' + failureText(result);
}

bool ReductionWorker::shouldStop(const std::atomic<bool>& stopRequested) const
{
    return stopRequested.load() || !m_host.isReducing() || m_progress.stopRequested();
}

// Packs the files this run wrote, in list order, and waits for the packer on
// this worker thread; what went wrong is said.
void ReductionWorker::runPacker() const
{
    snapwane::PackerRequest request;
    request.outputFolder = m_settings.outputFolder.toStdString();
    request.archiveName = m_settings.archiveName.toStdString();
    request.makeSingleFile = m_settings.makeSingleFile != 0;
    request.makeEmail = m_settings.makeEmail != 0;
    request.emailAddress = m_settings.emailAddress.toStdString();
    for (const std::filesystem::path& file : m_written)
        request.fileNames.push_back(file.filename().string());
    const std::string programFolder = snapwane::ProgramFolder(nullptr).string();
    const auto command = snapwane::PackerCommand::Build(snapwane::PackerProgramPath(programFolder), request);
    if (!command)
        return;
    QStringList arguments;
    for (const std::string& argument : command->Arguments())
        arguments.append(QString::fromStdString(argument));
    const QString archive = arguments.at(arguments.size() - 2);
    if (m_written.empty()) {
        Prompts::inform(nothingToPackMessage().arg(archive));
        return;
    }
    const QString program = QString::fromStdString(command->Program());
    const Shell::ProgramResult result
        = Shell::runProgram(program, arguments, QByteArray::fromStdString(command->Input()));
    if (result.exitCode == snapwane::kPackerMailNotOpened) {
        Prompts::inform(noMailProgramMessage().arg(archive));
    } else if (result.exitCode != snapwane::kPackerDone) {
        QString reason = result.errorOutput;
        reason.remove(QRegularExpression(QStringLiteral("^snapwane-pack: ")));
        if (result.exitCode < 0)
            reason = tr("the packer %1 could not be run. %2").arg(program, reason);
        Prompts::inform(archiveFailedMessage().arg(archive, reason.trimmed()));
    }
}

// Asked only when the run wrote something. On Yes the output folder opens; the
// main window stays where and as large as the user left it.
void ReductionWorker::offerOutputFolder() const
{
    if (!Prompts::askYesNo(openFolderQuestion()))
        return;
    Shell::openPath(m_settings.outputFolder);
}
