// SPDX-License-Identifier: MIT
// Numbers and times as the user's language writes them. In English (and the C
// locale) they keep the program's own fixed forms, which the guide shows:
// "3 106 968" bytes, "2026.12.07  08:56".
#pragma once

#include <QString>

#include <cstdint>
#include <filesystem>

class LocaleFormat {
public:
    static QString byteCount(std::uintmax_t bytes);
    static QString fileTime(std::filesystem::file_time_type time); // local time; empty when unknown
    static QString dimensions(int width, int height);               // "640 x 480"

private:
    static bool fixedForms();
};
