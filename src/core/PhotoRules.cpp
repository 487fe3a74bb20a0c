// SPDX-License-Identifier: MIT
#include "core/PhotoRules.h"

#include "core/DecodeMemory.h"
#include "core/FileIo.h"
#include "core/FileNames.h"
#include "core/JpegCodec.h"

#include <algorithm>
#include <new>
#include <string_view>
#include <system_error>

namespace snapwane {

UserText PhotoCheckText(PhotoCheck check)
{
    switch (check) {
    case PhotoCheck::Accepted: return {SNAPWANE_TRANSLATE_NOOP("Engine", "accepted")};
    case PhotoCheck::CannotOpen: return {SNAPWANE_TRANSLATE_NOOP("Engine", "cannot open the file")};
    case PhotoCheck::ReadError: return {SNAPWANE_TRANSLATE_NOOP("Engine", "read error")};
    case PhotoCheck::Empty: return {SNAPWANE_TRANSLATE_NOOP("Engine", "empty file")};
    case PhotoCheck::TooLarge: return {SNAPWANE_TRANSLATE_NOOP("Engine", "larger than the memory allowed")};
    case PhotoCheck::NotJpeg: return {SNAPWANE_TRANSLATE_NOOP("Engine", "not a JPEG photo or damaged")};
    case PhotoCheck::TooSmall:
        return {SNAPWANE_TRANSLATE_NOOP("Engine", "smaller than %1 x %2"),
                {std::to_string(kSmallestPhotoWidth), std::to_string(kSmallestPhotoHeight)}};
    case PhotoCheck::NotDecodable: return {SNAPWANE_TRANSLATE_NOOP("Engine", "not a JPEG photo or damaged")};
    case PhotoCheck::NoMemory: return {SNAPWANE_TRANSLATE_NOOP("Engine", "not enough memory")};
    case PhotoCheck::NameNotUtf8: return {SNAPWANE_TRANSLATE_NOOP("Engine", "file name not valid UTF-8")};
    }
    return {SNAPWANE_TRANSLATE_NOOP("Engine", "unknown")};
}

std::string DescribePhotoCheck(PhotoCheck check)
{
    return PhotoCheckText(check).English();
}

PhotoCheck CheckPhotoBytes(std::span<const std::uint8_t> jpeg, int& width, int& height)
{
    width = 0;
    height = 0;
    if (jpeg.empty())
        return PhotoCheck::Empty;
    int channels = 0;
    JpegCodec::Decode(jpeg, JpegCodec::kHeaderOnly, width, height, channels);
    if (width <= 0 || height <= 0)
        return PhotoCheck::NotJpeg;
    return CheckStoredSize(width, height);
}

PhotoCheck CheckStoredSize(int width, int height)
{
    return width < kSmallestPhotoWidth || height < kSmallestPhotoHeight ? PhotoCheck::TooSmall : PhotoCheck::Accepted;
}

PhotoFileCheck CheckPhotoFile(const std::filesystem::path& path, std::vector<std::uint8_t>* bytes)
{
    PhotoFileCheck result;
#ifndef _WIN32
    if (!IsValidUtf8(path.filename().native())) {
        result.check = PhotoCheck::NameNotUtf8;
        return result;
    }
#endif
    std::vector<std::uint8_t> ownBytes;
    std::vector<std::uint8_t>& file = bytes ? *bytes : ownBytes; // the caller's buffer keeps its room for the next file
    // Bytes that alone would not fit in the decode memory budget are never read.
    switch (ReadWholeFile(path, file, kDecodeMemoryBudget + 1)) {
    case FileStatus::Ok: break;
    case FileStatus::TooLarge: {
        std::error_code error;
        result.fileBytes = std::filesystem::file_size(path, error);
        result.check = PhotoCheck::TooLarge;
        return result;
    }
    case FileStatus::NoMemory: result.check = PhotoCheck::NoMemory; return result;
    case FileStatus::ReadError: result.check = PhotoCheck::ReadError; return result;
    default: result.check = PhotoCheck::CannotOpen; return result;
    }
    result.fileBytes = file.size();
    result.check = CheckPhotoBytes(file, result.width, result.height);
    return result;
}

bool IsPhotoName(const std::string& name)
{
    const auto endsWith = [&name](std::string_view ending) {
        if (name.size() <= ending.size())
            return false;
        // The ending is ASCII: lowering byte by byte is the whole lowering here.
        for (std::size_t i = 0; i < ending.size(); ++i) {
            const char c = name[name.size() - ending.size() + i];
            if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != ending[i])
                return false;
        }
        return true;
    };
    return endsWith(".jpg") || endsWith(".jpeg");
}

namespace {

void SortByName(std::vector<std::filesystem::path>& paths)
{
    struct Keyed {
        std::string lower, name;
        std::filesystem::path path;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(paths.size());
    for (std::filesystem::path& path : paths) {
        std::string name = path.filename().string();
        keyed.push_back({LowerCasedName(name), std::move(name), std::move(path)});
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        return a.lower != b.lower ? a.lower < b.lower : a.name < b.name;
    });
    for (std::size_t i = 0; i < keyed.size(); ++i)
        paths[i] = std::move(keyed[i].path);
}

} // namespace

PhotoFolderListing ListPhotoFolder(const std::filesystem::path& folder)
{
    namespace fs = std::filesystem;
    PhotoFolderListing listing;
    try {
        std::error_code& error = listing.error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            std::error_code typeError; // an entry whose type cannot be told is no folder
            const bool isFolder = it->is_directory(typeError);
            if (isFolder && !it->is_symlink(typeError))
                listing.subfolders.push_back(it->path());
            else if (!isFolder && IsPhotoName(it->path().filename().string()))
                listing.photos.push_back(it->path());
        }
        SortByName(listing.photos);
        SortByName(listing.subfolders);
    } catch (const std::bad_alloc&) {
        listing.error = std::make_error_code(std::errc::not_enough_memory);
    }
    return listing;
}

} // namespace snapwane
