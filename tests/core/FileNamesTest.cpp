// SPDX-License-Identifier: MIT
// File names as the program and the batch reducer lower and print them.
#include "core/FileNames.h"

#include <gtest/gtest.h>

namespace snapwane {
namespace {

TEST(FileNames, LowerCasedName_OneLetterForEachLetterAndOtherBytesKept)
{
    const struct {
        const char* what;
        std::string name;
        std::string lowered;
    } rows[] = {
        {"ASCII", "IMG_0001.JPG", "img_0001.jpg"},
        {"dotted capital I", "\xC4\xB0STANBUL.JPG", "istanbul.jpg"},
        {"accented and Greek", "\xC3\x89T\xC3\x89 \xCE\xA3.JPEG", "\xC3\xA9t\xC3\xA9 \xCF\x83.jpeg"},
        {"not UTF-8", "CAF\xC9.JPG", "caf\xC9.jpg"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(LowerCasedName(row.name), row.lowered) << row.what;
}

TEST(FileNames, IsValidUtf8_RefusesStrayOverlongAndSurrogateBytes)
{
    EXPECT_TRUE(IsValidUtf8("\xC3\xA9t\xC3\xA9 \xF0\x9F\x93\xB7.jpg"));
    for (const std::string bad : {"caf\xE9.jpg", "\xC0\xAF.jpg", "\xED\xA0\x80.jpg", "cut\xE2\x82"})
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
}

TEST(FileNames, PrintableName_WritesOutWhatATerminalWouldActOn)
{
    const struct {
        const char* what;
        std::string name;
        std::string printed;
    } rows[] = {
        {"escape sequences", "x\x1B[2J\x1B[31mEVIL.jpg", "x\\e[2J\\e[31mEVIL.jpg"},
        {"tab, line feed, bell, delete", "a\tb\nc\x07\x7F.jpg", "a\\tb\\nc\\x07\\x7f.jpg"},
        {"C1 control", "a\xC2\x9B" "2J.jpg", "a\\u009b2J.jpg"},
        {"not UTF-8", "caf\xE9.jpg", "caf\\xe9.jpg"},
        {"backslash", "a\\e.jpg", "a\\\\e.jpg"},
        {"printable UTF-8 stays", "\xC3\xA9t\xC3\xA9 'q' \"d\".jpg", "\xC3\xA9t\xC3\xA9 'q' \"d\".jpg"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PrintableName(row.name), row.printed) << row.what;
}

} // namespace
} // namespace snapwane
