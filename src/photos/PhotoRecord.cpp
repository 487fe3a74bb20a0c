// SPDX-License-Identifier: MIT
#include "photos/PhotoRecord.h"

#include "core/DecodeMemory.h"
#include "core/FileNames.h"
#include "platform/LocaleFormat.h"
#include "platform/Logging.h"
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

PhotoRecord::Outcome PhotoRecord::Load(const QString& path, CPhotoProgressDlg* owner, PhotoRecord& record,
                                       snapwane::PhotoCheck* refusal)
{
    try {
        record = Describe(path);
    } catch (const std::bad_alloc&) {
        return Outcome::NoMemory;
    }
    // No row for a file that is skipped.
    const auto skipped = [&record, refusal](snapwane::PhotoCheck reason) {
        record.image.reset();
        if (refusal)
            *refusal = reason;
        return Outcome::Skipped;
    };
    try {
        const std::filesystem::path file = NativePath::toFileSystem(path);
        std::error_code error;
        record.fileBytes = std::filesystem::file_size(file, error);
        if (error)
            return skipped(snapwane::PhotoCheck::CannotOpen);
        const auto written = std::filesystem::last_write_time(file, error);
        if (!error)
            record.modified = LocaleFormat::fileTime(written);
        record.image->setOwner(owner);
        snapwane::PhotoCheck check = snapwane::PhotoCheck::NotDecodable;
        if (!record.image->LoadFromFile(path, 0, 0, &check))
            return skipped(check);
        return Outcome::Loaded;
    } catch (const std::bad_alloc&) {
        return skipped(snapwane::PhotoCheck::NoMemory);
    } catch (const std::exception& error) {
        // Whatever went wrong with this photo stays with it; the load goes on.
        qCWarning(lcLoad) << "loading" << path << "failed unexpectedly:" << error.what();
        return skipped(snapwane::PhotoCheck::NotDecodable);
    }
}

std::unique_ptr<PhotosAhead> loadPhotosAhead(const QStringList& paths, CPhotoProgressDlg* owner, int threads)
{
    return std::make_unique<PhotosAhead>(
        std::size_t(paths.size()), threads,
        [paths, owner](std::size_t i) {
            LoadedPhoto loaded;
            loaded.outcome = PhotoRecord::Load(paths[qsizetype(i)], owner, loaded.record, &loaded.refusal);
            return loaded;
        },
        [paths](std::size_t i) { return snapwane::EstimateDecodeMemoryOfFile(NativePath::toFileSystem(paths[qsizetype(i)])); },
        [](std::size_t) {
            LoadedPhoto refused;
            refused.refusal = snapwane::PhotoCheck::TooLarge;
            return refused;
        },
        &snapwane::MemoryBudget::ForDecoding());
}
