// SPDX-License-Identifier: MIT
#include "photos/FolderLoadJob.h"

#include "photos/CFileProgressDlg.h"
#include "photos/CPhotoCollection.h"
#include "photos/CollectionEditor.h"
#include "photos/LoadHost.h"
#include "photos/LoadRun.h"
#include "photos/PhotoRecord.h"
#include "platform/GuiThreadCall.h"
#include "platform/Logging.h"
#include "platform/NativePath.h"
#include "platform/Prompts.h"

#include <QDir>
#include <exception>

QString FolderLoadJob::browserTitle()
{
    return tr("Select a folder with photos (*.jpg, *.jpeg)");
}

QString FolderLoadJob::searchCaption()
{
    return tr("Searching...");
}

QString FolderLoadJob::loadedCaption()
{
    return tr("%1 loaded");
}

QString FolderLoadJob::noMemoryMessage()
{
    return tr("No free memory");
}


namespace {
// The progress bar stands still on this range while the tree is searched.
constexpr int kSearchRange = 10;
} // namespace

bool FolderLoadJob::start(LoadHost& host, int threadCount, const QString& startFolder)
{
    return LoadRun::start(host, [target = &host, threadCount, startFolder](const std::atomic<bool>& closing) {
        FolderLoadJob(*target, threadCount, startFolder).run(closing);
    });
}

FolderLoadJob::FolderLoadJob(LoadHost& host, int threadCount, const QString& startFolder)
    : m_host(host)
    , m_progress(*host.fileProgressDlg())
    , m_threadCount(threadCount)
    , m_startFolder(startFolder.isEmpty() ? QDir::homePath() : startFolder)
{
}

void FolderLoadJob::run(const std::atomic<bool>& closing)
{
    m_closing = &closing;
    QString folder;
    try {
        folder = Prompts::chooseFolder(browserTitle(), m_startFolder);
    } catch (const std::exception& error) {
        qCWarning(lcLoad) << "the folder browser failed:" << error.what();
        folder.clear(); // a browser that failed chose nothing, and the load still ends
    }
    if (folder.isEmpty() || closing) {
        // Nothing chosen: no load and no change of the selection.
        LoadRun::end(m_host, [](LoadHost& host) {
            host.setLoading(false);
            host.loadEnded(false);
        });
        return;
    }
    loadFolder(folder, closing);
    m_passedOver.tell(closing);
}

bool FolderLoadJob::loadFolder(const QString& folder, const std::atomic<bool>& closing)
{
    m_closing = &closing;
    try {
        const QString root = NativePath::toNative(folder);
        search(root);
        if (!m_progress.m_bStop)
            load(root);
    } catch (const std::exception& error) {
        // Whatever went wrong, the load ends: never leave the program loading.
        qCWarning(lcLoad) << "loading" << folder << "ended on an unexpected error:" << error.what();
        m_foldersAhead.clear();
        m_progress.m_bStop = 1;
    }
    return !finish();
}

void FolderLoadJob::search(const QString& folder)
{
    m_progress.m_bStop = 0;
    m_progress.SetRange(0, kSearchRange);
    m_progress.SetPosition(0);
    m_progress.ShowDialog();
    m_progress.SetCaption(searchCaption());
    m_progress.SetFileName(folder);
    m_loader.beginPass();
    m_loader.CountPhotosInFolder(folder);
    m_progress.SetCaption(CFileProgressDlg::readyCaption());
}

void FolderLoadJob::load(const QString& folder)
{
    m_progress.m_bStop = 0;
    m_progress.SetRange(0, m_loader.foundCount());
    m_progress.SetPosition(0);
    m_loader.beginPass();
    // Until the first photo is appended (the subfolder question may come first).
    m_progress.SetCaption(CFileProgressDlg::loadingCaption());
    m_progress.SetFileName(folder);
    m_progress.ShowDialog();
    m_loader.LoadPhotosFromFolder(folder);
}

// The end steps, after a normal end and after a stop alike.
bool FolderLoadJob::finish()
{
    const bool stopped = isStopRequested();
    m_progress.m_bStop = 0;
    m_progress.SetPosition(0);
    m_progress.SetFileName(QString());
    m_progress.SetCaption(CFileProgressDlg::readyCaption());
    m_progress.HideDialog();
    LoadRun::end(
        m_host,
        [](LoadHost& host) {
            host.setLoading(false);
            host.collectionEditor().selectFirstRow();
            host.loadEnded(true);
        },
        m_moreToCome && !stopped);
    return stopped;
}

bool FolderLoadJob::isStopRequested()
{
    return m_progress.m_bStop != 0 || (m_closing && m_closing->load());
}

void FolderLoadJob::requestStop()
{
    m_progress.m_bStop = 1;
}

void FolderLoadJob::showFound(int position, const QString& fileLine)
{
    m_progress.SetPosition(position);
    m_progress.SetFileName(fileLine);
}

FolderLoader::AppendOutcome FolderLoadJob::append(const QString& path, const QString& folder, const QString& name)
{
    LoadedPhoto loaded = loadPhoto(path);
    const PhotoRecord::Outcome outcome = loaded.outcome;
    PhotoRecord& record = loaded.record;
    if (outcome == PhotoRecord::Outcome::NoMemory) {
        Prompts::inform(noMemoryMessage());
        return FolderLoader::AppendOutcome::Stop;
    }
    if (outcome != PhotoRecord::Outcome::Loaded) {
        m_passedOver.add(path, loaded.refusal);
        return FolderLoader::AppendOutcome::Skipped;
    }
    // The list shows the folder as the file system gave it, the name lower-cased.
    record.folder = NativePath::withTrailingSeparator(folder);
    record.name = name;
    const bool appended = m_host.collectionEditor().appendFromWorker(record, [progress = &m_progress](int count) {
        progress->SetCaption(loadedCaption().arg(count));
    });
    if (!appended)
        return FolderLoader::AppendOutcome::Skipped;
    if (m_rowsHeld)
        ++*m_rowsHeld;
    return FolderLoader::AppendOutcome::Appended;
}

// Asked before each photo: the GUI thread is asked once, then the count is
// kept here, as nothing but this load changes the collection while it runs.
int FolderLoadJob::photoCount()
{
    if (!m_rowsHeld)
        m_rowsHeld = GuiThreadCall::call<int>([host = &m_host] { return host->collection().count(); });
    return m_rowsHeld.value_or(0);
}

void FolderLoadJob::enteringFolder(const QStringList& photoPaths)
{
    FolderAhead ahead;
    if (!photoPaths.isEmpty()) {
        ahead.photos = loadPhotosAhead(photoPaths, m_host.photoProgressDlg(), m_threadCount);
        ahead.paths = photoPaths;
    }
    m_foldersAhead.push_back(std::move(ahead));
}

void FolderLoadJob::leavingFolder()
{
    // Photos read ahead but not taken (after a stop) are released here.
    if (!m_foldersAhead.empty())
        m_foldersAhead.pop_back();
}

void FolderLoadJob::passOver(const QString& path, const QString& reason)
{
    m_passedOver.add(path, reason);
}

// The photo of path: the one read ahead when it is the folder's next, else read now.
LoadedPhoto FolderLoadJob::loadPhoto(const QString& path)
{
    if (!m_foldersAhead.empty()) {
        FolderAhead& ahead = m_foldersAhead.back();
        if (ahead.photos && ahead.nextIndex < ahead.paths.size() && ahead.paths.at(ahead.nextIndex) == path)
            return ahead.photos->Take(std::size_t(ahead.nextIndex++));
    }
    LoadedPhoto loaded;
    loaded.outcome = PhotoRecord::Load(path, m_host.photoProgressDlg(), loaded.record, &loaded.refusal);
    return loaded;
}
