// SPDX-License-Identifier: MIT
#include "reduce/ReductionController.h"

#include "core/FileIo.h"
#include "photos/CPhotoCollection.h"
#include "platform/NativePath.h"
#include "platform/WorkerHost.h"
#include "reduce/CWizStep1Dlg.h"
#include "reduce/ReductionHost.h"


ReductionController::ReductionController(ReductionHost& host)
    : m_host(host)
{
}

void ReductionController::setWizardRunner(WizardRunner runner)
{
    m_wizardRunner = std::move(runner);
}

void ReductionController::setPhotoReducer(ReductionWorker::PhotoReducer reducer)
{
    m_photoReducer = std::move(reducer);
}

void ReductionController::setThreadCount(int threads)
{
    m_threadCount = threads;
}

std::vector<ReductionPhoto> ReductionController::photosOf(const CPhotoCollection& collection)
{
    std::vector<ReductionPhoto> photos;
    photos.reserve(size_t(std::max(collection.count(), 0)));
    for (int i = 0; i < collection.count(); ++i) {
        const PhotoRecord& record = collection.record(i);
        const snapwane::Corrections corrections = record.image ? record.image->corrections() : snapwane::Corrections{};
        photos.push_back({record.name, record.path, std::uint64_t(record.fileBytes), corrections});
    }
    return photos;
}

ReductionSettings ReductionController::settingsFor(const std::vector<ReductionPhoto>& photos)
{
    ReductionSettings settings;
    settings.photoCount = int(photos.size());
    for (const ReductionPhoto& photo : photos)
        settings.inputBytes += photo.sizeBytes;
    settings.filesReplacedIn = [photos](const QString& outputFolder, const QString& archiveFile) {
        return ReductionWorker::filesReplaced(outputFolder, archiveFile, photos);
    };
    if (!photos.empty()) {
        settings.firstPhotoPath = photos.front().sourcePath;
        settings.firstCorrections = photos.front().corrections;
    }
    return settings;
}

// The reducing flag stays set through the wizard, the photos, the packer and
// the question. Nothing happens for an empty list, nor while a
// stopped run still finishes its photo in hand: setting the flag again would
// let that run go on.
void ReductionController::start()
{
    if (m_host.worker().isRunning())
        return;
    std::vector<ReductionPhoto> photos = photosOf(m_host.collection());
    if (photos.empty())
        return;
    m_host.setReducing(true);
    ReductionSettings settings = settingsFor(photos);
    if (!runWizard(settings)) {
        endWithoutPhotos();
        return;
    }
    const std::filesystem::path outputFolder = NativePath::toFileSystem(settings.outputFolder);
    auto worker = std::make_shared<ReductionWorker>(m_host, std::move(settings), std::move(photos), m_photoReducer,
                                                    m_threadCount);
    const auto run = [worker, outputFolder](const std::atomic<bool>& stop) {
        snapwane::RemoveStaleTemporaryFiles(outputFolder); // left by a run that was killed
        worker->run(stop);
    };
    if (!m_host.worker().start(run))
        endWithoutPhotos();
}

bool ReductionController::runWizard(ReductionSettings& settings) const
{
    if (m_wizardRunner)
        return m_wizardRunner(settings);
    CWizStep1Dlg wizard(settings, m_host.mainWindow());
    if (wizard.exec() != QDialog::Accepted)
        return false;
    settings = wizard.settings();
    return true;
}

void ReductionController::endWithoutPhotos()
{
    ReductionProgress(m_host.fileProgressDlg()).showReady();
    m_host.setReducing(false);
}
