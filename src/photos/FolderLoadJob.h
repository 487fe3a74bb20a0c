// SPDX-License-Identifier: MIT
#pragma once
#include <QCoreApplication>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

#include "photos/FolderLoader.h"
#include "photos/PassedOverFiles.h"
#include "photos/PhotoRecord.h"

class CFileProgressDlg;
class LoadHost;

// Loading a folder tree or a camera drive (commands 131 and 164, the same
// operation): the folder browser, the search pass that counts the JPEG files,
// the loading pass that appends them, and the end steps. The camera's photos
// are reached by choosing, in the same browser, the folder its storage shows
// up under: for the camera the browser opens where removable media are
// mounted, for a folder in the home folder.
//
// Threads: start() on the GUI thread; run() on the host's worker. The
// photos of the folder being loaded are read and made into thumbnails ahead,
// on every core (loadPhotosAhead), taken by the worker in the folder's order
// and appended by the GUI thread; the progress dialog is driven through its queued setters; the
// questions go through Prompts. The files left out are listed in one message at the end.
class FolderLoadJob : private FolderLoader::Sink
{
    Q_DECLARE_TR_FUNCTIONS(FolderLoadJob)

public:
    static QString browserTitle();    // "Select a folder with photos (*.jpg, *.jpeg)"
    static QString searchCaption();   // "Searching..."
    static QString loadedCaption();   // "%1 loaded"
    static QString noMemoryMessage(); // "No free memory"

    // Sets the loading flag and starts the load; false while the host loads or reduces.
    // threadCount: threads reading photos ahead; 0 for one per core.
    // startFolder: where the folder browser opens (empty: the home folder).
    static bool start(LoadHost& host, int threadCount = 0, const QString& startFolder = QString());

    explicit FolderLoadJob(LoadHost& host, int threadCount = 0, const QString& startFolder = QString());
    // The whole operation; closing is the worker's stop (the main window closes).
    void run(const std::atomic<bool>& closing);
    // The load of a folder already chosen (named on the command line, dropped), on
    // the worker: everything after the folder browser. False when it ended through a stop.
    bool loadFolder(const QString& folder, const std::atomic<bool>& closing);
    // Another load follows on the same worker: the end steps leave the loading state on.
    void setMoreToCome(bool more) { m_moreToCome = more; }
    // The files this load left out, with their reasons.
    const PassedOverFiles& passedOver() const { return m_passedOver; }

private:
    void search(const QString& folder);
    void load(const QString& folder);
    // Returns whether the load ended through a stop.
    bool finish();

    // FolderLoader::Sink, on the worker thread.
    bool isStopRequested() override;
    void requestStop() override;
    void showFound(int position, const QString& fileLine) override;
    FolderLoader::AppendOutcome append(const QString& path, const QString& folder, const QString& name) override;
    int photoCount() override;
    void enteringFolder(const QStringList& photoPaths) override;
    void leavingFolder() override;
    void passOver(const QString& path, const QString& reason) override;
    LoadedPhoto loadPhoto(const QString& path);

    // The photos read ahead for each folder entered and not yet left.
    struct FolderAhead
    {
        std::unique_ptr<PhotosAhead> photos;
        QStringList paths;
        int nextIndex = 0;
    };

    LoadHost& m_host;
    CFileProgressDlg& m_progress;
    const std::atomic<bool>* m_closing = nullptr;
    const int m_threadCount;
    bool m_moreToCome = false;
    const QString m_startFolder;
    std::vector<FolderAhead> m_foldersAhead;
    std::optional<int> m_rowsHeld; // the collection's count, once asked
    PassedOverFiles m_passedOver;
    FolderLoader m_loader{*this};
};
