// SPDX-License-Identifier: MIT
#include "PhonePhotos.h"
#include "TestSupport.h"

#include "core/JpegCodec.h"
#include "core/PixelOps.h"
#include "core/ReducePhoto.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace snapwane {
namespace {
using namespace snapwane::test;
namespace fs = std::filesystem;

struct ReduceRow {
    const char* name;
    int photoWidth, photoHeight, boxWidth, boxHeight;
    ReduceOutcome outcome;
    int width, height;
    int channels = 3; // of the photo
};

void PrintTo(const ReduceRow& row, std::ostream* out) { *out << row.name; }

// Size of the photo stored in a file, from its header.
std::pair<int, int> StoredSize(const fs::path& path)
{
    int width = 0, height = 0, channels = 0;
    JpegCodec::Decode(ReadBytes(path), JpegCodec::kHeaderOnly, width, height, channels);
    return {width, height};
}

class ReducePhotoSizes : public ::testing::TestWithParam<ReduceRow> {};

TEST_P(ReducePhotoSizes, WritesThePhotoAtTheFittedSize)
{
    const ReduceRow& row = GetParam();
    TempFolder folder;
    fs::create_directory(folder / "out");
    WriteBytes(folder / "photo.jpg", MakeJpeg(row.photoWidth, row.photoHeight, row.channels, 80));
    WriteBytes(folder / "out" / "photo.jpg", {1, 2, 3}); // an earlier output, replaced
    const ReduceResult result = ReducePhoto(folder / "photo.jpg", folder / "out" / "photo.jpg", row.boxWidth,
                                            row.boxHeight, 75, {});
    EXPECT_EQ(result.outcome, row.outcome) << result.reason;
    EXPECT_EQ(result.width, row.width);
    EXPECT_EQ(result.height, row.height);
    EXPECT_EQ(StoredSize(folder / "out" / "photo.jpg"), std::make_pair(row.width, row.height));
    if (row.outcome == ReduceOutcome::Copied) {
        EXPECT_EQ(ReadBytes(folder / "out" / "photo.jpg"), ReadBytes(folder / "photo.jpg"));
    } else {
        EXPECT_EQ(FrameHeader(ReadBytes(folder / "out" / "photo.jpg"))[5], 3) << "three components";
    }
    EXPECT_EQ(FolderEntries(folder / "out"), std::vector<std::string>{"photo.jpg"});
}

INSTANTIATE_TEST_SUITE_P(Examples, ReducePhotoSizes,
    ::testing::Values(
        ReduceRow{"OneHalvingEachWay", 1280, 960, 640, 480, ReduceOutcome::Reduced, 640, 480},
        ReduceRow{"WidthBinds_OddHeightRaised", 3008, 2000, 640, 480, ReduceOutcome::Reduced, 640, 426},
        ReduceRow{"WidthBinds_HalvingsEndOnOddHeight", 2560, 1710, 640, 480, ReduceOutcome::Reduced, 640, 427},
        ReduceRow{"Portrait_HeightBinds", 1200, 1600, 640, 480, ReduceOutcome::Reduced, 360, 480},
        ReduceRow{"Portrait_HalvedWidthEqualsRaisedTarget", 644, 961, 640, 480, ReduceOutcome::Reduced, 322, 480},
        ReduceRow{"SingleRatio_4999RaisedTo5000", 6000, 6000, 5000, 5000, ReduceOutcome::Reduced, 5000, 5000},
        ReduceRow{"LowerThanBox_Copied", 6000, 4000, 5000, 5000, ReduceOutcome::Copied, 6000, 4000},
        ReduceRow{"WiderOnly_Copied", 1000, 400, 640, 480, ReduceOutcome::Copied, 1000, 400},
        ReduceRow{"OddSourceWidth", 1001, 751, 640, 480, ReduceOutcome::Reduced, 640, 480},
        ReduceRow{"GreyPhoto_WritesAColourStream", 1280, 960, 640, 480, ReduceOutcome::Reduced, 640, 480, 1}),
    [](const auto& info) { return std::string(info.param.name); });

double MeanByte(const PixelBuffer& pixels)
{
    double sum = 0;
    for (std::size_t i = 0; i < pixels.size(); ++i)
        sum += pixels.data()[i];
    return sum / double(pixels.size());
}

// A photo not larger than the box is never enlarged. Untouched it goes out as its
// own file, orientation tag and all; the user's turn or correction is never
// dropped: such a photo is encoded at its own size with them.
struct NotLargerRow {
    const char* name;
    Corrections corrections;
    ReduceOutcome outcome;
    int width, height; // of the written photo
};

TEST(ReducePhoto, PhotoNotLargerThanTheBox_CopiedOnlyWhenUntouched)
{
    // A phone's portrait photo: 800 x 600 stored, tagged to be shown 600 x 800.
    const std::vector<std::uint8_t> phone = MakePhonePhoto(600, 800, 6);
    int w = 0, h = 0, ch = 0;
    const double storedMean = MeanByte(JpegCodec::Decode(phone, 1, w, h, ch));
    const NotLargerRow rows[] = {
        {"Untouched_TheFileItself", {}, ReduceOutcome::Copied, 800, 600},
        {"TurnedByTheUser", {0, 0, false, 90}, ReduceOutcome::Reduced, 800, 600},
        {"Brightened", {60, 0, false, 0}, ReduceOutcome::Reduced, 600, 800},
        {"Grey", {0, 0, true, 0}, ReduceOutcome::Reduced, 600, 800},
    };
    for (const NotLargerRow& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        WriteBytes(folder / "a.jpg", phone);
        const ReduceResult result = ReducePhoto(folder / "a.jpg", folder / "b.jpg", 1024, 768, 90, row.corrections);
        ASSERT_EQ(result.outcome, row.outcome) << result.reason;
        EXPECT_EQ(StoredSize(folder / "b.jpg"), std::make_pair(row.width, row.height));
        if (row.outcome == ReduceOutcome::Copied) {
            EXPECT_EQ(ReadBytes(folder / "b.jpg"), phone);
            continue;
        }
        PixelBuffer written = JpegCodec::Decode(ReadBytes(folder / "b.jpg"), 1, w, h, ch);
        ASSERT_TRUE(written);
        if (row.corrections.rotation == 90)
            ExpectUprightQuarters(Rotate(std::move(written), 270));
        else if (row.corrections.brightness > 0)
            EXPECT_GT(MeanByte(written), storedMean + 20); // the zero channels rise by 60
        else
            EXPECT_NEAR(written.row(0)[0], written.row(0)[2], 3) << "red turned grey";
    }
}

TEST(ReducePhoto, Corrections_AppliedBeforeFitting)
{
    TempFolder folder;
    WriteBytes(folder / "a.jpg", MakeJpeg(1600, 1200));
    Corrections corrections;
    corrections.rotation = 90;
    corrections.brightness = 255;
    const ReduceResult result = ReducePhoto(folder / "a.jpg", folder / "b.jpg", 640, 480, 90, corrections);
    ASSERT_EQ(result.outcome, ReduceOutcome::Reduced);
    EXPECT_EQ(StoredSize(folder / "b.jpg"), std::make_pair(360, 480));
    int w = 0, h = 0, ch = 0;
    const PixelBuffer pixels = JpegCodec::Decode(ReadBytes(folder / "b.jpg"), 8, w, h, ch);
    ASSERT_TRUE(pixels);
    EXPECT_GE(pixels.data()[0], 250);
}

TEST(ReducePhoto, SameFolder_ReplacesItsOwnSourceAndLeavesNothingElse)
{
    TempFolder folder;
    WriteBytes(folder / "big.jpg", MakeJpeg(1280, 960));
    WriteBytes(folder / "small.jpg", MakeJpeg(1000, 400));
    const auto small = ReadBytes(folder / "small.jpg");
    EXPECT_EQ(ReducePhoto(folder / "big.jpg", folder / "big.jpg", 640, 480, 75, {}).outcome, ReduceOutcome::Reduced);
    EXPECT_EQ(ReducePhoto(folder / "small.jpg", folder / "small.jpg", 640, 480, 75, {}).outcome, ReduceOutcome::Copied);
    EXPECT_EQ(StoredSize(folder / "big.jpg"), std::make_pair(640, 480));
    EXPECT_EQ(ReadBytes(folder / "small.jpg"), small);
    EXPECT_EQ(FolderEntries(folder.path()), (std::vector<std::string>{"big.jpg", "small.jpg"}));
}

struct UnwritableRow {
    const char* name;
    int photoWidth; // 1280: reduced, 1000 x 400: copied
    int photoHeight;
};

TEST(ReducePhoto, UnwritableOutput_WritesNothingAndKeepsTheOldFile)
{
    for (const UnwritableRow& row : {UnwritableRow{"Reduced", 1280, 960}, UnwritableRow{"Copied", 1000, 400}}) {
        TempFolder folder;
        WriteBytes(folder / "a.jpg", MakeJpeg(row.photoWidth, row.photoHeight));

        EXPECT_EQ(ReducePhoto(folder / "a.jpg", folder / "missing" / "a.jpg", 640, 480, 75, {}).outcome,
                  ReduceOutcome::CannotCreateOutput) << row.name;
        EXPECT_FALSE(fs::exists(folder / "missing")) << row.name;

        fs::create_directory(folder / "locked");
        fs::permissions(folder / "locked", fs::perms::owner_read | fs::perms::owner_exec);
        const ReduceResult locked = ReducePhoto(folder / "a.jpg", folder / "locked" / "a.jpg", 640, 480, 75, {});
        EXPECT_EQ(locked.outcome, ReduceOutcome::CannotCreateOutput) << row.name;
        EXPECT_TRUE(locked.outputFolderFailed) << row.name; // every photo would meet it
        EXPECT_EQ(locked.reason, "cannot create the output file: Permission denied") << row.name;
        EXPECT_TRUE(FolderEntries(folder / "locked").empty()) << row.name;

        fs::create_directory(folder / "out");
        const std::vector<std::uint8_t> old = {1, 2, 3};
        WriteBytes(folder / "out" / "a.jpg", old);
        fs::permissions(folder / "out" / "a.jpg", fs::perms::owner_read);
        const ReduceResult result = ReducePhoto(folder / "a.jpg", folder / "out" / "a.jpg", 640, 480, 75, {});
        EXPECT_EQ(result.outcome, ReduceOutcome::CannotCreateOutput) << row.name;
        EXPECT_TRUE(result.IsFileError()) << row.name;
        EXPECT_FALSE(result.outputFolderFailed) << row.name;
        EXPECT_EQ(ReadBytes(folder / "out" / "a.jpg"), old) << row.name;
        EXPECT_EQ(FolderEntries(folder / "out"), std::vector<std::string>{"a.jpg"}) << row.name;
    }
}

// A write error, of a reduced photo or of a copy, is reported with the system's reason.
TEST(ReducePhoto, WriteErrorOnFullDisk_ReportedWithItsReasonKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    for (const UnwritableRow& row : {UnwritableRow{"Reduced", 2560, 1920}, UnwritableRow{"Copied", 1000, 400}}) {
        TempFolder folder;
        WriteBytes(folder / "a.jpg", MakeJpeg(row.photoWidth, row.photoHeight, 3, 95));
        const std::vector<std::uint8_t> old = {9, 9, 9};
        WriteBytes(folder / "b.jpg", old);
        // A file size limit stands in for a full disk: writes beyond it fail.
        const ReduceResult result = WithFileSizeLimit(
            1000, [&] { return ReducePhoto(folder / "a.jpg", folder / "b.jpg", 1280, 960, 95, {}); });

        EXPECT_EQ(result.outcome, ReduceOutcome::WriteError) << row.name << ": " << result.reason;
        EXPECT_TRUE(result.IsFileError()) << row.name;
        EXPECT_EQ(result.systemError, EFBIG) << row.name;
        EXPECT_EQ(result.reason, "write error: File too large") << row.name;
        EXPECT_EQ(ReadBytes(folder / "b.jpg"), old) << row.name;
        EXPECT_EQ(FolderEntries(folder.path()), (std::vector<std::string>{"a.jpg", "b.jpg"})) << row.name;
    }
}

// What is copied is what was read and checked, whatever became of the source since.
TEST(ReducePhoto, SourceTruncatedAfterItsCheck_CopiedAsItWasRead)
{
    TempFolder folder;
    const std::vector<std::uint8_t> photo = MakeJpeg(1000, 400);
    WriteBytes(folder / "a.jpg", photo);
    const PreparedReduction prepared = PrepareReductionOfFile(folder / "a.jpg", 1280, 960, 75, {});
    ASSERT_EQ(prepared.outcome, ReduceOutcome::Copied);
    fs::resize_file(folder / "a.jpg", photo.size() / 2);
    EXPECT_EQ(CommitReduction(prepared, folder / "a.jpg", folder / "b.jpg").outcome, ReduceOutcome::Copied);
    EXPECT_EQ(ReadBytes(folder / "b.jpg"), photo);
}

TEST(ReducePhoto, PipeNamedLikeAPhoto_PassedOverWithoutWaitingForAWriter)
{
    TempFolder folder;
    ASSERT_EQ(mkfifo((folder / "pipe.jpg").c_str(), 0600), 0);
    const ReduceResult result = ReducePhoto(folder / "pipe.jpg", folder / "out.jpg", 640, 480, 75, {});
    EXPECT_EQ(result.outcome, ReduceOutcome::CannotOpenSource);
    EXPECT_FALSE(result.IsFileError());
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"pipe.jpg"});
}

TEST(ReducePhoto, OddNames_ReadAndWrittenAsGiven)
{
    TempFolder folder;
    const std::string odd = "\xC3\xA9t\xC3\xA9 'quoted' \"double\" & spaces.JPG"; // "été 'quoted' ..."
    fs::create_directory(folder / "out put");
    WriteBytes(folder / odd, MakeJpeg(1280, 960));
    WriteBytes(folder / "small one.jpg", MakeJpeg(1000, 400));
    EXPECT_EQ(ReducePhoto(folder / odd, folder / "out put" / odd, 640, 480, 75, {}).outcome, ReduceOutcome::Reduced);
    EXPECT_EQ(ReducePhoto(folder / "small one.jpg", folder / "out put" / "small one.jpg", 640, 480, 75, {}).outcome,
              ReduceOutcome::Copied);
    EXPECT_EQ(FolderEntries(folder / "out put"), (std::vector<std::string>{"small one.jpg", odd}));
}

struct PassedOverRow {
    const char* name;
    std::vector<std::uint8_t> source; // empty vector with `missing`: no file at all
    bool missing;
    int boxWidth, boxHeight;
    ReduceOutcome outcome;
};

TEST(ReducePhoto, PhotosPassedOver_WriteNothing)
{
    const std::vector<std::uint8_t> text = {'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'};
    const std::vector<PassedOverRow> rows = {
        {"MissingSource", {}, true, 640, 480, ReduceOutcome::CannotOpenSource},
        {"NotJpeg", text, false, 640, 480, ReduceOutcome::NotDecodable},
        {"EmptyFile", {}, false, 640, 480, ReduceOutcome::NotDecodable},
        {"FittedSideOfZero", MakeJpeg(12500, 240), false, 50, 50, ReduceOutcome::DoesNotFit},
        {"StreamLargerThanTinyResult", MakeJpeg(3000, 100), false, 50, 50, ReduceOutcome::EncodeFailed},
        {"NoBox", MakeJpeg(640, 480), false, 0, 480, ReduceOutcome::InvalidTarget},
    };
    for (const PassedOverRow& row : rows) {
        TempFolder folder;
        if (!row.missing)
            WriteBytes(folder / "a.jpg", row.source);
        const ReduceResult result = ReducePhoto(folder / "a.jpg", folder / "b.jpg", row.boxWidth, row.boxHeight, 75, {});
        EXPECT_EQ(result.outcome, row.outcome) << row.name << ": " << result.reason;
        EXPECT_FALSE(result.Succeeded()) << row.name;
        EXPECT_FALSE(result.IsFileError()) << row.name;
        EXPECT_FALSE(result.reason.empty()) << row.name;
        EXPECT_FALSE(fs::exists(folder / "b.jpg")) << row.name;
    }
}

} // namespace
} // namespace snapwane
