// TextFormat: how sizes, byte counts and times read in the program's texts.
//   FormatByteCount(1234567)        -> "1 234 567" (groups of three, spaces)
//   FormatLocalTime(t)              -> "2026.12.07  08:56" (local time, two spaces)
//   FormatDimensions(640, 480)      -> "640 x 480"
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

} // namespace snapwane
