// SPDX-License-Identifier: MIT
#include "core/TextFormat.h"
#include "core/UserText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace snapwane {
namespace {

TEST(FormatByteCount, GroupsOfThreeWithSpaces)
{
    struct Row { std::uintmax_t bytes; const char* text; };
    for (const Row& row : {Row{0, "0"}, Row{999, "999"}, Row{1000, "1 000"}, Row{1234, "1 234"}, Row{65536, "65 536"},
                           Row{999999, "999 999"}, Row{1000000, "1 000 000"}, Row{4999999, "4 999 999"}})
        EXPECT_EQ(FormatByteCount(row.bytes), row.text);
}

TEST(FormatLocalTime, YearMonthDayTwoSpacesHoursMinutes)
{
    const char* saved = std::getenv("TZ");
    const std::string previous = saved ? saved : "";
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(FormatLocalTime(1796633760), "2026.12.07  08:56");
    EXPECT_EQ(FormatLocalTime(0), "1970.01.01  00:00");
    if (saved)
        setenv("TZ", previous.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

TEST(DescribeReplacedFiles, OneOrManyFilesAndOriginals)
{
    EXPECT_EQ(DescribeReplacedFiles(1, 0, "/p"), "1 file in /p would be replaced");
    EXPECT_EQ(DescribeReplacedFiles(1, 1, "/p"), "1 file in /p would be replaced (the original of one of your photos)");
    EXPECT_EQ(DescribeReplacedFiles(4, 0, "/p"), "4 files in /p would be replaced");
    EXPECT_EQ(DescribeReplacedFiles(4, 1, "/p"),
              "4 files in /p would be replaced (1 of them the original of one of your photos)");
    EXPECT_EQ(DescribeReplacedFiles(4, 2, "/p"),
              "4 files in /p would be replaced (2 of them originals of your photos)");
}

// The engine's texts reach the tools in English; the numbered places take their
// arguments once, in any order, and what is no place stays as written.
TEST(UserText, EnglishPutsEachArgumentInItsPlace)
{
    struct Row { const char* source; std::vector<std::string> arguments; const char* english; };
    const Row rows[] = {
        {"read error", {}, "read error"},
        {"smaller than %1 x %2", {"320", "240"}, "smaller than 320 x 240"},
        {"%2 before %1", {"one", "two"}, "two before one"},
        {"100% of %1", {"a%2b"}, "100% of a%2b"}, // a lone '%' and an argument's own "%2" stay
        {"%1 and %3", {"a"}, "a and %3"},         // a place with no argument stays
    };
    for (const Row& row : rows)
        EXPECT_EQ((UserText{row.source, row.arguments}.English()), row.english) << row.source;
}

} // namespace
} // namespace snapwane
