// SPDX-License-Identifier: MIT
// snapwane-thumbnails: the collection's thumbnails exactly as loading makes them.

#include "ToolTestSupport.h"

#include "core/Fitting.h"
#include "core/PixelBuffer.h"

#include <gtest/gtest.h>

namespace {

using namespace tooltest;
using snapwane::PixelBuffer;

std::string ThumbnailAsPortablePixmap(const std::string& jpeg)
{
    const auto photo = snapwane::LoadFittedPhoto(
        {reinterpret_cast<const std::uint8_t*>(jpeg.data()), jpeg.size()}, 0, 0, {});
    const PixelBuffer& pixels = photo.pixels;
    return "P6\n" + std::to_string(pixels.width()) + ' ' + std::to_string(pixels.height()) + "\n255\n"
        + std::string(reinterpret_cast<const char*>(pixels.data()), pixels.size());
}

TEST(SnapwaneThumbnails, AnyNumberOfJobs_GivesLoadingsThumbnailsAndCountsTheRefused)
{
    ScratchFolder scratch;
    const std::string wide = GradientJpeg(1603, 1201), tall = GradientJpeg(700, 1500);
    WriteFile(scratch / "in" / "wide.jpg", wide);
    WriteFile(scratch / "in" / "tall.jpg", tall);
    WriteFile(scratch / "in" / "small.jpg", GradientJpeg(300, 200));
    for (const char* jobs : {"1", "3"}) {
        SCOPED_TRACE(jobs);
        const fs::path out = scratch / (std::string("out") + jobs);
        fs::create_directories(out);
        const ToolRun run = RunProgram({BuiltTool("snapwane-thumbnails").string(), "-j", jobs, "-o", out.string(),
                                        (scratch / "in" / "wide.jpg").string(), (scratch / "in" / "small.jpg").string(),
                                        (scratch / "in" / "tall.jpg").string()});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.output, "2 loaded, 1 refused\n");
        EXPECT_EQ(FolderEntries(out), (std::vector<std::string>{"tall.ppm", "wide.ppm"}));
        EXPECT_EQ(ReadFile(out / "wide.ppm"), ThumbnailAsPortablePixmap(wide));
        EXPECT_EQ(ReadFile(out / "tall.ppm"), ThumbnailAsPortablePixmap(tall));
    }
    EXPECT_EQ(RunProgram({BuiltTool("snapwane-thumbnails").string(), "-j", "0", "x.jpg"}).exitCode, 2);
}

// Loading keeps the decodes in flight within the program's memory budget: a small
// progressive file declaring 10000 x 12000 (hundreds of megabytes of coefficients)
// is refused before it is decoded, also behind a large comment.
TEST(SnapwaneThumbnails, PhotoTooLargeToDecodeInTheMemoryAllowedIsRefused)
{
    ScratchFolder scratch;
    const std::string bomb = ProgressiveDeclaringHugeSize();
    ASSERT_FALSE(bomb.empty());
    WriteFile(scratch / "bomb.jpg", bomb);
    WriteFile(scratch / "commented.jpg", bomb.substr(0, 2) + "\xFF\xFE\xFF\xFF" + std::string(65533, 'c') + bomb.substr(2));
    WriteFile(scratch / "good.jpg", GradientJpeg(640, 480));
    const ToolRun run = RunProgram({BuiltTool("snapwane-thumbnails").string(), "-j", "2", (scratch / "bomb.jpg").string(),
                                    (scratch / "commented.jpg").string(), (scratch / "good.jpg").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "1 loaded, 2 refused\n");
}

// Thumbnails are written as the reducer writes: a link at the name is replaced,
// not followed, and a thumbnail that cannot be written is named with the reason
// and fails the run.
TEST(SnapwaneThumbnails, WritesReplaceLinksAndFailuresAreReported)
{
    ScratchFolder scratch;
    const std::string wide = GradientJpeg(1603, 1201);
    WriteFile(scratch / "in" / "wide.jpg", wide);
    WriteFile(scratch / "in" / "tall.jpg", GradientJpeg(700, 1500));
    WriteFile(scratch / "elsewhere.txt", "keep me");
    fs::create_directories(scratch / "out");
    fs::create_symlink(scratch / "elsewhere.txt", scratch / "out" / "wide.ppm");
    const std::string tool = BuiltTool("snapwane-thumbnails").string();
    const std::string photo = (scratch / "in" / "wide.jpg").string(), other = (scratch / "in" / "tall.jpg").string();

    const ToolRun linked = RunProgram({tool, "-o", (scratch / "out").string(), photo});
    EXPECT_EQ(linked.exitCode, 0) << linked.output;
    EXPECT_EQ(ReadFile(scratch / "elsewhere.txt"), "keep me");
    EXPECT_FALSE(fs::is_symlink(scratch / "out" / "wide.ppm"));
    EXPECT_EQ(ReadFile(scratch / "out" / "wide.ppm"), ThumbnailAsPortablePixmap(wide));

    const fs::path missing = scratch / "missing";
    const ToolRun unwritable = RunProgram({tool, "-o", missing.string(), photo, other});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_NE(unwritable.output.find("cannot write " + (missing / "wide.ppm").string() + ": No such file or directory"),
              std::string::npos)
        << unwritable.output;

    fs::create_directories(scratch / "full");
    const ToolRun full = RunOnSmallDisk(scratch / "full", 4096, {tool, "-o", (scratch / "full").string(), photo});
    if (full.exitCode == kNoSmallDisk)
        GTEST_SKIP() << "no small disk can be mounted here: " << full.output;
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_NE(full.output.find("No space left on device"), std::string::npos) << full.output;
}

}  // namespace
