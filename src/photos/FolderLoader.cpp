#include "photos/FolderLoader.h"

#include "photos/CPhotoCollection.h"
#include "photos/PhotoRecord.h"
#include "platform/NativePath.h"
#include "platform/Prompts.h"

#include <QDirIterator>

namespace {

// Every entry of a folder, hidden ones too, in the file system's order.
QDirIterator entriesOf(const QString& folder)
{
    return QDirIterator(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

// A regular file (or a link to one) with a JPEG name. Pipes and devices are
// never opened: reading one could wait for ever.
bool isPhotoCandidate(const QFileInfo& entry)
{
    return entry.isFile() && FolderLoader::isJpegName(entry.fileName());
}

// A folder to descend into. Folders reached through links are left out, as the
// batch reducer leaves them out: a link can lead out of the chosen tree
// ("up -> ../..") or back into it (its photos twice).
bool isSubfolder(const QFileInfo& entry)
{
    return entry.isDir() && !entry.isSymLink();
}

} // namespace

bool FolderLoader::isJpegName(const QString& name)
{
    const QString lower = PhotoRecord::lowerCased(name);
    if (lower.size() <= 4 || lower.size() >= 250)
        return false;
    return lower.endsWith(QLatin1String(".jpg")) || lower.endsWith(QLatin1String(".jpeg"));
}

void FolderLoader::beginPass()
{
    m_foundCount = 0;
    m_enteredFolders.clear();
}

bool FolderLoader::enterOnce(const QString& folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty() || m_enteredFolders.contains(canonical))
        return false;
    m_enteredFolders.insert(canonical);
    return true;
}

void FolderLoader::CountPhotosInFolder(const QString& folder)
{
    if (!enterOnce(folder))
        return;
    QDirIterator entries = entriesOf(folder);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo entry = entries.fileInfo();
        // Subfolders are counted whatever the user answers later.
        if (isSubfolder(entry))
            CountPhotosInFolder(NativePath::join(folder, entry.fileName()));
        else if (isPhotoCandidate(entry))
            ++m_foundCount;
        if (m_sink.isStopRequested())
            return;
    }
}

void FolderLoader::LoadPhotosFromFolder(const QString& folder)
{
    if (m_sink.isStopRequested() || !enterOnce(folder))
        return;
    // The folder's entries are listed first, in the file system's order, so its
    // photos can be read ahead of their turn.
    QFileInfoList entries;
    QStringList photoPaths;
    QDirIterator listing = entriesOf(folder);
    while (listing.hasNext()) {
        listing.next();
        entries.append(listing.fileInfo());
        if (isPhotoCandidate(entries.constLast()))
            photoPaths.append(NativePath::join(folder, entries.constLast().fileName()));
    }
    m_sink.enteringFolder(photoPaths);
    loadEntries(folder, entries);
    m_sink.leavingFolder();
}

void FolderLoader::loadEntries(const QString& folder, const QFileInfoList& entries)
{
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        if (isSubfolder(entry)) {
            // A declined subfolder, like any folder, is never taken for a photo.
            if (!m_subfoldersDeclined && includeSubfolder())
                LoadPhotosFromFolder(NativePath::join(folder, name));
        } else if (isPhotoCandidate(entry) && !loadFile(folder, name, PhotoRecord::lowerCased(name))) {
            return;
        }
        if (m_sink.isStopRequested())
            return;
    }
}

// The question is asked once per load, at the first subfolder met.
bool FolderLoader::includeSubfolder()
{
    if (m_subfoldersAccepted)
        return true;
    if (Prompts::askYesNo(QStringLiteral("Would you like to include all subdirectories?")))
        m_subfoldersAccepted = true;
    else
        m_subfoldersDeclined = true;
    return m_subfoldersAccepted;
}

bool FolderLoader::loadFile(const QString& folder, const QString& realName, const QString& lowerName)
{
    // A full collection takes no further photo: say so once and end the load.
    if (CPhotoCollection::isFullAt(m_sink.photoCount())) {
        Prompts::inform(CPhotoCollection::kCapacityMessage);
        m_sink.requestStop();
        return false;
    }
    m_sink.showFound(m_foundCount, NativePath::join(folder, lowerName));
    ++m_foundCount;
    // The list shows the name lower-cased; the file is read by its real name.
    const AppendOutcome outcome = m_sink.append(NativePath::join(folder, realName), folder, lowerName);
    if (outcome == AppendOutcome::Stop) {
        m_sink.requestStop();
        return false;
    }
    return true;
}
