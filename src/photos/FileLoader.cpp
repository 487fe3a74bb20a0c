// SPDX-License-Identifier: MIT
#include "photos/FileLoader.h"

#include "photos/CFileProgressDlg.h"
#include "photos/CPhotoCollection.h"
#include "photos/CollectionEditor.h"
#include "photos/LoadHost.h"
#include "photos/LoadRun.h"
#include "photos/PhotoRecord.h"
#include "platform/GuiThreadCall.h"
#include "platform/Logging.h"
#include "platform/Prompts.h"

#include <QSet>
#include <exception>

QString FileLoader::dialogTitle()
{
    return tr("Select and add JPEG photos");
}


// The name as the dialog shows it, then the patterns it matches (in any case):
// the file dialog reads the last parentheses as a space-separated list, where a
// comma would break the match.
QString FileLoader::filter()
{
    return tr("Jpeg photos (*.jpg, *.jpeg)") + QStringLiteral(" (*.jpg *.jpeg)");
}

QString FileLoader::noMemoryMessage()
{
    return tr("There is no free memory");
}

QString FileLoader::countCaption()
{
    return tr("%1 of %2 loaded");
}

namespace {

// The key two paths share when they name the same file (Windows ignores case).
QString pathKey(const QString& path)
{
#ifdef Q_OS_WIN
    return path.toLower();
#else
    return path;
#endif
}

} // namespace

bool FileLoader::start(LoadHost& host)
{
    return LoadRun::start(host, [target = &host](const std::atomic<bool>& closing) { FileLoader(*target).run(closing); });
}

FileLoader::FileLoader(LoadHost& host)
    : m_host(host)
    , m_progress(*host.fileProgressDlg())
{
}

void FileLoader::run(const std::atomic<bool>& closing)
{
    QStringList files;
    try {
        m_progress.m_bStop = 0;
        files = Prompts::chooseFiles(dialogTitle(), filter());
    } catch (const std::exception& error) {
        qCWarning(lcLoad) << "the file dialog failed:" << error.what();
        finish(true); // never leave the program in the loading state
        return;
    }
    load(files, closing);
    m_passedOver.tell(closing);
}

bool FileLoader::load(const QStringList& files, const std::atomic<bool>& closing)
{
    bool stopped = false;
    try {
        m_progress.m_bStop = 0;
        if (!files.isEmpty() && !closing) {
            int rowsHeld = 0;
            const std::vector<Choice> choices = planChoices(files, rowsHeld);
            stopped = !loadChoices(choices, rowsHeld, closing);
        }
    } catch (const std::exception& error) {
        qCWarning(lcLoad) << "loading the chosen files ended on an unexpected error:" << error.what();
        stopped = true; // never leave the program in the loading state
    }
    finish(stopped);
    return !stopped;
}

// Which chosen files are loaded: not those held already or chosen twice, and no
// shell shortcuts (names ending in "lnk", any case).
std::vector<FileLoader::Choice> FileLoader::planChoices(const QStringList& files, int& rowsHeld) const
{
    struct Held
    {
        int rows = 0;
        QSet<QString> paths;
    };
    Held held = GuiThreadCall::call<Held>([host = &m_host] {
                    Held found;
                    const CPhotoCollection& collection = host->collection();
                    found.rows = collection.count();
                    for (int i = 0; i < collection.count(); ++i)
                        found.paths.insert(pathKey(collection.pathOf(i)));
                    return found;
                }).value_or(Held{});
    rowsHeld = held.rows;
    std::vector<Choice> choices;
    choices.reserve(static_cast<std::size_t>(files.size()));
    for (const QString& file : files) {
        Choice choice{file, PhotoRecord::lowerCased(file), false};
        const QString key = pathKey(file);
        choice.passOver = held.paths.contains(key) || choice.shownPath.endsWith(QLatin1String("lnk"));
        held.paths.insert(key);
        choices.push_back(std::move(choice));
    }
    return choices;
}

// false when the load ended through a stop (Stop button, no memory, capacity,
// or the main window closing).
bool FileLoader::loadChoices(const std::vector<Choice>& choices, int rowsHeld, const std::atomic<bool>& closing)
{
    const int chosen = static_cast<int>(choices.size());
    const int expected = rowsHeld + chosen;
    m_progress.m_bStop = 0;
    m_progress.SetRange(0, chosen);
    m_progress.SetPosition(0);
    m_progress.ShowDialog();

    QStringList toLoad;
    for (const Choice& choice : choices) {
        if (!choice.passOver)
            toLoad.append(choice.path);
    }
    const std::unique_ptr<PhotosAhead> ahead = loadPhotosAhead(toLoad, m_host.photoProgressDlg());
    int taken = 0;
    for (int i = 0; i < chosen; ++i) {
        // The capacity is checked before each file, so a full collection never grows.
        if (CPhotoCollection::isFullAt(rowsHeld)) {
            Prompts::inform(CPhotoCollection::capacityMessage());
            return false;
        }
        const Choice& choice = choices[static_cast<std::size_t>(i)];
        m_progress.SetPosition(i);
        m_progress.SetFileName(choice.shownPath);
        if (!choice.passOver && appendNext(*ahead, taken++, choice.path, expected))
            ++rowsHeld;
        if (m_progress.m_bStop.load() != 0 || closing)
            return false;
    }
    return true;
}

// Takes the next loaded photo and appends it, counting it in the caption;
// true when it was appended. No memory for a photo object ends the load.
bool FileLoader::appendNext(PhotosAhead& ahead, int index, const QString& path, int expected)
{
    LoadedPhoto loaded = ahead.Take(std::size_t(index));
    switch (loaded.outcome) {
    case PhotoRecord::Outcome::Loaded:
        return m_host.collectionEditor().appendFromWorker(loaded.record, [progress = &m_progress, expected](int count) {
            progress->SetCaption(countCaption().arg(count).arg(expected));
        });
    case PhotoRecord::Outcome::NoMemory:
        Prompts::inform(noMemoryMessage());
        m_progress.m_bStop = 1;
        return false;
    case PhotoRecord::Outcome::Skipped: m_passedOver.add(path, loaded.refusal); break;
    }
    return false;
}

void FileLoader::finish(bool stopped)
{
    LoadRun::end(m_host, stopped ? &FileLoader::finishStopped : &FileLoader::finishNormally, m_moreToCome && !stopped);
}

void FileLoader::finishNormally(LoadHost& host)
{
    host.setLoading(false);
    host.collectionEditor().focusFirstRow();
    CFileProgressDlg& progress = *host.fileProgressDlg();
    progress.SetPosition(0);
    progress.SetFileName(QString());
    progress.SetCaption(CFileProgressDlg::readyCaption());
    progress.HideDialog();
    host.loadEnded(true);
}

void FileLoader::finishStopped(LoadHost& host)
{
    CFileProgressDlg& progress = *host.fileProgressDlg();
    progress.m_bStop = 0;
    progress.SetCaption(QString());
    progress.HideDialog();
    host.setLoading(false);
    host.collectionEditor().focusFirstRow();
    host.loadEnded(false);
}
