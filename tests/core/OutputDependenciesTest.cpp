// Which photo must be written before another can be read.
#include "core/OutputDependencies.h"

#include <gtest/gtest.h>

#include <vector>

namespace snapwane {
namespace {

namespace fs = std::filesystem;

TEST(EarlierOutputWaits, IndependentPhotos_WaitForNothing)
{
    const std::vector<fs::path> sources = {"/in/a.jpg", "/in/b.jpg"};
    const std::vector<fs::path> outputs = {"/out/a.jpg", "/out/b.jpg"};
    EXPECT_EQ(EarlierOutputWaits(sources, outputs), (std::vector<std::ptrdiff_t>{-1, -1}));
}

TEST(EarlierOutputWaits, SourceWrittenEarlier_WaitsForTheLatestWriterHoweverSpelled)
{
    // Photo 0 and photo 1 both write /out/a.jpg; photo 2 reads it through "..".
    const std::vector<fs::path> sources = {"/in/A.jpg", "/in2/a.jpg", "/out/sub/../a.jpg", "/out/a.jpg"};
    const std::vector<fs::path> outputs = {"/out/a.jpg", "/out/a.jpg", "/out/c.jpg", "/out/a.jpg"};
    EXPECT_EQ(EarlierOutputWaits(sources, outputs), (std::vector<std::ptrdiff_t>{-1, -1, 1, 1}));
}

TEST(EarlierOutputWaits, PhotoReplacingItsOwnSource_WaitsForNothing)
{
    // Reducing into the source folder: each photo reads before it writes itself.
    const std::vector<fs::path> sources = {"/p/a.jpg", "/p/b.jpg"};
    EXPECT_EQ(EarlierOutputWaits(sources, sources), (std::vector<std::ptrdiff_t>{-1, -1}));
}

} // namespace
} // namespace snapwane
