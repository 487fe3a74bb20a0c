#pragma once
#include "core/ReducePhoto.h"
#include "reduce/ReductionPhoto.h"
#include "reduce/ReductionProgress.h"
#include "reduce/ReductionSettings.h"

#include <atomic>
#include <functional>
#include <vector>

class CMainView;

// The reduction of the whole list after the wizard ended with OK. Runs on the
// worker thread: takes every photo in list order through the single-photo
// reduction into the output folder, shows its progress, stops after the photo in
// hand when asked (the Stop command, the dialog's Stop, the main window
// closing), and at the end starts the packer when asked and offers to open the
// output folder. It asks and shows things only through Prompts, Shell and
// ReductionProgress, which the GUI thread carries out.
class ReductionWorker
{
public:
    using PhotoReducer = std::function<snapwane::ReduceResult(
        const std::filesystem::path& source, const std::filesystem::path& output, int targetWidth,
        int targetHeight, int quality, const snapwane::Corrections& corrections)>;

    static const QString kOpenFolderQuestion;

    ReductionWorker(CMainView& view, ReductionSettings settings, std::vector<ReductionPhoto> photos,
                    PhotoReducer reducer);

    // The whole run; stopRequested is the worker host's stop.
    void run(const std::atomic<bool>& stopRequested);

    // Output path of a listed name: the separator is always inserted.
    static QString outputPathOf(const QString& outputFolder, const QString& listedName);

private:
    bool reduceAll(const std::atomic<bool>& stopRequested);
    void reduceOne(const ReductionPhoto& photo);
    bool shouldStop(const std::atomic<bool>& stopRequested) const;
    void startPacker() const;
    void offerOutputFolder() const;

    CMainView& m_view;
    ReductionSettings m_settings;
    std::vector<ReductionPhoto> m_photos;
    PhotoReducer m_reducer;
    ReductionProgress m_progress;
};
