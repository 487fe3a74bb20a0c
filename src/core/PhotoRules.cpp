#include "core/PhotoRules.h"

#include "core/FileIo.h"
#include "core/FileNames.h"
#include "core/JpegCodec.h"
#include "core/TextFormat.h"

#include <system_error>

namespace snapwane {

std::string DescribePhotoCheck(PhotoCheck check)
{
    switch (check) {
    case PhotoCheck::Accepted: return "accepted";
    case PhotoCheck::CannotOpen: return "cannot open the file";
    case PhotoCheck::ReadError: return "read error";
    case PhotoCheck::Empty: return "empty file";
    case PhotoCheck::TooLarge: return "file of " + FormatByteCount(kLargestPhotoFileBytes) + " bytes or more";
    case PhotoCheck::NotJpeg: return "not a JPEG photo";
    case PhotoCheck::TooSmall:
        return "smaller than " + FormatDimensions(kSmallestPhotoWidth, kSmallestPhotoHeight);
    case PhotoCheck::NotDecodable: return "damaged JPEG photo";
    case PhotoCheck::NoMemory: return "not enough memory";
    case PhotoCheck::NameNotUtf8: return "file name not valid UTF-8";
    }
    return "unknown";
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
    switch (ReadWholeFile(path, file, kLargestPhotoFileBytes)) {
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

} // namespace snapwane
