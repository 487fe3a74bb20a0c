// SPDX-License-Identifier: MIT
// PhotoRules: which names and files count as photos, for every way a photo
// arrives (a folder, the file dialog, a drop, the command line, the batch
// reducer): folders are listed by ListPhotoFolder and every file goes through
// CheckPhotoFile, so the program and the tools take and refuse the same files:
// - in a folder, an entry named like a photo (IsPhotoName) that is no folder is
//   taken, and so is any file named by the user; links to folders are not
//   followed;
// - a file whose name is not valid UTF-8 is refused unread (the program, which
//   works with names as text, cannot reach it);
// - what is not a regular file (a pipe, a device, a link to nothing), a file
//   that cannot be opened or read, or an empty file is refused before it is
//   decoded, and so is a file whose bytes alone would not fit in the decode
//   memory budget;
// - bytes whose JPEG header cannot be read are refused (not a JPEG);
// - a photo narrower than 320 or lower than 240 pixels is refused.
// Qt-free, thread-safe, never throws.
#pragma once

#include "core/UserText.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <system_error>
#include <vector>

namespace snapwane {

inline constexpr int kSmallestPhotoWidth = 320;
inline constexpr int kSmallestPhotoHeight = 240;
inline constexpr int kThumbnailBoxWidth = 192;  // the collection's thumbnails
inline constexpr int kThumbnailBoxHeight = 144;

enum class PhotoCheck {
    Accepted,
    CannotOpen,
    ReadError,
    Empty,
    TooLarge,     // more than the decode memory budget allows
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

// Why a photo was passed over, e.g. "smaller than 320 x 240": the program's load
// and the batch reducer give the same reasons (the latter in English).
UserText PhotoCheckText(PhotoCheck check);
std::string DescribePhotoCheck(PhotoCheck check); // its English

// The size rule alone (320 x 240 and up), on the size stored in the header.
PhotoCheck CheckStoredSize(int width, int height);

// The header rules alone, on bytes already in memory (emptiness included).
PhotoCheck CheckPhotoBytes(std::span<const std::uint8_t> jpeg, int& width, int& height);

// Reads the file and applies every rule. When `bytes` is given and the file was
// read, it receives the file's bytes.
PhotoFileCheck CheckPhotoFile(const std::filesystem::path& path, std::vector<std::uint8_t>* bytes = nullptr);

// A photo's name: ending in ".jpg" or ".jpeg" in any case, with something
// before the ending (".jpg" alone names a hidden file, not a photo). No limit
// on the length: any name the file system holds is a photo's name.
bool IsPhotoName(const std::string& name);

// The entries of one folder that a load takes, each list in name order: by the
// lower-cased name (the name the file list shows and output files take), names
// that lower alike by their bytes ("100CAM" before "101CAM", "b.jpg" before
// "C.JPG"), so that every load of a tree takes its photos in one order.
struct PhotoFolderListing {
    // Entries named like photos that are no folder: links and pipes among them,
    // which CheckPhotoFile then refuses with a reason.
    std::vector<std::filesystem::path> photos;
    // Folders; folders reached through links are left out: a link can lead out
    // of the chosen tree ("up -> ../..") or back into it (its photos twice).
    std::vector<std::filesystem::path> subfolders;
    // Set when the folder could not be listed, or not to its end (no permission,
    // a path longer than the system takes); the lists hold what was listed.
    std::error_code error;
};
PhotoFolderListing ListPhotoFolder(const std::filesystem::path& folder);

} // namespace snapwane
