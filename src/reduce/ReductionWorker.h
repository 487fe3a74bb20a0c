// SPDX-License-Identifier: MIT
#pragma once
#include "core/ReduceBatch.h"
#include "core/ReducePhoto.h"
#include "reduce/ReductionPhoto.h"
#include "reduce/ReductionProgress.h"
#include "reduce/ReductionSettings.h"

#include <QCoreApplication>

#include <atomic>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <vector>

class ReductionHost;

// The reduction of the whole list after the wizard ended with OK. Runs on the
// worker thread: reduces the photos on `threads` threads and writes them into the
// output folder strictly in list order (the engine's ReduceBatch), shows its progress,
// stops after the photo in hand when asked (the Stop command, the dialog's Stop,
// the main window closing; photos reduced ahead are dropped unwritten), and at
// the end packs the photos it wrote when asked (waiting for the packer) and
// offers to open the output folder when something was written. A write that the
// output folder refuses for every photo (full disk, read-only) ends the run with
// one message and no packing. It
// asks and shows things only through Prompts, Shell and ReductionProgress, which
// the GUI thread carries out.
class ReductionWorker
{
    Q_DECLARE_TR_FUNCTIONS(ReductionWorker)

public:
    // A reducer that does a whole photo at once (tests watch each photo through
    // one); with it the photos go one after the other.
    using PhotoReducer = std::function<snapwane::ReduceResult(
        const std::filesystem::path& source, const std::filesystem::path& output, int targetWidth,
        int targetHeight, int quality, const snapwane::Corrections& corrections)>;

    static QString openFolderQuestion();
    static QString archiveFailedMessage(); // %1: the archive, %2: why
    static QString noMailProgramMessage(); // %1: the archive
    static QString nothingToPackMessage(); // %1: the archive

    // An empty reducer means the engine's own, prepared on `threads` threads.
    ReductionWorker(ReductionHost& host, ReductionSettings settings, std::vector<ReductionPhoto> photos,
                    PhotoReducer reducer, int threads);

    // The whole run; stopRequested is the worker host's stop.
    void run(const std::atomic<bool>& stopRequested);

    // The existing files of outputFolder that the photos (and the archive, when
    // archiveFile is given) would replace, and how many are the photos' own sources.
    static ReductionSettings::ReplacedFiles filesReplaced(const QString& outputFolder, const QString& archiveFile,
                                                          const std::vector<ReductionPhoto>& photos);
    // The packed file of a run into outputFolder.
    static QString archivePathOf(const QString& outputFolder, const QString& archiveName);

private:
    class Observer;

    bool reduceAll(const std::atomic<bool>& stopRequested);
    bool shouldStop(const std::atomic<bool>& stopRequested) const;
    QString fileErrorText(std::size_t index, const snapwane::ReduceResult& result) const;
    void runPacker() const;
    void offerOutputFolder() const;

    ReductionHost& m_host;
    ReductionSettings m_settings;
    std::vector<ReductionPhoto> m_photos;
    PhotoReducer m_reducer;
    snapwane::ReduceBatch m_batch;
    ReductionProgress m_progress;
    std::vector<std::filesystem::path> m_written; // what this run wrote or copied, in list order
    std::size_t m_photosWritten = 0;
    bool m_outputFolderFailed = false; // the run ended on a write every photo would fail
};
