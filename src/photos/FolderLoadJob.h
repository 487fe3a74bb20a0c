#pragma once
#include <QString>

#include <atomic>

#include "photos/FolderLoader.h"

class CFileProgressDlg;
class CMainView;

// Loading a folder tree or a camera drive (commands 131 and 164, the same
// operation): the folder browser, the search pass that counts the JPEG files,
// the loading pass that appends them, and the end steps. The camera's photos
// are reached by choosing, in the same browser, the folder its storage shows
// up under.
//
// Threads: start() on the GUI thread; run() on the main view's worker. Each
// photo is read and made into its thumbnail on the worker and appended by the
// GUI thread; the progress dialog is driven through its queued setters; the
// questions go through Prompts.
class FolderLoadJob : private FolderLoader::Sink
{
public:
    static const QString kBrowserTitle;    // "Select a folder with photos (*.jpg, *.jpeg)"
    static const QString kSearchCaption;   // "Searching..."
    static const QString kLoadedCaption;   // "%1 loaded"
    static const QString kNoMemoryMessage; // "No free memory"

    // Sets the loading flag and starts the load; false when a worker runs already.
    static bool start(CMainView& view);

    explicit FolderLoadJob(CMainView& view);
    // The whole operation; closing is the worker's stop (the main window closes).
    void run(const std::atomic<bool>& closing);

private:
    void search(const QString& folder);
    void load(const QString& folder);
    void finish();

    // FolderLoader::Sink, on the worker thread.
    bool isStopRequested() override;
    void requestStop() override;
    void showFound(int position, const QString& fileLine) override;
    FolderLoader::AppendOutcome append(const QString& path, const QString& folder, const QString& name) override;
    int photoCount() override;

    CMainView& m_view;
    CFileProgressDlg& m_progress;
    const std::atomic<bool>* m_closing = nullptr;
    FolderLoader m_loader{*this};
};
