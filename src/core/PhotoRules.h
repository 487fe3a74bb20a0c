// PhotoRules: which files the program accepts as photos. The program's loader
// and the batch reducer both go through CheckPhotoFile, so they accept exactly
// the same files:
// - a file whose name is not valid UTF-8 is refused unread (the program, which
//   works with names as text, cannot reach it);
// - a file that cannot be opened or read, an empty file, or one of
//   kLargestPhotoFileBytes bytes or more is refused before it is decoded;
// - bytes whose JPEG header cannot be read are refused (not a JPEG);
// - a photo narrower than 320 or lower than 240 pixels is refused.
// Qt-free, thread-safe, never throws.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace snapwane {

inline constexpr std::uintmax_t kLargestPhotoFileBytes = 5'000'000; // refused from this size on
inline constexpr int kSmallestPhotoWidth = 320;
inline constexpr int kSmallestPhotoHeight = 240;
inline constexpr int kThumbnailBoxWidth = 192;  // the collection's thumbnails
inline constexpr int kThumbnailBoxHeight = 144;
inline constexpr int kSizeSanityBound = 5000;   // held sizes must be 0 < size < 5000 to be reported

enum class PhotoCheck {
    Accepted,
    CannotOpen,
    ReadError,
    Empty,
    TooLarge,     // kLargestPhotoFileBytes or more
    NotJpeg,      // the header cannot be read
    TooSmall,     // under 320 x 240
    NotDecodable, // the header reads but the photo does not decode (LoadFittedPhoto only)
    NoMemory,
    NameNotUtf8,  // the file name's bytes are not UTF-8
};

struct PhotoFileCheck {
    PhotoCheck check = PhotoCheck::CannotOpen;
    int width = 0;  // from the header, when it could be read
    int height = 0;
    std::uintmax_t fileBytes = 0;
};

// English text for reports, e.g. "smaller than 320 x 240".
std::string DescribePhotoCheck(PhotoCheck check);

// The size rule alone (320 x 240 and up), on the size stored in the header.
PhotoCheck CheckStoredSize(int width, int height);

// The header rules alone, on bytes already in memory (emptiness included).
PhotoCheck CheckPhotoBytes(std::span<const std::uint8_t> jpeg, int& width, int& height);

// Reads the file and applies every rule. When `bytes` is given and the file was
// read, it receives the file's bytes.
PhotoFileCheck CheckPhotoFile(const std::filesystem::path& path, std::vector<std::uint8_t>* bytes = nullptr);

} // namespace snapwane
