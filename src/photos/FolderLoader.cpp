// SPDX-License-Identifier: MIT
#include "photos/FolderLoader.h"

#include "core/FileNames.h"
#include "core/PhotoRules.h"
#include "photos/CPhotoCollection.h"
#include "photos/PhotoRecord.h"
#include "platform/NativePath.h"
#include "platform/Prompts.h"
#include "platform/Translation.h"

#include <QFileInfo>

namespace fs = std::filesystem;

namespace {

snapwane::PhotoFolderListing listingOf(const QString& folder)
{
    return snapwane::ListPhotoFolder(NativePath::toFileSystem(folder));
}

// The program works with names as text: a name that is not UTF-8 cannot be
// told to the file functions again.
bool isNameReachable(const fs::path& entry)
{
#ifdef _WIN32
    Q_UNUSED(entry);
    return true;
#else
    return snapwane::IsValidUtf8(entry.filename().native());
#endif
}

QString printableName(const fs::path& entry)
{
    return QString::fromStdString(snapwane::PrintableName(entry.filename().string()));
}

} // namespace

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
    const snapwane::PhotoFolderListing listing = listingOf(folder);
    m_foundCount += int(listing.photos.size());
    // Subfolders are counted whatever the user answers later.
    for (const fs::path& subfolder : listing.subfolders) {
        if (m_sink.isStopRequested())
            return;
        if (isNameReachable(subfolder))
            CountPhotosInFolder(NativePath::join(folder, NativePath::fromFileSystem(subfolder.filename())));
    }
}

void FolderLoader::LoadPhotosFromFolder(const QString& folder)
{
    if (m_sink.isStopRequested() || !enterOnce(folder))
        return;
    const snapwane::PhotoFolderListing listing = listingOf(folder);
    if (listing.error)
        m_sink.passOver(folder, tr("cannot list the folder: %1").arg(
                                    QString::fromLocal8Bit(listing.error.message().c_str())));
    // The folder's photos are named to the sink first, so they can be read ahead
    // of their turn; its subfolders follow once they are all taken.
    QStringList photoPaths;
    for (const fs::path& photo : listing.photos) {
        if (isNameReachable(photo))
            photoPaths.append(NativePath::join(folder, NativePath::fromFileSystem(photo.filename())));
    }
    m_sink.enteringFolder(photoPaths);
    loadPhotos(folder, listing.photos);
    m_sink.leavingFolder();
    for (const fs::path& subfolder : listing.subfolders) {
        if (m_sink.isStopRequested())
            return;
        // A declined subfolder, like any folder, is never taken for a photo.
        if (m_subfoldersDeclined || !includeSubfolder())
            return;
        if (isNameReachable(subfolder))
            LoadPhotosFromFolder(NativePath::join(folder, NativePath::fromFileSystem(subfolder.filename())));
        else
            m_sink.passOver(NativePath::join(folder, printableName(subfolder)),
                            tr("folder name not valid UTF-8"));
    }
}

void FolderLoader::loadPhotos(const QString& folder, const std::vector<fs::path>& photos)
{
    for (const fs::path& photo : photos) {
        if (!isNameReachable(photo)) {
            ++m_foundCount; // met, and passed over
            m_sink.passOver(NativePath::join(folder, printableName(photo)),
                            Translation::ofEngine(snapwane::PhotoCheckText(snapwane::PhotoCheck::NameNotUtf8)));
        } else {
            const QString name = NativePath::fromFileSystem(photo.filename());
            if (!loadFile(folder, name, PhotoRecord::lowerCased(name)))
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
    if (Prompts::askYesNo(tr("Would you like to include all subdirectories?")))
        m_subfoldersAccepted = true;
    else
        m_subfoldersDeclined = true;
    return m_subfoldersAccepted;
}

bool FolderLoader::loadFile(const QString& folder, const QString& realName, const QString& lowerName)
{
    // A full collection takes no further photo: say so once and end the load.
    if (CPhotoCollection::isFullAt(m_sink.photoCount())) {
        Prompts::inform(CPhotoCollection::capacityMessage());
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
