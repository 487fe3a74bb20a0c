// SPDX-License-Identifier: MIT
#include "core/TextFormat.h"

#include <chrono>
#include <cstdio>

namespace snapwane {

std::string FormatByteCount(std::uintmax_t bytes)
{
    std::string digits = std::to_string(bytes);
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ' ';
        grouped += digits[i];
    }
    return grouped;
}

std::string FormatLocalTime(std::time_t time)
{
    std::tm local{};
#ifdef _WIN32
    if (localtime_s(&local, &time) != 0)
        return {};
#else
    if (!localtime_r(&time, &local))
        return {};
#endif
    char text[64];
    const std::size_t length = std::strftime(text, sizeof text, "%Y.%m.%d  %H:%M", &local);
    return std::string(text, length);
}

std::string FormatFileTime(std::filesystem::file_time_type time)
{
    const auto system = std::chrono::file_clock::to_sys(time);
    return FormatLocalTime(std::chrono::system_clock::to_time_t(system));
}

std::string FormatDimensions(int width, int height)
{
    char text[32];
    std::snprintf(text, sizeof text, "%u x %u", static_cast<unsigned>(width), static_cast<unsigned>(height));
    return text;
}

std::string DescribeReplacedFiles(std::size_t files, std::size_t originals, const std::string& folder)
{
    std::string text = std::to_string(files) + (files == 1 ? " file in " : " files in ") + folder;
    text += " would be replaced";
    if (originals == 0)
        return text;
    if (files == 1)
        return text + " (the original of one of your photos)";
    if (originals == 1)
        return text + " (1 of them the original of one of your photos)";
    return text + " (" + std::to_string(originals) + " of them originals of your photos)";
}

} // namespace snapwane
