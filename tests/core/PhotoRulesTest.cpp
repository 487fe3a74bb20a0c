// SPDX-License-Identifier: MIT
#include "TestSupport.h"

#include "core/DecodeMemory.h"
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
        {"PhonePhotoOfSixMillionBytes", PaddedJpeg(6'000'000), PhotoCheck::Accepted},
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

// Only bytes that could never be held within the decode memory budget are
// refused unread (the file is sparse: it takes no room on the disk).
TEST(CheckPhotoFile, FileLargerThanTheMemoryBudget_TooLargeUnread)
{
    TempFolder folder;
    const fs::path path = folder / "huge.jpg";
    WriteBytes(path, MakeJpeg(640, 480));
    fs::resize_file(path, kDecodeMemoryBudget + 1);
    const PhotoFileCheck result = CheckPhotoFile(path);
    EXPECT_EQ(result.check, PhotoCheck::TooLarge);
    EXPECT_EQ(result.fileBytes, kDecodeMemoryBudget + 1);
}

TEST(DescribePhotoCheck, ReasonsNameTheRule)
{
    EXPECT_EQ(DescribePhotoCheck(PhotoCheck::TooLarge), "larger than the memory allowed");
    EXPECT_EQ(DescribePhotoCheck(PhotoCheck::TooSmall), "smaller than 320 x 240");
    EXPECT_EQ(DescribePhotoCheck(PhotoCheck::NotJpeg), "not a JPEG photo or damaged");
    EXPECT_EQ(DescribePhotoCheck(PhotoCheck::NotDecodable), "not a JPEG photo or damaged");
}

TEST(IsPhotoName, EndingInAnyCaseAfterAName_WhateverTheLength)
{
    struct Row { const char* name; std::string fileName; bool photo; };
    std::string longest(255, 'n'); // as long as a name may be
    longest.replace(251, 4, ".jpg");
    const Row rows[] = {
        {"UpperCaseJpg", "A.JPG", true},
        {"MixedCaseJpeg", "b.Jpeg", true},
        {"Shortest", "x.jpg", true},
        {"AsLongAsTheFileSystemAllows", longest, true},
        {"NotUtf8", "caf\xe9.jpg", true}, // taken, then refused by CheckPhotoFile with its reason
        {"Jpe", "c.jpe", false},
        {"JpgBeforeAnotherEnding", "d.jpg.txt", false},
        {"NothingButTheEnding", ".jpg", false},
        {"NothingButTheLongEnding", ".jpeg", false},
        {"NoDot", "photojpg", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(IsPhotoName(row.fileName), row.photo) << row.name;
}

// A camera's card: folders and photos in name order whatever order the file
// system keeps them in, and every entry named like a photo that is no folder
// (a pipe, a link to nothing) taken, for CheckPhotoFile to refuse with a reason.
TEST(ListPhotoFolder, PhotosAndSubfoldersByName_LinkedFoldersLeftOut)
{
    TempFolder folder;
    for (const char* name : {"101CAM", "100CAM", "b.JPEG.jpg", "album"})
        fs::create_directory(folder / name);
    for (const char* name : {"IMG_0003.JPG", "img_0001.jpg", "IMG_0002.jpeg", "notes.txt", ".jpg"})
        WriteBytes(folder / name, {1});
    ASSERT_EQ(mkfifo((folder / "pipe.jpg").c_str(), 0600), 0);
    fs::create_symlink("missing.jpg", folder / "gone.jpg");
    fs::create_directory_symlink("100CAM", folder / "linked");

    const PhotoFolderListing listing = ListPhotoFolder(folder.path());

    EXPECT_FALSE(listing.error);
    std::vector<std::string> photos, subfolders;
    for (const fs::path& path : listing.photos)
        photos.push_back(path.filename().string());
    for (const fs::path& path : listing.subfolders)
        subfolders.push_back(path.filename().string());
    EXPECT_EQ(photos, (std::vector<std::string>{"gone.jpg", "img_0001.jpg", "IMG_0002.jpeg", "IMG_0003.JPG", "pipe.jpg"}));
    EXPECT_EQ(subfolders, (std::vector<std::string>{"100CAM", "101CAM", "album", "b.JPEG.jpg"}));
}

TEST(ListPhotoFolder, FolderThatCannotBeListed_SaysWhy)
{
    TempFolder folder;
    EXPECT_TRUE(ListPhotoFolder(folder / "missing").error);
    // A path longer than the system takes: refused by its length, not waited on.
    fs::path deep = folder.path();
    while (deep.native().size() <= 5000)
        deep /= std::string(200, 'd');
    const PhotoFolderListing listing = ListPhotoFolder(deep);
    EXPECT_EQ(listing.error, std::errc::filename_too_long);
    EXPECT_TRUE(listing.photos.empty());
}

} // namespace
} // namespace snapwane
