#include "photos/PhotoRecord.h"

#include "core/DecodeMemory.h"
#include "core/FileNames.h"
#include "core/TextFormat.h"
#include "platform/NativePath.h"

#include <filesystem>
#include <new>
#include <system_error>

PhotoRecord PhotoRecord::Describe(const QString& path)
{
    PhotoRecord record;
    record.path = path;
    // The list shows the whole path in lower case; the real path stays in `path`.
    const QString lower = lowerCased(path);
    const qsizetype cut = std::max(lower.lastIndexOf(u'/'), lower.lastIndexOf(NativePath::separator()));
    record.name = lower.mid(cut + 1);
    record.folder = lower.left(cut + 1);
    record.image = std::make_unique<CPhotoImage>();
    return record;
}

QString PhotoRecord::lowerCased(const QString& name)
{
    const QByteArray utf8 = name.toUtf8();
    return QString::fromStdString(snapwane::LowerCasedName(std::string(utf8.constData(), std::size_t(utf8.size()))));
}

PhotoRecord::Outcome PhotoRecord::Load(const QString& path, CPhotoProgressDlg* owner, PhotoRecord& record)
{
    try {
        record = Describe(path);
    } catch (const std::bad_alloc&) {
        return Outcome::NoMemory;
    }
    try {
        const std::filesystem::path file = NativePath::toFileSystem(path);
        std::error_code error;
        record.fileBytes = std::filesystem::file_size(file, error);
        if (error) {
            record.image.reset(); // cannot be opened: no row
            return Outcome::Skipped;
        }
        const auto written = std::filesystem::last_write_time(file, error);
        if (!error)
            record.modified = QString::fromStdString(snapwane::FormatFileTime(written));
        record.image->setOwner(owner);
        if (!record.image->LoadFromFile(path, 0, 0)) {
            record.image.reset();
            return Outcome::Skipped;
        }
        return Outcome::Loaded;
    } catch (...) {
        // Whatever went wrong with this photo stays with it; the load goes on.
        record.image.reset();
        return Outcome::Skipped;
    }
}

std::unique_ptr<PhotosAhead> loadPhotosAhead(const QStringList& paths, CPhotoProgressDlg* owner, int threads)
{
    return std::make_unique<PhotosAhead>(
        std::size_t(paths.size()), threads,
        [paths, owner](std::size_t i) {
            LoadedPhoto loaded;
            loaded.outcome = PhotoRecord::Load(paths[qsizetype(i)], owner, loaded.record);
            return loaded;
        },
        [paths](std::size_t i) { return snapwane::EstimateDecodeMemoryOfFile(NativePath::toFileSystem(paths[qsizetype(i)])); },
        [](std::size_t) { return LoadedPhoto{}; }, &snapwane::MemoryBudget::ForDecoding());
}
