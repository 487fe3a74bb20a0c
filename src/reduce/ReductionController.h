// SPDX-License-Identifier: MIT
#pragma once
#include "reduce/ReductionPhoto.h"
#include "reduce/ReductionSettings.h"
#include "reduce/ReductionWorker.h"

#include <functional>
#include <vector>

class CPhotoCollection;

class ReductionHost;

// Sets a reduction going (command 139) on the GUI thread: takes the list, runs
// the wizard there, and hands the settings and the list to a ReductionWorker on
// the host's worker thread. Owned by CMainView.
class ReductionController
{
public:
    // Runs the wizard on settings; true when it ended with OK.
    using WizardRunner = std::function<bool(ReductionSettings& settings)>;

    explicit ReductionController(ReductionHost& host);

    void start();

    // Tests answer the wizard and watch each photo; an empty function restores
    // the real one.
    void setWizardRunner(WizardRunner runner);
    void setPhotoReducer(ReductionWorker::PhotoReducer reducer);
    // Threads that reduce photos at once; 0 (the default) means one per core.
    void setThreadCount(int threads);

    // The photos of the list in list order.
    static std::vector<ReductionPhoto> photosOf(const CPhotoCollection& collection);
    // A fresh settings record with the photo count, the input total and the first photo.
    static ReductionSettings settingsFor(const std::vector<ReductionPhoto>& photos);

private:
    bool runWizard(ReductionSettings& settings) const;
    void endWithoutPhotos();

    ReductionHost& m_host;
    WizardRunner m_wizardRunner;
    ReductionWorker::PhotoReducer m_photoReducer;
    int m_threadCount = 0;
};
