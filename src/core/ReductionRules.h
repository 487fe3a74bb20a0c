// SPDX-License-Identifier: MIT
// ReductionRules: the limits, defaults and names of a reduction that the
// program's wizard and the batch reducer share, so both take the same boxes
// and qualities and write into the same places:
//   EvenSide(801)                              -> 800
//   DatedOutputFolder("/home/ann/Pictures", t) -> "/home/ann/Pictures/20261208"
//   OutputPathOf("/out", "IMG_0001.JPG")       -> "/out/img_0001.jpg"
// Qt-free, thread-safe, never throws (but for the allocations of a path).
#pragma once

#include <ctime>
#include <filesystem>
#include <string>

namespace snapwane {

// A box's sides and the JPEG quality the user may choose.
inline constexpr int kMinBoxSide = 50;
inline constexpr int kMaxBoxSide = 5000;
inline constexpr int kMinQuality = 10;
inline constexpr int kMaxQuality = 100;
inline constexpr int kDefaultQuality = 75;
// "No change" reduces into a box no camera photo exceeds both ways, so every
// photo is copied.
inline constexpr int kUnchangedBoxSide = 5000;

// The archive's name (without ".zip") when the user names none.
inline constexpr const char* kDefaultArchiveName = "MyNewPhotos";

inline bool IsBoxSideAllowed(int side)
{
    return side >= kMinBoxSide && side <= kMaxBoxSide;
}

inline bool IsQualityAllowed(int quality)
{
    return quality >= kMinQuality && quality <= kMaxQuality;
}

// A chosen side is lowered to an even number (801 -> 800): the halvings of the
// reduction then end on whole pixel pairs.
inline int EvenSide(int side)
{
    return side - side % 2;
}

// The local date of `when` as "%Y%m%d", the name of every dated output folder;
// empty when the date cannot be had.
std::string DateFolderName(std::time_t when);

// base / today's DateFolderName: where the photos go when the user names no
// folder. The base is the user's Pictures folder (each front end finds it).
std::filesystem::path DatedOutputFolder(const std::filesystem::path& base);

// The output of a photo named `sourceName`: folder / its lower-cased name
// (LowerCasedName), before any numbering of names that are taken.
std::filesystem::path OutputPathOf(const std::filesystem::path& folder, const std::string& sourceName);

// The folder of the running program (through /proc/self/exe; argv0 made
// absolute when that cannot be read), where it finds its packer.
std::filesystem::path ProgramFolder(const char* argv0);

} // namespace snapwane
