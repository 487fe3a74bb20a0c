#include "photos/FolderLoadJob.h"

#include "app/CMainView.h"
#include "imaging/CPhotoListView.h"
#include "photos/CFileProgressDlg.h"
#include "photos/PhotoRecord.h"
#include "platform/GuiThreadCall.h"
#include "platform/NativePath.h"
#include "platform/Prompts.h"

#include <QDir>

const QString FolderLoadJob::kBrowserTitle = QStringLiteral("Select a folder with photos (*.jpg, *.jpeg)");
const QString FolderLoadJob::kSearchCaption = QStringLiteral("Searching...");
const QString FolderLoadJob::kLoadedCaption = QStringLiteral("%1 loaded");
const QString FolderLoadJob::kNoMemoryMessage = QStringLiteral("No free memory");

namespace {
// The progress bar stands still on this range while the tree is searched.
constexpr int kSearchRange = 10;
} // namespace

bool FolderLoadJob::start(CMainView& view, int threadCount)
{
    if (view.worker().isRunning())
        return false;
    view.setLoading(true);
    CMainView* target = &view;
    const bool started = view.worker().start([target, threadCount](const std::atomic<bool>& closing) {
        FolderLoadJob(*target, threadCount).run(closing);
    });
    if (!started)
        view.setLoading(false);
    return started;
}

FolderLoadJob::FolderLoadJob(CMainView& view, int threadCount)
    : m_view(view)
    , m_progress(*view.fileProgressDlg())
    , m_threadCount(threadCount)
{
}

void FolderLoadJob::run(const std::atomic<bool>& closing)
{
    m_closing = &closing;
    const QString folder = Prompts::chooseFolder(kBrowserTitle, QDir::homePath());
    if (folder.isEmpty() || closing) {
        // Nothing chosen: no load and no change of the selection.
        GuiThreadCall::run([this] {
            m_view.setLoading(false);
            m_view.update();
        });
        return;
    }
    loadFolder(folder, closing);
}

bool FolderLoadJob::loadFolder(const QString& folder, const std::atomic<bool>& closing)
{
    m_closing = &closing;
    const QString root = NativePath::toNative(folder);
    search(root);
    if (!m_progress.m_bStop)
        load(root);
    return !finish();
}

void FolderLoadJob::search(const QString& folder)
{
    m_progress.m_bStop = 0;
    m_progress.SetRange(0, kSearchRange);
    m_progress.SetPosition(0);
    m_progress.ShowDialog();
    m_progress.SetCaption(kSearchCaption);
    m_loader.beginPass();
    m_loader.CountPhotosInFolder(folder);
    m_progress.SetCaption(CFileProgressDlg::kReadyCaption);
}

void FolderLoadJob::load(const QString& folder)
{
    m_progress.m_bStop = 0;
    m_progress.SetRange(0, m_loader.foundCount());
    m_progress.SetPosition(0);
    m_loader.beginPass();
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
    m_progress.SetCaption(CFileProgressDlg::kReadyCaption);
    m_progress.HideDialog();
    GuiThreadCall::run([this, stopped] {
        m_view.setLoading(false);
        if (m_view.photoCount() > 0)
            m_view.collectionEditor().selectFirstRow();
        m_view.photoListView()->setFocus();
        m_view.update();
        // In the same step, so that no command slips in between two loads.
        if (m_moreToCome && !stopped)
            m_view.setLoading(true);
    });
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
    PhotoPrefetcher::Loaded loaded = loadPhoto(path);
    const PhotoRecord::Outcome outcome = loaded.outcome;
    PhotoRecord& record = loaded.record;
    if (outcome == PhotoRecord::Outcome::NoMemory) {
        Prompts::inform(kNoMemoryMessage);
        return FolderLoader::AppendOutcome::Stop;
    }
    if (outcome != PhotoRecord::Outcome::Loaded)
        return FolderLoader::AppendOutcome::Skipped;
    // The list shows the folder as the file system gave it, the name lower-cased.
    record.folder = NativePath::withTrailingSeparator(folder);
    record.name = name;
    const std::optional<int> rows = GuiThreadCall::call<int>([this, &record]() -> int {
        return m_view.collectionEditor().append(std::move(record)) ? m_view.photoCount() : -1;
    });
    if (!rows || *rows < 0)
        return FolderLoader::AppendOutcome::Skipped;
    m_progress.SetCaption(kLoadedCaption.arg(*rows));
    return FolderLoader::AppendOutcome::Appended;
}

int FolderLoadJob::photoCount()
{
    return GuiThreadCall::call<int>([this] { return m_view.photoCount(); }).value_or(0);
}

void FolderLoadJob::enteringFolder(const QStringList& photoPaths)
{
    FolderAhead ahead;
    if (!photoPaths.isEmpty())
        ahead.photos = std::make_unique<PhotoPrefetcher>(photoPaths, &m_view, m_threadCount);
    m_foldersAhead.push_back(std::move(ahead));
}

void FolderLoadJob::leavingFolder()
{
    // Photos read ahead but not taken (after a stop) are released here.
    if (!m_foldersAhead.empty())
        m_foldersAhead.pop_back();
}

// The photo of path: the one read ahead when it is the folder's next, else read now.
PhotoPrefetcher::Loaded FolderLoadJob::loadPhoto(const QString& path)
{
    if (!m_foldersAhead.empty()) {
        FolderAhead& ahead = m_foldersAhead.back();
        if (ahead.photos && ahead.nextIndex < ahead.photos->size()
            && ahead.photos->paths().at(ahead.nextIndex) == path)
            return ahead.photos->take(ahead.nextIndex++);
    }
    PhotoPrefetcher::Loaded loaded;
    loaded.outcome = PhotoRecord::Load(path, &m_view, loaded.record);
    return loaded;
}
