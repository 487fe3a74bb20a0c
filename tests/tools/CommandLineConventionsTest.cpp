// SPDX-License-Identifier: MIT
// Every tool keeps the same command-line conventions: -h/--help and -V/--version
// anywhere on the line end it with status 0, an unknown option is refused with 2.
#include "ToolTestSupport.h"

#include "core/Version.h"

#include <gtest/gtest.h>

namespace {

using namespace tooltest;

class ToolConventions : public testing::TestWithParam<const char*> {
protected:
    ToolRun Run(std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.begin(), BuiltTool(GetParam()).string());
        return RunProgram(arguments);
    }
};

TEST_P(ToolConventions, HelpAndVersionAnywhere_UnknownOptionRefused)
{
    for (const char* help : {"-h", "--help"}) {
        const ToolRun run = Run({"x.jpg", help});
        EXPECT_EQ(run.exitCode, 0) << help;
        EXPECT_EQ(run.output.rfind(std::string("Usage: ") + GetParam(), 0), 0u) << run.output;
        EXPECT_NE(run.output.find("Exit status:"), std::string::npos) << run.output;
    }
    for (const char* version : {"-V", "--version"}) {
        const ToolRun run = Run({version});
        EXPECT_EQ(run.exitCode, 0) << version;
        EXPECT_EQ(run.output, std::string(GetParam()) + " " + snapwane::kVersion + "\n");
    }
    const ToolRun unknown = Run({"--no-such-option", "x.jpg"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.output.find(std::string(GetParam()) + ": unknown option --no-such-option\nTry '" + GetParam()
                                  + " --help'"),
              std::string::npos)
        << unknown.output;
}

INSTANTIATE_TEST_SUITE_P(Tools, ToolConventions,
                         testing::Values("snapwane-reduce", "snapwane-pack", "snapwane-thumbnails"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             std::erase(name, '-');
                             return name;
                         });

}  // namespace
