// snapwane-thumbnails: makes the collection's thumbnails of photos exactly as the
// program's loading does (the acceptance rules, then the fitted copy in the
// default 192 x 144 box), on several photos at once, for benchmarks and checks.
//
//   snapwane-thumbnails [-j N] [-o DIR] PHOTO...
//
// Thumbnails stay in memory unless -o names a folder, where each is written as
// NAME.ppm the way the reducer writes (a temporary file renamed over the name,
// never through a link there). Prints one line "N loaded, M refused" and one
// line per thumbnail that could not be written, with the reason; exit code 1
// when any photo was refused or any thumbnail not written, 2 for a bad command
// line.

#include "core/DecodeMemory.h"
#include "core/FileIo.h"
#include "core/Fitting.h"
#include "core/LookAheadPool.h"
#include "core/MemoryBudget.h"
#include "core/PhotoRules.h"

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

struct Options {
    int jobs = 0; // 0: one per processor core
    fs::path outputFolder;
    std::vector<fs::path> photos;
};

bool ParseJobs(const std::string& text, int& jobs)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), jobs);
    return error == std::errc() && end == text.data() + text.size() && jobs >= 1 && jobs <= 256;
}

bool Parse(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if ((argument == "-j" || argument == "-o") && i + 1 == argc)
            return false;
        if (argument == "-j") {
            if (!ParseJobs(argv[++i], options.jobs))
                return false;
        } else if (argument == "-o") {
            options.outputFolder = argv[++i];
        } else {
            options.photos.emplace_back(argument);
        }
    }
    return !options.photos.empty();
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
    if (!Parse(argc, argv, options)) {
        std::cerr << "usage: snapwane-thumbnails [-j N] [-o DIR] PHOTO...\n";
        return 2;
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
    return refused == 0 && unwritten == 0 ? 0 : 1;
}
