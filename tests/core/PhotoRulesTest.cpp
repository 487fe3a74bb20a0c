#include "TestSupport.h"

#include "core/PhotoRules.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace snapwane {
namespace {
using namespace snapwane::test;
namespace fs = std::filesystem;

// A real JPEG padded with bytes after its end marker up to `size` bytes.
std::vector<std::uint8_t> PaddedJpeg(std::size_t size)
{
    std::vector<std::uint8_t> bytes = MakeJpeg(640, 480);
    bytes.resize(size, 0);
    return bytes;
}

struct FileRow {
    const char* name;
    std::vector<std::uint8_t> bytes;
    PhotoCheck check;
};

TEST(CheckPhotoFile, RefusesWhatTheProgramDoesNotLoad)
{
    const std::vector<FileRow> rows = {
        {"Photo", MakeJpeg(640, 480), PhotoCheck::Accepted},
        {"JustUnderTheSizeLimit", PaddedJpeg(kLargestPhotoFileBytes - 1), PhotoCheck::Accepted},
        {"AtTheSizeLimit", PaddedJpeg(kLargestPhotoFileBytes), PhotoCheck::TooLarge},
        {"Empty", {}, PhotoCheck::Empty},
        {"NotJpeg", {'G', 'I', 'F', '8', '9', 'a'}, PhotoCheck::NotJpeg},
        {"Under320x240", MakeJpeg(319, 240), PhotoCheck::TooSmall},
    };
    TempFolder folder;
    for (const FileRow& row : rows) {
        const fs::path path = folder / (std::string(row.name) + ".jpg");
        WriteBytes(path, row.bytes);
        std::vector<std::uint8_t> bytes;
        const PhotoFileCheck result = CheckPhotoFile(path, &bytes);
        EXPECT_EQ(result.check, row.check) << row.name;
        EXPECT_EQ(result.fileBytes, row.bytes.size()) << row.name;
        if (row.check == PhotoCheck::Accepted) {
            EXPECT_EQ(result.width, 640) << row.name;
            EXPECT_EQ(bytes, row.bytes) << row.name;
        }
    }
}

TEST(CheckPhotoFile, MissingFileFolderOrPipe_CannotOpen)
{
    TempFolder folder;
    EXPECT_EQ(CheckPhotoFile(folder / "nothing.jpg").check, PhotoCheck::CannotOpen);
    EXPECT_EQ(CheckPhotoFile(folder.path()).check, PhotoCheck::CannotOpen);
    // A pipe named like a photo is refused at once, not waited on for a writer.
    ASSERT_EQ(mkfifo((folder / "pipe.jpg").c_str(), 0600), 0);
    EXPECT_EQ(CheckPhotoFile(folder / "pipe.jpg").check, PhotoCheck::CannotOpen);
}

TEST(DescribePhotoCheck, ReasonsNameTheRule)
{
    EXPECT_EQ(DescribePhotoCheck(PhotoCheck::TooLarge), "file of 5 000 000 bytes or more");
    EXPECT_EQ(DescribePhotoCheck(PhotoCheck::TooSmall), "smaller than 320 x 240");
    EXPECT_EQ(DescribePhotoCheck(PhotoCheck::NotJpeg), "not a JPEG photo");
}

} // namespace
} // namespace snapwane
