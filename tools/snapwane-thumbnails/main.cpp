// SPDX-License-Identifier: MIT
// snapwane-thumbnails: makes the collection's thumbnails of photos exactly as the
// program's loading does (the acceptance rules, then the fitted copy in the
// default 192 x 144 box), on several photos at once, for benchmarks and checks.
//
// A developer tool, not installed; its --help is its manual.

#include "common/OptionParser.h"
#include "core/DecodeMemory.h"
#include "core/FileIo.h"
#include "core/Fitting.h"
#include "core/LookAheadPool.h"
#include "core/MemoryBudget.h"
#include "core/PhotoRules.h"
#include "core/Version.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;
using namespace snapwane;

namespace {

const char* const kUsage =
    "Usage: snapwane-thumbnails [options] PHOTO...\n"
    "Makes the collection's thumbnails of the photos exactly as Snapwane's loading does\n"
    "(its acceptance rules, then the fitted copy in the 192 x 144 box), on several photos\n"
    "at once, for benchmarks and checks. A developer tool.\n"
    "\n"
    "  -j, --jobs N         work on N photos at once, 1..256 (default: one per processor core)\n"
    "  -o, --output DIR     write each thumbnail as DIR/NAME.ppm (a temporary file renamed\n"
    "                       over the name); without it the thumbnails stay in memory\n"
    "  -h, --help           show this text\n"
    "  -V, --version        show the version\n"
    "\n"
    "Prints \"N loaded, M refused\" and one line per thumbnail that could not be written.\n"
    "Exit status: 0 when every photo was loaded (and written), 1 when a photo was refused\n"
    "or a thumbnail not written, 2 when the command line was refused.\n";

struct Options {
    int jobs = 0; // 0: one per processor core
    fs::path outputFolder;
    std::vector<fs::path> photos;
    bool showHelp = false;
    bool showVersion = false;
};

const struct option kLongOptions[] = {
    {"jobs", required_argument, nullptr, 'j'},
    {"output", required_argument, nullptr, 'o'},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {nullptr, 0, nullptr, 0},
};

std::string Apply(int code, const std::string& value, Options& options)
{
    switch (code) {
    case 'j': {
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), options.jobs);
        const bool ok = !value.empty() && error == std::errc() && end == value.data() + value.size()
                        && options.jobs >= 1 && options.jobs <= 256;
        return ok ? "" : "the number of jobs must be an integer between 1 and 256, not \"" + value + "\"";
    }
    case 'o': options.outputFolder = value; return {};
    case 'h': options.showHelp = true; return {};
    case 'V': options.showVersion = true; return {};
    }
    return "unknown option";
}

// The options, or why the command line is refused.
std::string Parse(int argc, char** argv, Options& options)
{
    const OptionParser parser{"j:o:hV", kLongOptions,
                              [&options](int code, const std::string& value) { return Apply(code, value, options); }};
    std::vector<std::string> operands;
    if (std::string error = parser.Parse({argv + 1, argv + argc}, operands); !error.empty())
        return error;
    options.photos.assign(operands.begin(), operands.end());
    return options.photos.empty() && !options.showHelp && !options.showVersion ? "no photo given" : "";
}

WriteResult WritePortablePixmap(const fs::path& path, const PixelBuffer& pixels)
{
    const std::string header = "P6\n" + std::to_string(pixels.width()) + ' ' + std::to_string(pixels.height()) + "\n255\n";
    ReplacingWriter writer(path);
    writer.Write({reinterpret_cast<const std::uint8_t*>(header.data()), header.size()});
    writer.Write({pixels.data(), pixels.size()});
    return writer.Commit();
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (const std::string error = Parse(argc, argv, options); !error.empty()) {
        PrintRefusal("snapwane-thumbnails", error);
        return kExitRefused;
    }
    if (options.showHelp) {
        std::cout << kUsage;
        return kExitDone;
    }
    if (options.showVersion) {
        std::cout << "snapwane-thumbnails " << kVersion << "\n";
        return kExitDone;
    }
    std::vector<FittedPhoto> thumbnails(options.photos.size());
    std::size_t loaded = 0, refused = 0, unwritten = 0;
    LookAheadPool::Work work;
    work.prepare = [&](std::size_t i) {
        // As the program's photo object loads: the file rules, then the fitted copy.
        thread_local std::vector<std::uint8_t> bytes;
        if (CheckPhotoFile(options.photos[i], &bytes).check == PhotoCheck::Accepted)
            thumbnails[i] = LoadFittedPhoto(bytes, 0, 0, {});
    };
    // Within the decode memory budget that the program's loading keeps.
    work.memoryOf = [&](std::size_t i) { return EstimateDecodeMemoryOfFile(options.photos[i]); };
    work.memoryBudget = &MemoryBudget::ForDecoding();
    work.refuse = work.failed = [&](std::size_t i) { thumbnails[i] = {}; };
    work.ranOutOfMemory = [&](std::size_t i) { return thumbnails[i].check == PhotoCheck::NoMemory; };
    const auto commit = [&](std::size_t i) {
        const bool ok = thumbnails[i].check == PhotoCheck::Accepted;
        ++(ok ? loaded : refused);
        if (ok && !options.outputFolder.empty()) {
            const fs::path path = options.outputFolder / (options.photos[i].stem().string() + ".ppm");
            const WriteResult written = WritePortablePixmap(path, thumbnails[i].pixels);
            if (!written.Ok()) {
                ++unwritten;
                std::cerr << "snapwane-thumbnails: cannot write " << path.string() << ": " << written.Reason() << '\n';
                if (written.wholeFolder)
                    return false; // every later one would fail the same way
            }
        }
        return true;
    };
    LookAheadPool::RunInOrder(options.photos.size(), options.jobs, work, commit);
    std::cout << loaded << " loaded, " << refused << " refused\n";
    return refused == 0 && unwritten == 0 ? kExitDone : kExitFailed;
}
