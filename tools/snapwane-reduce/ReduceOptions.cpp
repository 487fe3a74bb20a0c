// SPDX-License-Identifier: MIT
#include "ReduceOptions.h"

#include "common/OptionParser.h"
#include "core/PackerCommand.h"

#include <charconv>
#include <map>

const char* const kReduceUsage =
    "Usage: snapwane-reduce [options] PATH...\n"
    "Reduces JPEG photos into a box, exactly as Snapwane does: each photo larger than the box\n"
    "in both directions is decoded, scaled down by halving and pair merging, and encoded\n"
    "again; any other photo is copied unchanged. PATH is a photo, or a folder whose .jpg and\n"
    ".jpeg files (any case) are taken in name order. Photos go into the output folder under\n"
    "their lower-cased file names; a photo whose name is taken by an earlier photo or by\n"
    "another photo's source gets a numbered name (img_0001 (2).jpg). A file listed more\n"
    "than once (the same file however it is named) is written once. Nothing that exists\n"
    "in the output folder is replaced unless allowed: the run is refused, naming the files.\n"
    "\n"
    "Options:\n"
    "  -s, --size SIZE      320x240, 640x480, 800x600, 1024x768, WxH or original\n"
    "                       (default 640x480). W and H lie in 50..5000; an odd one is\n"
    "                       lowered by 1. original is the 5000x5000 box: a photo larger\n"
    "                       than 5000 pixels both ways is reduced, any other copied.\n"
    "  -q, --quality N      JPEG quality 10..100 (default 75)\n"
    "  -o, --output DIR     output folder, created if missing (default: today's folder\n"
    "                       YYYYMMDD in your Pictures folder)\n"
    "  -r, --recursive      also take the photos of subfolders of folder arguments\n"
    "                       (not of folders reached through links, as Snapwane)\n"
    "  -j, --jobs N         work on N photos at once (default: one per processor core);\n"
    "                       photos are still reported and written in their order, and\n"
    "                       the output is the same for any N\n"
    "      --overwrite      let photos and the archive replace existing files of the\n"
    "                       output folder (refused without it)\n"
    "      --replace-originals  let reduced photos replace their originals when the output\n"
    "                       folder is theirs (refused without it)\n"
    "      --zip NAME       afterwards pack the photos this run wrote or copied, in their\n"
    "                       order, into NAME.zip in the output folder (--sfx NAME is the\n"
    "                       old name of this option)\n"
    "      --email ADDRESS  pack (as MyNewPhotos.zip unless --zip names it) and open the\n"
    "                       mail program with the archive attached; ADDRESS must be a\n"
    "                       plain local@domain\n"
    "      --verbose        log each photo passed over or failed, and why, on standard error\n"
    "  -h, --help           show this text\n"
    "  -V, --version        show the version\n"
    "Short options may be bundled (-rq80); -- ends the options.\n"
    "\n"
    "Photos are turned upright as their EXIF orientation tag says. A reduced photo keeps\n"
    "the source's colour profile (ICC) and no other metadata: no camera data, no date, no\n"
    "GPS position, no orientation tag. A copied photo is the file itself, with all its\n"
    "metadata.\n"
    "\n"
    "Folders are taken in name order, photos first, then (with -r) subfolders; links to\n"
    "folders are not followed. Photos that are not JPEG, empty, smaller than 320x240,\n"
    "larger than the memory allowed, or whose file name is not valid UTF-8 are passed over\n"
    "with their reason; photos that cannot be read, decoded or written, and folders that\n"
    "cannot be listed, are counted as failed.\n"
    "Exit status: 0 when nothing failed, 1 when a photo could not be read, decoded or\n"
    "written, a folder could not be listed, packing failed or no mail program could be\n"
    "opened, 2 when the command line was refused, or existing files would be replaced\n"
    "without --overwrite or originals without --replace-originals.\n";

namespace {

std::optional<int> ParseInteger(const std::string& text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

// WxH with both sides in range, made even as the wizard's Next makes a custom size even.
std::string ParseSize(const std::string& text, ReduceOptions& options)
{
    static const std::map<std::string, std::pair<int, int>> named = {
        {"original", {snapwane::kUnchangedBoxSide, snapwane::kUnchangedBoxSide}}};
    int width = 0;
    int height = 0;
    if (const auto it = named.find(text); it != named.end()) {
        std::tie(width, height) = it->second;
    } else {
        const std::size_t x = text.find_first_of("xX");
        const auto parsedWidth = x == std::string::npos ? std::nullopt : ParseInteger(text.substr(0, x));
        const auto parsedHeight = x == std::string::npos ? std::nullopt : ParseInteger(text.substr(x + 1));
        if (!parsedWidth || !parsedHeight)
            return "the size must be WxH (for example 640x480) or original, not \"" + text + "\"";
        width = *parsedWidth;
        height = *parsedHeight;
    }
    if (!snapwane::IsBoxSideAllowed(width) || !snapwane::IsBoxSideAllowed(height))
        return "the width and height must lie between 50 and 5000, not " + text;
    options.targetWidth = snapwane::EvenSide(width);
    options.targetHeight = snapwane::EvenSide(height);
    return {};
}

std::string ParseQuality(const std::string& text, ReduceOptions& options)
{
    const auto quality = ParseInteger(text);
    if (!quality || !snapwane::IsQualityAllowed(*quality))
        return "the quality must be an integer between 10 and 100, not \"" + text + "\"";
    options.quality = *quality;
    return {};
}

std::string ParseJobs(const std::string& text, ReduceOptions& options)
{
    const auto jobs = ParseInteger(text);
    if (!jobs || *jobs < 1 || *jobs > ReduceOptions::kMaxJobs)
        return "the number of jobs must be an integer between 1 and 256, not \"" + text + "\"";
    options.jobs = *jobs;
    return {};
}

std::string ParseArchiveName(const std::string& text, ReduceOptions& options)
{
    if (const std::string fault = snapwane::ArchiveNameFault(text); !fault.empty())
        return "the archive name \"" + text + "\" cannot be used: " + fault;
    options.archiveName = text;
    return {};
}

enum LongOnly : int { Overwrite = 256, ReplaceOriginals, Zip, Sfx, Email, Verbose };

const struct option kLongOptions[] = {
    {"size", required_argument, nullptr, 's'},
    {"quality", required_argument, nullptr, 'q'},
    {"output", required_argument, nullptr, 'o'},
    {"recursive", no_argument, nullptr, 'r'},
    {"jobs", required_argument, nullptr, 'j'},
    {"overwrite", no_argument, nullptr, Overwrite},
    {"replace-originals", no_argument, nullptr, ReplaceOriginals},
    {"zip", required_argument, nullptr, Zip},
    {"sfx", required_argument, nullptr, Sfx},
    {"email", required_argument, nullptr, Email},
    {"verbose", no_argument, nullptr, Verbose},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {nullptr, 0, nullptr, 0},
};

// Sets one option; returns an error message or nothing.
std::string Apply(int code, const std::string& value, ReduceOptions& options)
{
    switch (code) {
    case 's': return ParseSize(value, options);
    case 'q': return ParseQuality(value, options);
    case 'o':
        options.outputFolder = value;
        return value.empty() ? "the output folder must not be empty" : "";
    case 'r': options.recursive = true; return {};
    case 'j': return ParseJobs(value, options);
    case Overwrite: options.overwrite = true; return {};
    case ReplaceOriginals: options.replaceOriginals = true; return {};
    case Sfx: options.oldArchiveOption = true; return ParseArchiveName(value, options);
    case Zip: return ParseArchiveName(value, options);
    case Email:
        options.emailAddress = value;
        return snapwane::IsPlainEmailAddress(value) ? "" : "the e-mail address must be a plain local@domain, not \"" + value + "\"";
    case Verbose: options.verbose = true; return {};
    case 'h': options.showHelp = true; return {};
    case 'V': options.showVersion = true; return {};
    }
    return "unknown option";
}

}  // namespace

ReduceOptionsParse ReduceOptionsParse::Parse(const std::vector<std::string>& arguments)
{
    ReduceOptions options;
    const snapwane::OptionParser parser{"s:q:o:rj:hV", kLongOptions,
                                        [&options](int code, const std::string& value) { return Apply(code, value, options); }};
    if (const std::string error = parser.Parse(arguments, options.paths); !error.empty())
        return {std::nullopt, error};
    if (options.paths.empty() && !options.showHelp && !options.showVersion)
        return {std::nullopt, "no photo or folder given"};
    if (!options.emailAddress.empty() && options.archiveName.empty())
        options.archiveName = snapwane::kDefaultArchiveName;
    return {std::move(options), {}};
}
