// SPDX-License-Identifier: MIT
// snapwane-pack end to end: the archive it writes is a plain zip that opens in
// unzip and holds exactly the named files of the folder, byte for byte, in the
// order named, under their bare names; never another file of the folder, a
// link's target, itself, an earlier archive or a hidden file.

#include "ToolTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace {

using namespace tooltest;

// Names a shell or zip would misread, and contents that must survive unchanged.
const std::map<std::string, std::string> kPhotos = {
    {"a photo.jpg", std::string("\xff\xd8\xff\xe0 first", 11)},
    {"say \"cheese\".JPG", std::string(70000, '\x5a')},
    {"-starts-with-dash.jpg", "dash"},
    {"\xc3\xa9t\xc3\xa9 \xe2\x98\x80.jpeg", "summer"},
    {"star*[1].jpg", "wild"},
    {"empty.jpg", ""},
};

class SnapwanePack : public testing::Test {
protected:
    void SetUp() override
    {
        if (!ProgramAvailable("zip") || !ProgramAvailable("unzip"))
            GTEST_SKIP() << "zip or unzip is not installed";
        for (const auto& [name, bytes] : kPhotos)
            WriteFile(m_scratch / ("photos/" + name), bytes);
    }

    fs::path Photos() const { return m_scratch / "photos"; }

    static std::string NameList(const std::vector<std::string>& names)
    {
        std::string list;
        for (const std::string& name : names)
            list += name + '\0';
        return list;
    }

    static std::vector<std::string> PhotoNames()
    {
        std::vector<std::string> names;
        for (const auto& entry : kPhotos)
            names.push_back(entry.first);
        return names;
    }

    // Packs the named files (all of kPhotos unless named) of the folder.
    ToolRun Pack(const std::vector<std::string>& switches, const fs::path& archive, const fs::path& folder,
                 const std::vector<std::string>& names = PhotoNames())
    {
        std::vector<std::string> arguments = {BuiltTool("snapwane-pack").string(), "a"};
        arguments.insert(arguments.end(), switches.begin(), switches.end());
        arguments.insert(arguments.end(), {archive.string(), folder.string()});
        return RunProgram(arguments, {}, NameList(names));
    }

    // The archive's entry names in the order stored.
    static std::vector<std::string> EntryOrder(const fs::path& archive)
    {
        const ToolRun list = RunProgram({"unzip", "-Z1", archive.string()});
        std::vector<std::string> names;
        std::istringstream lines(list.output);
        for (std::string line; std::getline(lines, line);)
            names.push_back(line);
        return names;
    }

    // Extracts with `unzip` into a fresh folder and returns name -> bytes.
    std::map<std::string, std::string> Unzipped(const fs::path& archive)
    {
        const fs::path target = m_scratch / ("unzipped" + std::to_string(++m_extractions));
        fs::create_directories(target);
        const ToolRun unzip = RunProgram({"unzip", "-q", archive.string(), "-d", target.string()});
        EXPECT_EQ(unzip.exitCode, 0) << unzip.output;
        return Contents(target);
    }

    static std::map<std::string, std::string> Contents(const fs::path& folder)
    {
        std::map<std::string, std::string> contents;
        for (const std::string& name : FolderEntries(folder))
            contents[name] = ReadFile(folder / name);
        return contents;
    }

    ScratchFolder m_scratch;

private:
    int m_extractions = 0;
};

TEST_F(SnapwanePack, ArchiveInsideFolderHoldsEveryFileButItself)
{
    fs::create_directories(Photos() / "subfolder");
    WriteFile(Photos() / "subfolder" / "inner.jpg", "not packed");
    const fs::path archive = Photos() / "MyNewPhotos.zip";

    const ToolRun run = Pack({"-ep1", "-sfx"}, archive, Photos());

    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(Unzipped(archive), kPhotos);
    // A plain zip: no executable stub before it, nothing to run.
    EXPECT_EQ(ReadFile(archive).substr(0, 4), std::string("PK\x03\x04", 4));
    EXPECT_EQ(fs::status(archive).permissions() & fs::perms::owner_exec, fs::perms::none);
    // Nothing but the archive was added to the folder.
    std::vector<std::string> expected = {"MyNewPhotos.zip", "subfolder"};
    for (const auto& entry : kPhotos)
        expected.push_back(entry.first);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FolderEntries(Photos()), expected);
}

TEST_F(SnapwanePack, PacksOnlyTheNamedFilesInTheirOrderNeverALinksTarget)
{
    WriteFile(m_scratch / "secret" / "id_rsa", "private key");
    fs::create_symlink(m_scratch / "secret" / "id_rsa", Photos() / "link.jpg");
    WriteFile(Photos() / "notes.txt", "not a photo of this run");
    WriteFile(m_scratch / "outside.jpg", "beside the folder");
    fs::create_directories(Photos() / "subfolder");
    const std::vector<std::string> names = {"star*[1].jpg", "link.jpg", "a photo.jpg", "../outside.jpg", "missing.jpg",
                                            "subfolder", "-starts-with-dash.jpg", "a photo.jpg"};
    const fs::path archive = Photos() / "pics.zip";

    const ToolRun run = Pack({"-ep1", "-sfx"}, archive, Photos(), names);

    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(EntryOrder(archive), (std::vector<std::string>{"star*[1].jpg", "a photo.jpg", "-starts-with-dash.jpg"}));
    EXPECT_EQ(Unzipped(archive), (std::map<std::string, std::string>{{"star*[1].jpg", "wild"},
                                                                     {"a photo.jpg", kPhotos.at("a photo.jpg")},
                                                                     {"-starts-with-dash.jpg", "dash"}}));
}

TEST_F(SnapwanePack, EntryNamesHoldNoBackslashOrLineBreak)
{
    WriteFile(Photos() / "a\\..\\..\\evil.jpg", "evil");
    WriteFile(Photos() / "a_.._.._evil.jpg", "plain");
    WriteFile(Photos() / "two\nlines.jpg", "two");
    const fs::path archive = m_scratch / "pics.zip";

    const ToolRun run =
        Pack({"-ep1", "-sfx"}, archive, Photos(), {"a\\..\\..\\evil.jpg", "a_.._.._evil.jpg", "two\nlines.jpg"});

    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(EntryOrder(archive),
              (std::vector<std::string>{"a_.._.._evil.jpg", "a_.._.._evil (2).jpg", "two_lines.jpg"}));
    EXPECT_EQ(Unzipped(archive)["a_.._.._evil.jpg"], "evil");
}

// More paths than a command line can carry (4000 of over 600 bytes): they reach
// zip on its standard input.
TEST_F(SnapwanePack, PacksMoreNamesThanACommandLineHolds)
{
    const fs::path folder = m_scratch / std::string(200, 'f') / std::string(200, 'g');
    std::vector<std::string> names;
    for (int i = 0; i < 4000; ++i) {
        names.push_back(std::to_string(100000 + i) + std::string(230, 'n') + ".jpg");
        WriteFile(folder / names.back(), "");
    }
    const fs::path archive = folder / "many.zip";

    const ToolRun run = Pack({"-ep1", "-sfx"}, archive, folder, names);

    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(EntryOrder(archive), names);
}

// An archive packed again is replaced, not added to.
TEST_F(SnapwanePack, NeverPacksAnEarlierArchiveOrAHiddenFile_AndRepackingReplacesTheArchive)
{
    ASSERT_EQ(Pack({"-ep1", "-sfx"}, Photos() / "morning.zip", Photos()).exitCode, 0);
    WriteFile(Photos() / "noon.EXE", "MZ old self-extracting archive");
    WriteFile(Photos() / "renamed-archive.jpg", ReadFile(Photos() / "morning.zip"));
    WriteFile(Photos() / ".photo.jpg.tmp123", "left by a write that never finished");

    std::vector<std::string> names = PhotoNames();
    names.insert(names.end(), {"morning.zip", "noon.EXE", "renamed-archive.jpg", ".photo.jpg.tmp123", "evening.zip"});
    ASSERT_EQ(Pack({"-ep1", "-sfx", "--"}, Photos() / "evening.zip", Photos(), names).exitCode, 0);

    EXPECT_EQ(Unzipped(Photos() / "evening.zip"), kPhotos);

    fs::remove(Photos() / "a photo.jpg");
    const ToolRun run = Pack({"-sfx", "-ep1"}, Photos() / "evening.zip", Photos());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    std::map<std::string, std::string> expected = kPhotos;
    expected.erase("a photo.jpg");
    EXPECT_EQ(Unzipped(Photos() / "evening.zip"), expected);
}

TEST_F(SnapwanePack, FolderNamedLikeASwitchAfterTheEnd)
{
    const fs::path dashed = m_scratch / "-photos";
    fs::create_directories(dashed);
    WriteFile(dashed / "a.jpg", "photo");

    const ToolRun run = RunProgram({BuiltTool("snapwane-pack").string(), "a", "-ep1", "-sfx", "--", "-photos/pics.zip",
                                    "-photos"},
                                   m_scratch.Path(), NameList({"a.jpg"}));

    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(Unzipped(dashed / "pics.zip"), (std::map<std::string, std::string>{{"a.jpg", "photo"}}));
}

struct RefusalCase {
    const char* name;
    std::vector<std::string> arguments;  // after the program; PHOTOS and SCRATCH are replaced
    int exitCode;
};

void PrintTo(const RefusalCase& row, std::ostream* out)
{
    *out << row.name;
}

class SnapwanePackRefusals : public SnapwanePack, public testing::WithParamInterface<RefusalCase> {};

TEST_P(SnapwanePackRefusals, FailWithAReasonAndWriteNothing)
{
    fs::create_directories(m_scratch / "empty");
    WriteFile(m_scratch / "plain-file", "");
    std::vector<std::string> arguments = {BuiltTool("snapwane-pack").string()};
    for (std::string argument : GetParam().arguments) {
        for (const auto& [token, path] : {std::pair{"PHOTOS", Photos()}, std::pair{"SCRATCH", m_scratch.Path()}}) {
            if (argument.rfind(token, 0) == 0)
                argument = path.string() + argument.substr(std::string(token).size());
        }
        arguments.push_back(argument);
    }
    const auto before = FolderEntries(m_scratch.Path());
    const auto photosBefore = FolderEntries(Photos());

    const ToolRun run = RunProgram(arguments, {}, NameList(PhotoNames()));

    EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.output;
    EXPECT_NE(run.output, "");
    EXPECT_EQ(FolderEntries(m_scratch.Path()), before);
    EXPECT_EQ(FolderEntries(Photos()), photosBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Unusable, SnapwanePackRefusals,
    testing::Values(
        RefusalCase{"MissingFolder", {"a", "-ep1", "-sfx", "SCRATCH/x.zip", "SCRATCH/missing"}, 1},
        RefusalCase{"FolderWithoutTheNamedFiles", {"a", "-ep1", "-sfx", "SCRATCH/empty/x.zip", "SCRATCH/empty"}, 1},
        // Folders that cannot take the archive (a read-only one would not stop root).
        RefusalCase{"ArchiveFolderIsAFile", {"a", "-ep1", "-sfx", "SCRATCH/plain-file/x.zip", "PHOTOS"}, 1},
        RefusalCase{"ArchiveFolderMissing", {"a", "-ep1", "-sfx", "SCRATCH/nowhere/x.zip", "PHOTOS"}, 1},
        RefusalCase{"ArchiveIsAFolder", {"a", "-ep1", "-sfx", "SCRATCH/empty", "PHOTOS"}, 1},
        RefusalCase{"NoCommand", {"-ep1", "-sfx", "SCRATCH/x.zip", "PHOTOS"}, 2},
        RefusalCase{"NotSelfExtracting", {"a", "-ep1", "SCRATCH/x.zip", "PHOTOS"}, 2},
        RefusalCase{"UnknownSwitch", {"a", "-ep1", "-sfx", "-r", "SCRATCH/x.zip", "PHOTOS"}, 2},
        RefusalCase{"FolderMissingFromLine", {"a", "-ep1", "-sfx", "SCRATCH/x.zip"}, 2},
        // Anything but local@domain could carry more recipients or headers, an attachment among them.
        RefusalCase{"AddressWithHeaders", {"a", "-ep1", "-iemlfriend@x?attach=/etc/shadow", "-sfx", "SCRATCH/x.zip", "PHOTOS"}, 2},
        RefusalCase{"AddressLikeAnOption", {"a", "-ep1", "-ieml--attach=/etc/passwd", "-sfx", "SCRATCH/x.zip", "PHOTOS"}, 2},
        RefusalCase{"TwoAddresses", {"a", "-ep1", "-iemla@x.org,b@y.org", "-sfx", "SCRATCH/x.zip", "PHOTOS"}, 2}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

// The composer opens with the archive attached, addressed when an address is
// given; an archive whose composer cannot be opened is kept all the same.
TEST_F(SnapwanePack, MailOpensTheComposerWithTheArchiveAttached)
{
    const FakeMailProgram mail(m_scratch / "bin");
    const fs::path archive = Photos() / "pics.zip";
    const struct {
        const char* name;
        const char* address;
        const char* mailExit;
        int exitCode;
        std::string output;
        std::string composerGiven;
    } rows[] = {
        {"Address", "-iemlann@example.org", "0", 0, "", "--attach\n" + archive.string() + "\nann@example.org\n"},
        {"NoAddress", "-ieml", "0", 0, "", "--attach\n" + archive.string() + "\n"},
        {"NoComposer", "-iemlann@example.org", "3", 3, "snapwane-pack: no mail program could be opened\n", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ScopedVariable mailExit("FAKE_MAIL_EXIT", row.mailExit);
        fs::remove(archive);
        fs::remove(mail.Log());
        const ToolRun run = Pack({"-ep1", row.address, "-sfx"}, archive, Photos());
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_EQ(run.output, row.output);
        if (!row.composerGiven.empty()) {
            EXPECT_EQ(ReadFile(mail.Log()), row.composerGiven);
        }
        EXPECT_EQ(Unzipped(archive), kPhotos);
    }
}

}  // namespace
