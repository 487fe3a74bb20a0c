// SPDX-License-Identifier: MIT
#pragma once

class CFileProgressDlg;
class CPhotoCollection;
class QWidget;
class WorkerHost;

// What a reduction run (ReductionController, ReductionWorker) asks of the window
// that holds the collection: the photos, the worker it runs on, the progress
// dialog, the reducing flag and the main window. Implemented by MainReductionHost. GUI
// thread only, except the flag, which is atomic.
class ReductionHost
{
public:
    virtual ~ReductionHost() = default;

    virtual const CPhotoCollection& collection() const = 0;
    virtual WorkerHost& worker() = 0;
    virtual CFileProgressDlg* fileProgressDlg() const = 0;
    virtual bool isReducing() const = 0;
    // Any thread.
    virtual void setReducing(bool reducing) = 0;
    // The wizard's parent, and the window brought back when the output folder opens.
    virtual QWidget* mainWindow() const = 0;
};
