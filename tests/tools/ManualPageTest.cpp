// SPDX-License-Identifier: MIT
// The manual page of snapwane-reduce says what its --help says: the same options.
#include "ToolTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace {

using namespace tooltest;

// Every option name (-s, --size) in the text, groff's "\-" read as "-".
std::set<std::string> OptionsIn(std::string text)
{
    for (std::size_t at = 0; (at = text.find("\\-", at)) != std::string::npos;)
        text.replace(at, 2, "-");
    for (const char* font : {"\\fB", "\\fR", "\\fI"}) {
        for (std::size_t at = 0; (at = text.find(font, at)) != std::string::npos;)
            text.replace(at, 3, " ");
    }
    std::set<std::string> options;
    const std::regex option(R"((^|[\s,(\[])(--?[a-z][a-z-]*))");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option); it != std::sregex_iterator(); ++it)
        options.insert((*it)[2]);
    return options;
}

TEST(ManualPage, SnapwaneReduce_NamesTheOptionsThatHelpNames)
{
    const ToolRun help = RunProgram({BuiltTool("snapwane-reduce").string(), "--help"});
    ASSERT_EQ(help.exitCode, 0);
    std::ifstream page(SNAPWANE_SOURCE_DIR "/docs/man/snapwane-reduce.1");
    ASSERT_TRUE(page) << "no manual page";
    std::stringstream text;
    text << page.rdbuf();

    EXPECT_EQ(OptionsIn(text.str()), OptionsIn(help.output));
    EXPECT_EQ(OptionsIn(help.output).count("--size"), 1u);
}

}  // namespace
