// SPDX-License-Identifier: MIT
// snapwane-reduce end to end on photos the test encodes itself.

#include "ToolTestSupport.h"

#include "core/JpegCodec.h"
#include "core/Version.h"
#include "core/PixelBuffer.h"
#include "support/TestJpeg.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <iostream>
#include <ctime>
#include <sstream>
#include <climits>
#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace tooltest;
using snapwane::JpegCodec;
using snapwane::PixelBuffer;

struct PhotoSize {
    int width = 0;
    int height = 0;
    bool operator==(const PhotoSize&) const = default;
};

std::ostream& operator<<(std::ostream& out, const PhotoSize& size)
{
    return out << size.width << " x " << size.height;
}

PhotoSize SizeOf(const fs::path& photo)
{
    const std::string bytes = ReadFile(photo);
    PhotoSize size;
    int channels = 0;
    JpegCodec::Decode({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, JpegCodec::kHeaderOnly,
                      size.width, size.height, channels);
    return size;
}

class SnapwaneReduce : public testing::Test {
protected:
    ToolRun Reduce(std::vector<std::string> arguments, const fs::path& workingFolder = {})
    {
        arguments.insert(arguments.begin(), BuiltTool("snapwane-reduce").string());
        return RunProgram(arguments, workingFolder);
    }

    fs::path Photo(const std::string& name, int width, int height)
    {
        const fs::path path = m_scratch / "in" / name;
        WriteFile(path, GradientJpeg(width, height));
        return path;
    }

    fs::path Out() const { return m_scratch / "out"; }

    ScratchFolder m_scratch;
    // The default output folder lies under the home folder's Pictures, named by the
    // desktop's settings: keep both inside the scratch folder.
    const ScopedVariable m_home{"HOME", (m_scratch / "home").string()};
    const ScopedVariable m_config{"XDG_CONFIG_HOME", (m_scratch / "config").string()};
};

struct SizeCase {
    const char* name;
    PhotoSize photo;
    const char* sizeOption;  // nullptr: the default; "-s..." as written on the command line
    PhotoSize expected;
};

void PrintTo(const SizeCase& row, std::ostream* out)
{
    *out << row.name;
}

class SnapwaneReduceSizes : public SnapwaneReduce, public testing::WithParamInterface<SizeCase> {};

TEST_P(SnapwaneReduceSizes, FitsThePhotoIntoTheBox)
{
    const SizeCase& row = GetParam();
    const fs::path photo = Photo("Photo.JPG", row.photo.width, row.photo.height);
    std::vector<std::string> arguments = {"-o", Out().string(), photo.string()};
    if (row.sizeOption && row.sizeOption[0] == '-')
        arguments.insert(arguments.begin(), row.sizeOption);
    else if (row.sizeOption)
        arguments.insert(arguments.begin(), {"-s", row.sizeOption});

    const ToolRun run = Reduce(arguments);

    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(FolderEntries(Out()), std::vector<std::string>{"photo.jpg"});
    EXPECT_EQ(SizeOf(Out() / "photo.jpg"), row.expected);
    // A photo not larger than the box is copied byte for byte.
    const bool copied = row.expected == row.photo;
    EXPECT_EQ(run.output, copied ? "0 reduced, 1 copied, 0 passed over\n" : "1 reduced, 0 copied, 0 passed over\n");
    if (copied) {
        EXPECT_EQ(ReadFile(Out() / "photo.jpg"), ReadFile(photo));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, SnapwaneReduceSizes,
    testing::Values(
        SizeCase{"DefaultBoxHalvesOnce", {1280, 960}, nullptr, {640, 480}},
        SizeCase{"NarrowerThanTheBoxIsCopied", {1000, 400}, nullptr, {1000, 400}},
        SizeCase{"OriginalSizeIsCopied", {1280, 960}, "original", {1280, 960}},
        SizeCase{"WidthBinds", {3008, 2000}, "640x480", {640, 426}},
        SizeCase{"PortraitHeightBinds", {1200, 1600}, "640x480", {360, 480}},
        SizeCase{"SmallestPreset", {1280, 960}, "320x240", {320, 240}},
        SizeCase{"LargestPreset", {2048, 1536}, "1024x768", {1024, 768}},
        // 641 x 479 is made even first, as the wizard's Next does: box 640 x 478.
        SizeCase{"OddCustomSizeMadeEven", {1280, 960}, "641x479", {638, 478}},
        SizeCase{"UpperCaseSeparator", {1280, 960}, "320X240", {320, 240}},
        SizeCase{"SizeAttachedToTheShortOption", {1600, 1200}, "-s800x600", {800, 600}},
        SizeCase{"LongOptionWithEquals", {1600, 1200}, "--size=800x600", {800, 600}}),
    [](const testing::TestParamInfo<SizeCase>& info) { return std::string(info.param.name); });

TEST_F(SnapwaneReduce, FoldersGiveTheirJpegFilesUnderLowerCasedNames)
{
    Photo("B.JPEG", 1280, 960);
    Photo("\xc3\x89T\xc3\x89 \xc3\x9c.JPG", 1280, 960);
    Photo("a.Jpg", 640, 480);
    WriteFile(m_scratch / "in" / "notes.txt", "not a photo");
    Photo("deeper/C.jpg", 1280, 960);

    const ToolRun flat = Reduce({"-o", Out().string(), (m_scratch / "in").string()});
    const ToolRun recursive = Reduce({"-r", "-o", (m_scratch / "all").string(), (m_scratch / "in").string()});

    ASSERT_EQ(flat.exitCode, 0) << flat.output;
    EXPECT_EQ(flat.output, "2 reduced, 1 copied, 0 passed over\n");
    const std::vector<std::string> lowered = {"a.jpg", "b.jpeg", "\xc3\xa9t\xc3\xa9 \xc3\xbc.jpg"};
    EXPECT_EQ(FolderEntries(Out()), lowered);
    ASSERT_EQ(recursive.exitCode, 0) << recursive.output;
    std::vector<std::string> all = lowered;
    all.insert(all.begin() + 2, "c.jpg");
    EXPECT_EQ(FolderEntries(m_scratch / "all"), all);
}

// A camera card's folders repeat names; no photo may be lost to another's output.
TEST_F(SnapwaneReduce, LaterPhotoOfATakenNameGetsANumberedName)
{
    const fs::path first = Photo("DCIM/100CAM/IMG_0001.JPG", 1280, 960);
    const fs::path second = Photo("DCIM/101CAM/IMG_0001.JPG", 900, 1200);

    const ToolRun run = Reduce({"-r", "-o", Out().string(), (m_scratch / "in" / "DCIM").string()});

    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(FolderEntries(Out()), (std::vector<std::string>{"img_0001 (2).jpg", "img_0001.jpg"}));
    EXPECT_EQ(SizeOf(Out() / "img_0001.jpg"), (PhotoSize{640, 480}));
    EXPECT_EQ(SizeOf(Out() / "img_0001 (2).jpg"), (PhotoSize{360, 480}));
}

// Beach.JPG lower-cases to the name of beach.jpg, another photo of the folder.
TEST_F(SnapwaneReduce, IntoTheSourceFolder_OriginalsAreReplacedOnlyWhenAskedAndNeverAnotherPhoto)
{
    const fs::path upper = Photo("Beach.JPG", 1280, 960);
    const fs::path lower = Photo("beach.jpg", 900, 1200);

    const ToolRun refused = Reduce({"-o", ".", "."}, m_scratch / "in");
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.output.find("1 file in . would be replaced (the original of one of your photos); nothing was "
                                  "written:\n  ./beach.jpg\n"),
              std::string::npos)
        << refused.output;
    EXPECT_NE(refused.output.find("--replace-originals"), std::string::npos) << refused.output;
    EXPECT_EQ(FolderEntries(m_scratch / "in"), (std::vector<std::string>{"Beach.JPG", "beach.jpg"}));

    const ToolRun run = Reduce({"--replace-originals", "-o", ".", "."}, m_scratch / "in");

    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(FolderEntries(m_scratch / "in"), (std::vector<std::string>{"Beach.JPG", "beach (2).jpg", "beach.jpg"}));
    EXPECT_EQ(SizeOf(m_scratch / "in" / "beach (2).jpg"), (PhotoSize{640, 480}));
    EXPECT_EQ(SizeOf(m_scratch / "in" / "beach.jpg"), (PhotoSize{360, 480}));
    EXPECT_EQ(SizeOf(upper), (PhotoSize{1280, 960}));
}

// Nothing that exists in the output folder is written over without leave: an
// unlisted photo of the same name or an earlier archive needs --overwrite. A file
// listed twice (a folder and one of its photos) is written once.
TEST_F(SnapwaneReduce, ExistingFilesAreReplacedOnlyWithOverwrite_AndAFileListedTwiceIsWrittenOnce)
{
    const fs::path photo = Photo("Beach.JPG", 1280, 960);
    WriteFile(Out() / "beach.jpg", "the user's own beach");
    WriteFile(m_scratch / "zips" / "Trip.zip", "an earlier archive");

    const ToolRun refused = Reduce({"-o", Out().string(), photo.string()});
    const ToolRun archive = Reduce({"--zip", "Trip", "-o", (m_scratch / "zips").string(), photo.string()});

    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.output.find("1 file in " + Out().string() + " would be replaced; nothing was written:\n  " +
                                  (Out() / "beach.jpg").string() + "\nGive --overwrite to replace them"),
              std::string::npos)
        << refused.output;
    EXPECT_EQ(ReadFile(Out() / "beach.jpg"), "the user's own beach");
    EXPECT_EQ(archive.exitCode, 2);
    EXPECT_NE(archive.output.find((m_scratch / "zips" / "Trip.zip").string()), std::string::npos) << archive.output;
    EXPECT_EQ(FolderEntries(m_scratch / "zips"), std::vector<std::string>{"Trip.zip"});

    const ToolRun twice = Reduce({"--overwrite", "-o", Out().string(), (m_scratch / "in" / ".").string(),
                                  photo.string()});

    ASSERT_EQ(twice.exitCode, 0) << twice.output;
    EXPECT_EQ(FolderEntries(Out()), std::vector<std::string>{"beach.jpg"});
    EXPECT_EQ(SizeOf(Out() / "beach.jpg"), (PhotoSize{640, 480}));
    EXPECT_NE(twice.output.find("1 reduced, 0 copied, 1 passed over\n  " + photo.string() + ": the same file as " +
                                (m_scratch / "in" / "." / "Beach.JPG").string() + ", written once"),
              std::string::npos)
        << twice.output;
}

// Several photos at once must look exactly like one after the other: the same
// report in the same order, the same files with the same bytes. The list holds a
// later photo of the same name and a source (missing yet) that an earlier photo's
// output would have replaced.
TEST_F(SnapwaneReduce, AnyNumberOfJobs_GivesTheSameReportAndTheSameFiles)
{
    const std::vector<std::string> listed = {"in/Big.jpg", "out/big.jpg", "in/one/Same.jpg", "in/two/same.JPG",
                                             "in/small.jpg", "in/p1.jpg", "in/p2.jpg", "in/p3.jpg", "in/p4.jpg",
                                             "in/p5.jpg", "in/p6.jpg", "in/p7.jpg"};
    ToolRun firstRun;
    std::vector<std::string> firstFiles;
    for (const char* jobs : {"1", "2", "5"}) {
        SCOPED_TRACE(std::string("-j ") + jobs);
        const fs::path root = m_scratch / (std::string("run") + jobs);
        for (const std::string& name : listed) {
            const int width = name == "in/Big.jpg" ? 2000 : name == "in/small.jpg" ? 300 : 700 + 60 * int(name.size() % 7);
            if (!name.starts_with("out/"))
                WriteFile(root / name, GradientJpeg(width, name == "in/Big.jpg" ? 1500 : 600));
        }
        std::vector<std::string> arguments = {BuiltTool("snapwane-reduce").string(), "-j", jobs, "-o", "out"};
        arguments.insert(arguments.end(), listed.begin(), listed.end());
        const ToolRun run = RunProgram(arguments, root);
        std::vector<std::string> files;
        for (const std::string& name : FolderEntries(root / "out"))
            files.push_back(name + ": " + ReadFile(root / "out" / name));
        if (firstFiles.empty()) {
            firstRun = run;
            firstFiles = files;
            EXPECT_NE(run.output.find("10 reduced, 0 copied, 1 passed over, 1 failed"), std::string::npos) << run.output;
            continue;
        }
        EXPECT_EQ(run.exitCode, firstRun.exitCode);
        EXPECT_EQ(run.output, firstRun.output);
        EXPECT_EQ(files, firstFiles);
    }
}

// A run killed between writing a temporary file and renaming it left these behind.
TEST_F(SnapwaneReduce, StaleTemporaryFilesOfOursInTheOutputFolder_AreRemoved)
{
    const fs::path photo = Photo("a.jpg", 1280, 960);
    const std::string stale = ".snapwane-4194305-0123456789abcdef.tmp";             // no such process
    const std::string running = ".snapwane-" + std::to_string(getpid()) + "-0123456789abcdef.tmp"; // this test
    const std::string other = ".a.jpg.0123456789abcdef.tmp";                       // not ours
    for (const std::string& name : {stale, running, other}) {
        WriteFile(Out() / name, "partial");
        fs::last_write_time(Out() / name, fs::file_time_type::clock::now() - std::chrono::minutes(15));
    }

    const ToolRun run = Reduce({"-o", Out().string(), photo.string()});

    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(FolderEntries(Out()), (std::vector<std::string>{other, running, "a.jpg"}));
}

// The program's folder load takes the same photos of this tree (its folder
// loader's tests): linked folders are left out, a name that is not UTF-8 is
// refused, and names are lowered alike. Every photo found that is not taken
// gets a reason line, its name printed with control characters written out.
TEST_F(SnapwaneReduce, RecursiveTree_TakesTheProgramsPhotosAndGivesEveryOtherOneAReason)
{
    const fs::path tree = m_scratch / "in" / "tree";
    for (const char* name : {"outside/c.jpg", "tree/a.jpg", "tree/\xc4\xb0STANBUL.JPG", "tree/caf\xe9.jpg",
                             "tree/sub/b.jpg"})
        Photo(name, 800, 600);
    WriteFile(tree / "x\x1b[2J\x1b[31mEVIL.jpg", "not a photo");
    fs::create_symlink("missing.jpg", tree / "gone.jpg");
    fs::create_symlink("loop.jpg", tree / "loop.jpg");
    fs::create_directory_symlink("../..", tree / "sub" / "up");
    fs::create_directory_symlink("sub", tree / "inside");

    const ToolRun run = Reduce({"-r", "-o", Out().string(), tree.string()});

    EXPECT_EQ(FolderEntries(Out()), (std::vector<std::string>{"a.jpg", "b.jpg", "istanbul.jpg"}));
    EXPECT_EQ(run.exitCode, 1) << run.output; // the links cannot be read
    for (const char* line : {"/caf\\xe9.jpg: file name not valid UTF-8", "/gone.jpg: cannot open the file",
                                    "/loop.jpg: cannot open the file", "/x\\e[2J\\e[31mEVIL.jpg: not a JPEG photo"})
        EXPECT_NE(run.output.find(line), std::string::npos) << line << " in\n" << run.output;
    EXPECT_EQ(run.output.find('\x1b'), std::string::npos);
}

TEST_F(SnapwaneReduce, RefusedPhotosArePassedOverWithTheirReason)
{
    const fs::path good = Photo("good.jpg", 1280, 960);
    const fs::path small = Photo("small.jpg", 300, 400);
    const fs::path text = m_scratch / "in" / "text.jpg";
    WriteFile(text, "hello");
    const fs::path empty = m_scratch / "in" / "empty.jpg";
    WriteFile(empty, "");
    // A phone's photo of more than 5,000,000 bytes is a photo like any other.
    const fs::path phone = m_scratch / "in" / "phone.jpg";
    WriteFile(phone, GradientJpeg(640, 480) + std::string(5'000'000, '\0'));

    const ToolRun run = Reduce({"-o", Out().string(), good.string(), small.string(), text.string(), empty.string(),
                                phone.string()});

    // Refusals are not failures: the run succeeds.
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(FolderEntries(Out()), (std::vector<std::string>{"good.jpg", "phone.jpg"}));
    // One line per photo passed over, in list order, with its reason.
    const std::vector<std::pair<fs::path, std::string>> expected = {
        {small, "320 x 240"}, {text, "not a JPEG"}, {empty, "empty"}};
    std::istringstream lines(run.output);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "1 reduced, 1 copied, 3 passed over");
    for (const auto& [photo, reason] : expected) {
        std::getline(lines, line);
        EXPECT_EQ(line.rfind("  " + photo.string() + ": ", 0), 0u) << line;
        EXPECT_NE(line.find(reason), std::string::npos) << line;
    }
    EXPECT_FALSE(std::getline(lines, line)) << line;
}

// A small progressive file declaring 10000 x 12000 would hold its whole coefficient
// buffer (hundreds of megabytes) on every core: it is passed over before decoding,
// also when its frame header hides behind megabytes of comments and stray bytes.
// A pipe named like a photo is refused without waiting for a writer.
TEST_F(SnapwaneReduce, PhotoTooLargeToDecodeInTheMemoryAllowedIsPassedOver)
{
    const std::string bomb = ProgressiveDeclaringHugeSize();
    ASSERT_FALSE(bomb.empty());
    WriteFile(m_scratch / "in" / "bomb.jpg", bomb);
    std::string comments;
    for (int i = 0; i < 40; ++i)
        comments += "\xFF\xFE\xFF\xFF" + std::string(65533, char(i)) + "stray bytes";
    WriteFile(m_scratch / "in" / "bomb_after_comments.jpg", bomb.substr(0, 2) + comments + bomb.substr(2));
    ASSERT_EQ(mkfifo((m_scratch / "in" / "pipe.jpg").c_str(), 0600), 0);
    const fs::path good = Photo("good.jpg", 1280, 960);

    const ToolRun run = RunProgram({"timeout", "60", BuiltTool("snapwane-reduce").string(), "-j", "2", "-o",
                                    Out().string(), (m_scratch / "in").string()});

    EXPECT_EQ(run.exitCode, 1); // the pipe cannot be read
    const std::string tooLarge = ": too large to decode in the memory allowed\n";
    EXPECT_EQ(run.output, "1 reduced, 0 copied, 2 passed over, 1 failed\n  " + (m_scratch / "in" / "bomb.jpg").string() +
                              tooLarge + "  " + (m_scratch / "in" / "bomb_after_comments.jpg").string() + tooLarge +
                              "  " + (m_scratch / "in" / "pipe.jpg").string() + ": cannot open the file\n");
    EXPECT_EQ(FolderEntries(Out()), std::vector<std::string>{"good.jpg"});
}

// A folder of depth past what the system takes in one path, made and removed
// one level at a time; a photo at its bottom.
class DeepFolder {
public:
    DeepFolder(const fs::path& top, const std::string& photo)
    {
        m_levels.push_back(open(top.c_str(), O_DIRECTORY | O_RDONLY));
        for (std::size_t length = top.native().size(); length <= PATH_MAX; length += kName.size() + 1) {
            mkdirat(m_levels.back(), kName.c_str(), 0700);
            m_levels.push_back(openat(m_levels.back(), kName.c_str(), O_DIRECTORY | O_RDONLY));
        }
        const int file = openat(m_levels.back(), "deep.jpg", O_WRONLY | O_CREAT | O_TRUNC, 0600);
        m_made = file >= 0 && write(file, photo.data(), photo.size()) == ssize_t(photo.size());
        close(file);
    }
    ~DeepFolder()
    {
        unlinkat(m_levels.back(), "deep.jpg", 0);
        for (std::size_t level = m_levels.size() - 1; level > 0; --level) {
            close(m_levels[level]);
            unlinkat(m_levels[level - 1], kName.c_str(), AT_REMOVEDIR);
        }
        close(m_levels.front());
    }
    bool Made() const { return m_made; }

private:
    const std::string kName = std::string(200, 'd');
    std::vector<int> m_levels;
    bool m_made = false;
};

// What -r cannot list is named with its reason and fails the run; what it can
// list is reduced as ever.
TEST_F(SnapwaneReduce, FoldersThatCannotBeListed_GetAReasonAndFailTheRun)
{
    const fs::path tree = m_scratch / "in";
    Photo("a.jpg", 1280, 960);
    fs::create_directories(tree / "deep");
    const DeepFolder deep(tree / "deep", GradientJpeg(1280, 960));
    ASSERT_TRUE(deep.Made());
    const bool asRoot = geteuid() == 0; // reads every folder whatever its permissions
    if (!asRoot) {
        Photo("locked/b.jpg", 1280, 960);
        fs::permissions(tree / "locked", fs::perms::none);
    }

    const ToolRun run = Reduce({"-r", "-o", Out().string(), tree.string()});

    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_EQ(FolderEntries(Out()), std::vector<std::string>{"a.jpg"});
    const std::string summary = asRoot ? "1 reduced, 0 copied, 0 passed over, 1 folder not read\n"
                                       : "1 reduced, 0 copied, 0 passed over, 2 folders not read\n";
    EXPECT_EQ(run.output.rfind(summary, 0), 0u) << run.output;
    EXPECT_NE(run.output.find("/dddd"), std::string::npos);
    EXPECT_NE(run.output.find(": cannot list the folder: File name too long\n"), std::string::npos) << run.output;
    if (!asRoot) {
        EXPECT_NE(run.output.find("/locked: cannot list the folder: Permission denied\n"), std::string::npos);
    }
}

TEST_F(SnapwaneReduce, UnreadablePhotoFailsTheRunAndTheRestAreReduced)
{
    const fs::path good = Photo("good.jpg", 1280, 960);
    const fs::path missing = m_scratch / "in" / "gone.jpg";
    const ToolRun unreadable = Reduce({"-o", Out().string(), missing.string(), good.string()});
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_NE(unreadable.output.find("1 reduced, 0 copied, 0 passed over, 1 failed\n  " + missing.string() + ": "),
              std::string::npos)
        << unreadable.output;
}

// An output folder that refuses every photo ends the run after the first with
// one line naming the folder and the system's reason.
TEST_F(SnapwaneReduce, OutputFolderThatRefusesEveryPhoto_EndsTheRunWithTheFolderAndTheReason)
{
    const std::string copied = GradientJpeg(600, 450);
    std::vector<std::string> photos;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"}) {
        WriteFile(m_scratch / "in" / name, copied);
        photos.push_back((m_scratch / "in" / name).string());
    }
    const fs::path locked = m_scratch / "locked";
    fs::create_directories(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    const fs::path full = m_scratch / "full";
    fs::create_directories(full);
    const std::string stopped = "; the run stopped after ";
    const struct {
        const char* what;
        fs::path folder;
        std::string summary;
        std::string reason;
    } rows[] = {
        {"read-only", locked, "0 reduced, 0 copied, 0 passed over, 1 failed\n", "Permission denied" + stopped + "1 of 4"},
        {"full", full, "0 reduced, 2 copied, 0 passed over, 1 failed\n", "No space left on device" + stopped + "3 of 4"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        std::vector<std::string> arguments = {BuiltTool("snapwane-reduce").string(), "-o", row.folder.string()};
        arguments.insert(arguments.end(), photos.begin(), photos.end());
        // Room for two copies and a half.
        const ToolRun run = row.folder == full ? RunOnSmallDisk(full, copied.size() * 5 / 2, arguments)
                                               : RunProgram(arguments);
        if (run.exitCode == kNoSmallDisk) {
            std::cout << "no small disk can be mounted here: " << run.output << '\n';
            continue;
        }
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.output.rfind(row.summary, 0), 0u) << run.output;
        EXPECT_NE(run.output.find("snapwane-reduce: the photos cannot be written into " + row.folder.string() + ": "
                                  + row.reason + " photos.\n"),
                  std::string::npos)
            << run.output;
        EXPECT_EQ(run.output.find("d.jpg"), std::string::npos) << run.output;
    }
    EXPECT_TRUE(FolderEntries(locked).empty());
}

// ~/Pictures, or the Pictures folder the desktop's user-dirs.dirs names.
TEST_F(SnapwaneReduce, DefaultOutputIsTodaysFolderUnderThePicturesFolder)
{
    const fs::path photo = Photo("Holiday.jpg", 1280, 960);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char today[16];
    std::strftime(today, sizeof today, "%Y%m%d", &local);

    const ToolRun plain = Reduce({photo.string()});
    WriteFile(m_scratch / "config" / "user-dirs.dirs", "# written by xdg-user-dirs-update\n"
                                                       "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
    const ToolRun named = Reduce({photo.string()});

    ASSERT_EQ(plain.exitCode, 0) << plain.output;
    EXPECT_EQ(SizeOf(m_scratch / "home" / "Pictures" / today / "holiday.jpg"), (PhotoSize{640, 480}));
    ASSERT_EQ(named.exitCode, 0) << named.output;
    EXPECT_EQ(SizeOf(m_scratch / "home" / "Bilder" / today / "holiday.jpg"), (PhotoSize{640, 480}));
}

struct RefusedLine {
    const char* name;
    std::vector<std::string> options;
    const char* message;  // part of what is said
};

void PrintTo(const RefusedLine& row, std::ostream* out)
{
    *out << row.name;
}

class SnapwaneReduceRefusedLines : public SnapwaneReduce, public testing::WithParamInterface<RefusedLine> {};

TEST_P(SnapwaneReduceRefusedLines, ExitTwoAndWriteNothing)
{
    const fs::path photo = Photo("photo.jpg", 1280, 960);
    // The photo first, so that an option without its value can stand last.
    std::vector<std::string> arguments = {photo.string()};
    arguments.insert(arguments.end(), GetParam().options.begin(), GetParam().options.end());

    const ToolRun run = Reduce(arguments);

    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.output.find(GetParam().message), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(m_scratch / "home"));
    EXPECT_EQ(FolderEntries(m_scratch.Path()), std::vector<std::string>{"in"});
}

INSTANTIATE_TEST_SUITE_P(
    Options, SnapwaneReduceRefusedLines,
    testing::Values(
        RefusedLine{"WidthBelow50", {"-s", "49x480"}, "between 50 and 5000"},
        RefusedLine{"HeightAbove5000", {"--size", "640x5001"}, "between 50 and 5000"},
        RefusedLine{"SizeNotWxH", {"-s", "big"}, "WxH"},
        RefusedLine{"SizeWithTrailingText", {"--size=640x480px"}, "WxH"},
        RefusedLine{"QualityBelow10", {"-q", "9"}, "between 10 and 100"},
        RefusedLine{"QualityAbove100", {"--quality", "101"}, "between 10 and 100"},
        RefusedLine{"QualityNotANumber", {"-q", "high"}, "between 10 and 100"},
        RefusedLine{"NoJobs", {"-j", "0"}, "number of jobs"},
        RefusedLine{"JobsNotANumber", {"--jobs=all"}, "number of jobs"},
        RefusedLine{"MissingValue", {"-o", "x", "-q"}, "needs a value"},
        RefusedLine{"UnknownOption", {"--fast"}, "unknown option --fast"},
        RefusedLine{"UnknownShortOptionInABundle", {"-rx"}, "unknown option -x"},
        RefusedLine{"ValueForAnOptionWithout", {"--overwrite=yes"}, "option --overwrite takes no value"},
        RefusedLine{"ArchiveNameWithFolder", {"--sfx", "Trip 12/2024"}, "cannot be used: a file name cannot hold \"/\""},
        RefusedLine{"AddressOfSpaces", {"--email", "  "}, "e-mail address"},
        RefusedLine{"AddressWithAnAttachment", {"--email", "mailto:friend@x?attach=/etc/shadow"}, "plain local@domain"}),
    [](const testing::TestParamInfo<RefusedLine>& info) { return std::string(info.param.name); });

TEST_F(SnapwaneReduce, HelpVersionAndNoPaths)
{
    const ToolRun help = Reduce({"--help"});
    const ToolRun version = Reduce({"--version"});
    const ToolRun nothing = Reduce({"-q", "80"});

    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.output.find("-s, --size"), std::string::npos);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, std::string("snapwane-reduce ") + snapwane::kVersion + "\n");
    EXPECT_EQ(nothing.exitCode, 2);
    EXPECT_FALSE(fs::exists(m_scratch / "home"));
}

// getopt_long's conventions: bundled short options, attached values, options
// after the paths, and "--" before a path that starts with a dash.
TEST_F(SnapwaneReduce, BundledAndAttachedOptionsAnywhere_DoubleDashEndsThem)
{
    Photo("Sub/Deep.jpg", 1280, 960);
    WriteFile(m_scratch / "-dash.jpg", GradientJpeg(1280, 960));

    const ToolRun run = Reduce({"-rq80", (m_scratch / "in").string(), "-s800x600", "--output=out", "--", "-dash.jpg"},
                               m_scratch.Path());

    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(SizeOf(Out() / "deep.jpg"), (PhotoSize{800, 600}));
    EXPECT_EQ(SizeOf(Out() / "-dash.jpg"), (PhotoSize{800, 600}));
}

TEST_F(SnapwaneReduce, OutputFolderThatCannotBeCreated_NamesTheFolderAndTheReason)
{
    const fs::path photo = Photo("photo.jpg", 1280, 960);
    WriteFile(m_scratch / "file", "not a folder");
    const fs::path output = m_scratch / "file" / "out";

    const ToolRun run = Reduce({"-o", output.string(), photo.string()});

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("the output folder cannot be created: " + output.string() + ": Not a directory"),
              std::string::npos)
        << run.output;
}

TEST_F(SnapwaneReduce, PacksOnlyThisRunsPhotosInListOrder)
{
    if (!ProgramAvailable("zip") || !ProgramAvailable("unzip"))
        GTEST_SKIP() << "zip or unzip is not installed";
    const fs::path morningPhoto = Photo("Morning.jpg", 1280, 960);
    const fs::path photo = Photo("Photo.jpg", 1280, 960);
    const fs::path small = Photo("Small.jpg", 400, 300);
    // A relative output folder whose name starts with a dash, with an earlier run's photo and archive in it.
    ASSERT_EQ(RunProgram({BuiltTool("snapwane-reduce").string(), "--zip", "morning", "-o", "-day", morningPhoto.string()},
                         m_scratch.Path())
                  .exitCode,
              0);
    WriteFile(m_scratch / "-day" / "notes.txt", "not a photo");

    const ToolRun run = RunProgram({BuiltTool("snapwane-reduce").string(), "--sfx", "evening", "-o", "-day",
                                    small.string(), photo.string()},
                                   m_scratch.Path());

    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("--sfx is now --zip; the archive is evening.zip\n"), std::string::npos) << run.output;
    const fs::path archive = m_scratch / "-day" / "evening.zip";
    EXPECT_NE(run.output.find("Packed into "), std::string::npos) << run.output;
    const ToolRun listing = RunProgram({"unzip", "-l", archive.string()});
    EXPECT_EQ(listing.exitCode, 0) << listing.output;
    EXPECT_EQ(RunProgram({"unzip", "-Z1", archive.string()}).output, "small.jpg\nphoto.jpg\n");
}

TEST_F(SnapwaneReduce, MailProgramThatCannotBeOpenedFailsTheRun)
{
    if (!ProgramAvailable("zip"))
        GTEST_SKIP() << "zip is not installed";
    const fs::path photo = Photo("photo.jpg", 1280, 960);
    const FakeMailProgram mail(m_scratch / "bin");
    const ScopedVariable mailExit("FAKE_MAIL_EXIT", "3");

    const ToolRun run = Reduce({"--email", "ann@example.org", "-o", (m_scratch / "out").string(), photo.string()});

    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find("no mail program could be opened for ann@example.org"), std::string::npos) << run.output;
    EXPECT_TRUE(fs::exists(m_scratch / "out" / "MyNewPhotos.zip"));
}

}  // namespace
