// SPDX-License-Identifier: MIT
#include "core/PackerCommand.h"
#include "support/SplitCommandLine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using snapwane::PackerCommand;
using snapwane::PackerRequest;
using snapwane::test::SplitCommandLine;

namespace {

constexpr snapwane::Packer kRar = snapwane::Packer::WindowsArchiver;
constexpr snapwane::Packer kZip = snapwane::Packer::ZipPacker;

PackerRequest SingleFile(std::string folder, std::string name)
{
    PackerRequest request;
    request.outputFolder = std::move(folder);
    request.archiveName = std::move(name);
    request.makeSingleFile = true;
    return request;
}

PackerRequest ByEmail(std::string folder, std::string name, std::string address)
{
    PackerRequest request = SingleFile(std::move(folder), std::move(name));
    request.makeEmail = true;
    request.emailAddress = std::move(address);
    return request;
}

struct CommandCase {
    const char* name;
    PackerRequest request;
    snapwane::Packer packer;
    const char* commandLine;
};

void PrintTo(const CommandCase& row, std::ostream* out)
{
    *out << row.name;
}

class PackerCommandLines : public testing::TestWithParam<CommandCase> {};

TEST_P(PackerCommandLines, BuildsTheExactLine)
{
    const CommandCase& row = GetParam();
    const std::string program = row.packer == kRar ? "C:\\WINDOWS\\rar.exe" : "/opt/snapwane/snapwane-pack";
    const auto command = PackerCommand::Build(program, row.request, row.packer);
    ASSERT_TRUE(command.has_value());
    std::vector<std::string> received = {command->Program()};
    received.insert(received.end(), command->Arguments().begin(), command->Arguments().end());
    EXPECT_EQ(received, SplitCommandLine(row.commandLine));
}

INSTANTIATE_TEST_SUITE_P(
    BothForms, PackerCommandLines,
    testing::Values(
        CommandCase{"WindowsSingleFile", SingleFile("C:\\Photos\\20061205", "MyNewPhotos"), kRar,
                    R"(C:\WINDOWS\rar.exe a -ep1 -sfx "C:\Photos\20061205\MyNewPhotos.exe" "C:\Photos\20061205")"},
        CommandCase{"WindowsEmail", ByEmail("C:\\Photos\\20061205", "MyNewPhotos", "ann@example.org"), kRar,
                    R"(C:\WINDOWS\rar.exe a -ep1 -iemlann@example.org -sfx "C:\Photos\20061205\MyNewPhotos.exe" "C:\Photos\20061205")"},
        CommandCase{"SingleFile", SingleFile("/home/ann/Photos/20061205", "MyNewPhotos"), kZip,
                    R"(/opt/snapwane/snapwane-pack a -ep1 -sfx -- "/home/ann/Photos/20061205/MyNewPhotos.zip" "/home/ann/Photos/20061205")"},
        CommandCase{"ExtensionAppendedAgain", SingleFile("/out", "pics.zip"), kZip,
                    R"(/opt/snapwane/snapwane-pack a -ep1 -sfx -- "/out/pics.zip.zip" "/out")"},
        CommandCase{"RelativeFolderStartingWithDash", SingleFile("-out", "pics"), kZip,
                    R"(/opt/snapwane/snapwane-pack a -ep1 -sfx -- "-out/pics.zip" "-out")"},
        CommandCase{"FolderEndingWithSeparatorKeptAsStored", SingleFile("/out/", "pics"), kZip,
                    R"(/opt/snapwane/snapwane-pack a -ep1 -sfx -- "/out//pics.zip" "/out/")"},
        CommandCase{"SpacesInAddressRemoved", ByEmail("/my photos", "holiday pics", " ann @ example .org "), kZip,
                    R"(/opt/snapwane/snapwane-pack a -ep1 -iemlann@example.org -sfx -- "/my photos/holiday pics.zip" "/my photos")"},
        CommandCase{"AddressOfSpacesLeavesBareSwitch", ByEmail("/out", "pics", "   "), kZip,
                    R"(/opt/snapwane/snapwane-pack a -ep1 -ieml -sfx -- "/out/pics.zip" "/out")"},
        CommandCase{"EmailFlagWithoutAddressPacksOnly", ByEmail("/out", "pics", ""), kZip,
                    R"(/opt/snapwane/snapwane-pack a -ep1 -sfx -- "/out/pics.zip" "/out")"}),
    [](const testing::TestParamInfo<CommandCase>& info) { return std::string(info.param.name); });

TEST(PackerCommand, NothingToRunWithoutSingleFileOrName)
{
    PackerRequest notAsked = ByEmail("/out", "pics", "ann@example.org");
    notAsked.makeSingleFile = false;
    EXPECT_FALSE(PackerCommand::Build("pack", notAsked).has_value());
    EXPECT_FALSE(PackerCommand::Build("pack", SingleFile("/out", "")).has_value());
}

TEST(PackerCommand, QuoteInFolderNameStillReachesThePackerWhole)
{
    const auto command = PackerCommand::Build("pack", SingleFile("/out/say \"cheese\"", "pics"), kZip);
    ASSERT_TRUE(command.has_value());
    const std::vector<std::string> expected = {"a", "-ep1", "-sfx", "--", "/out/say \"cheese\"/pics.zip",
                                               "/out/say \"cheese\""};
    EXPECT_EQ(command->Arguments(), expected);
}

TEST(PackerCommand, ProgramLiesBesideTheProgram)
{
#ifndef _WIN32
    EXPECT_EQ(snapwane::PackerProgramPath("/usr/lib/snapwane"), "/usr/lib/snapwane/snapwane-pack");
    EXPECT_EQ(snapwane::PackerProgramPath("/"), "/snapwane-pack");
#endif
}

#ifndef _WIN32
// An installed tree: bin/ with the programs, libexec/snapwane/ with the packer.
TEST(PackerCommand, InstalledProgramFindsThePackerInLibexecUnlessOneLiesBeside)
{
    namespace fs = std::filesystem;
    const fs::path prefix = fs::temp_directory_path() / ("snapwane-prefix-" + std::to_string(::getpid()));
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "libexec/snapwane");
    std::ofstream(prefix / "libexec/snapwane/snapwane-pack") << "packer";
    EXPECT_EQ(snapwane::PackerProgramPath((prefix / "bin").string()),
              (prefix / "libexec/snapwane/snapwane-pack").string());

    std::ofstream(prefix / "bin/snapwane-pack") << "packer beside";
    EXPECT_EQ(snapwane::PackerProgramPath((prefix / "bin").string()), (prefix / "bin/snapwane-pack").string());
    fs::remove_all(prefix);
}
#endif

}  // namespace

namespace {

TEST(PackerCommand, OnlyPlainAddressesReachTheMailProgram)
{
    for (const char* plain : {"ann@example.org", "first.last+photos@mail.example.co.uk", "j\xc3\xb6rg@b\xc3\xa4r.de"})
        EXPECT_TRUE(snapwane::IsPlainEmailAddress(plain)) << plain;
    for (const char* refused : {"mailto:friend@x?attach=/etc/shadow", "a@x.org,b@y.org", "a@x.org&cc=b@y.org",
                                "ann @example.org", "ann@example.org\nBcc: eve@x.org", "--attach=/etc/passwd@x",
                                "ann", "@example.org", "ann@", "a@b@c", "ann%3f@x.org", "<ann@x.org>", "ann@x..org"})
        EXPECT_FALSE(snapwane::IsPlainEmailAddress(refused)) << refused;
}

TEST(PackerCommand, ArchiveNamesTheFileSystemRefusesAreNamed)
{
    using snapwane::ArchiveNameFault;
    EXPECT_EQ(ArchiveNameFault("Trip 12-2024"), "");
    EXPECT_EQ(ArchiveNameFault("Trip 12/2024", snapwane::Packer::ZipPacker), "a file name cannot hold \"/\"");
    EXPECT_EQ(ArchiveNameFault("Trip 12:2024", snapwane::Packer::WindowsArchiver), "a file name cannot hold \":\"");
    EXPECT_NE(ArchiveNameFault(".."), "");
    EXPECT_NE(ArchiveNameFault("line\nbreak"), "");
    EXPECT_EQ(ArchiveNameFault(std::string(251, 'x'), snapwane::Packer::ZipPacker), "");
    EXPECT_NE(ArchiveNameFault(std::string(252, 'x'), snapwane::Packer::ZipPacker), "");
}

TEST(PackerCommand, NamesReachThePackerWholeOnItsInput)
{
    PackerRequest request;
    request.outputFolder = "/out";
    request.archiveName = "pics";
    request.makeSingleFile = true;
    request.fileNames = {"b.jpg", "two\nlines.jpg"};
    const auto command = PackerCommand::Build("snapwane-pack", request, snapwane::Packer::ZipPacker);
    ASSERT_TRUE(command);
    EXPECT_EQ(command->Input(), std::string("b.jpg\0two\nlines.jpg\0", 20));
}

}  // namespace
