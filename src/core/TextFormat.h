// SPDX-License-Identifier: MIT
// TextFormat: how sizes, byte counts and times read in the program's texts.
//   FormatByteCount(1234567)        -> "1 234 567" (groups of three, spaces)
//   FormatLocalTime(t)              -> "2026.12.07  08:56" (local time, two spaces)
//   FormatDimensions(640, 480)      -> "640 x 480"
//   DescribeReplacedFiles(3, 2, "/p") -> "3 files in /p would be replaced (2 of them originals of your photos)"
// Qt-free; FormatLocalTime is thread-safe (localtime_r).
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>

namespace snapwane {

std::string FormatByteCount(std::uintmax_t bytes);
std::string FormatLocalTime(std::time_t time);
std::string FormatFileTime(std::filesystem::file_time_type time); // as FormatLocalTime
std::string FormatDimensions(int width, int height);              // "%u x %u"
// How many existing files of `folder` a run would write over, `originals` of them
// the sources of its own photos; singular and plural as the counts ask, and
// nothing said of originals when there are none.
std::string DescribeReplacedFiles(std::size_t files, std::size_t originals, const std::string& folder);

} // namespace snapwane
