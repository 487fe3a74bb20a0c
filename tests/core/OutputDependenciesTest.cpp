// SPDX-License-Identifier: MIT
// Where each photo of a run goes.
#include "core/OutputDependencies.h"

#include "core/TestSupport.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace snapwane {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

// One run's list: the photos' files (made under a temporary folder), what each
// would be called by its name alone, and the names the run must use.
struct PlanCase {
    const char* name;
    std::vector<std::string> files;   // created; "link -> target" makes a symbolic link
    std::vector<std::string> sources; // relative to the folder
    std::vector<std::string> wanted;
    std::vector<std::string> expected;
    std::size_t sourcesReplaced;
    std::vector<std::string> replaced = {}; // existing files written over
    std::vector<int> rotations = {};        // the user's turn of each photo; empty: none
    std::string archive = {};               // written after the photos; empty: none
};

void PrintTo(const PlanCase& row, std::ostream* out)
{
    *out << row.name;
}

const PlanCase kPlanCases[] = {
    {"NamesDifferingInCaseIntoTheirOwnFolder", {"Beach.JPG", "beach.jpg"}, {"Beach.JPG", "beach.jpg"},
     {"beach.jpg", "beach.jpg"}, {"beach (2).jpg", "beach.jpg"}, 1, {"beach.jpg"}},
    {"CameraCardFoldersWithOneName", {"DCIM/100CAM/IMG_0001.JPG", "DCIM/101CAM/IMG_0001.JPG"},
     {"DCIM/100CAM/IMG_0001.JPG", "DCIM/101CAM/IMG_0001.JPG"}, {"out/img_0001.jpg", "out/img_0001.jpg"},
     {"out/img_0001.jpg", "out/img_0001 (2).jpg"}, 0},
    {"NumberedNameTakenByAnotherPhoto", {"a/x.jpg", "b/x.jpg", "x (2).jpg"}, {"a/x.jpg", "b/x.jpg", "x (2).jpg"},
     {"x.jpg", "x.jpg", "x (2).jpg"}, {"x.jpg", "x (3).jpg", "x (2).jpg"}, 1, {"x (2).jpg"}},
    {"OwnSourceReplacedWithinItsFolder", {"a.jpg", "b.jpg"}, {"a.jpg", "b.jpg"}, {"a.jpg", "b.jpg"},
     {"a.jpg", "b.jpg"}, 2, {"a.jpg", "b.jpg"}},
    {"SourceReachedThroughALink", {"in/a.jpg", "out/a.jpg -> ../in/a.jpg", "in2/a.jpg"}, {"in/a.jpg", "in2/a.jpg"},
     {"in/a.jpg", "out/a.jpg"}, {"in/a.jpg", "out/a (2).jpg"}, 1, {"in/a.jpg"}},
    {"OneFileListedTwice_WrittenOnce", {"a.jpg"}, {"a.jpg", "a.jpg"}, {"a.jpg", "a.jpg"}, {"a.jpg", "a.jpg"}, 1,
     {"a.jpg"}},
    {"OneFileUnderTwoNames_WrittenOnce", {"in/a.jpg", "in2/b.jpg -> ../in/a.jpg"}, {"in/a.jpg", "in2/b.jpg"},
     {"out/a.jpg", "out/b.jpg"}, {"out/a.jpg", "out/a.jpg"}, 0},
    {"OneFileTurnedDifferently_TwoPhotos", {"in/a.jpg"}, {"in/a.jpg", "in/a.jpg", "in/a.jpg"},
     {"out/a.jpg", "out/a.jpg", "out/a.jpg"}, {"out/a.jpg", "out/a (2).jpg", "out/a.jpg"}, 0, {}, {0, 90, 0}},
    {"UnlistedFilesInTheOutputFolder_Listed", {"in/a.jpg", "out/a.jpg", "out/Trip.zip"}, {"in/a.jpg"},
     {"out/a.jpg"}, {"out/a.jpg"}, 0, {"out/a.jpg", "out/Trip.zip"}, {}, "out/Trip.zip"},
};

class PlanOutputsTest : public testing::TestWithParam<PlanCase> {};

TEST_P(PlanOutputsTest, NoPhotoIsLostToAnotherPhotosOutput)
{
    const PlanCase& run = GetParam();
    TempFolder folder;
    for (const std::string& file : run.files) {
        const std::size_t arrow = file.find(" -> ");
        const fs::path path = folder / file.substr(0, arrow);
        fs::create_directories(path.parent_path());
        if (arrow == std::string::npos)
            test::WriteBytes(path, {0xFF, 0xD8, std::uint8_t(file.size())});
        else
            fs::create_symlink(file.substr(arrow + 4), path);
    }
    std::vector<fs::path> sources, wanted, alsoWritten;
    for (const std::string& source : run.sources)
        sources.push_back(folder / source);
    for (const std::string& name : run.wanted)
        wanted.push_back(folder / name);
    std::vector<Corrections> corrections;
    for (int rotation : run.rotations)
        corrections.push_back({0, 0, false, rotation});
    if (!run.archive.empty())
        alsoWritten.push_back(folder / run.archive);

    const OutputPlan plan = PlanOutputs(sources, wanted, corrections, alsoWritten);

    const auto relative = [&](const std::vector<fs::path>& paths) {
        std::vector<std::string> names;
        for (const fs::path& path : paths)
            names.push_back(path.lexically_relative(folder.path()).string());
        return names;
    };
    const std::vector<std::string> names = relative(plan.outputs);
    EXPECT_EQ(names, run.expected);
    EXPECT_EQ(plan.sourcesReplaced, run.sourcesReplaced);
    EXPECT_EQ(relative(plan.replaced), run.replaced);
    // The invariant itself, whatever the names: no two photos that write share an
    // output, and none replaces a listed source other than its own.
    std::set<fs::path> outputs;
    for (std::size_t i = 0; i < plan.outputs.size(); ++i) {
        if (plan.sameAs[i] >= 0)
            continue;
        EXPECT_TRUE(outputs.insert(fs::weakly_canonical(plan.outputs[i])).second) << names[i];
        for (std::size_t j = 0; j < sources.size(); ++j) {
            std::error_code error;
            if (!fs::equivalent(sources[i], sources[j], error)) {
                EXPECT_FALSE(fs::equivalent(plan.outputs[i], sources[j], error)) << names[i] << " vs " << j;
            }
        }
    }
    // The same list gives the same names on the next run.
    EXPECT_EQ(PlanOutputs(sources, wanted, corrections, alsoWritten).outputs, plan.outputs);
}

INSTANTIATE_TEST_SUITE_P(Runs, PlanOutputsTest, testing::ValuesIn(kPlanCases),
                         [](const testing::TestParamInfo<PlanCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace snapwane
