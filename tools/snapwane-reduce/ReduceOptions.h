// SPDX-License-Identifier: MIT
#pragma once
// The batch reducer's command line, read and checked before anything is written.

#include "core/ReductionRules.h"

#include <optional>
#include <string>
#include <vector>

struct ReduceOptions {
    static constexpr int kMaxJobs = 256;

    int targetWidth = 640;
    int targetHeight = 480;
    int quality = snapwane::kDefaultQuality;
    int jobs = 0;               // photos worked on at once; 0: one per processor core
    std::string outputFolder;   // empty: today's dated folder under the Pictures folder
    bool recursive = false;
    bool replaceOriginals = false; // photos may replace their own source files
    bool overwrite = false;     // outputs may replace other existing files (and the archive an earlier one)
    std::string archiveName;    // empty: no packing
    bool oldArchiveOption = false; // given as --sfx, the old name of --zip
    std::string emailAddress;   // empty: no e-mail
    std::vector<std::string> paths;
    bool verbose = false;       // the passed-over, refused and failed photos logged on standard error
    bool showHelp = false;
    bool showVersion = false;
};

// Either options, or the message that explains why the command line was refused.
struct ReduceOptionsParse {
    std::optional<ReduceOptions> options;
    std::string error;

    static ReduceOptionsParse Parse(const std::vector<std::string>& arguments);
};

extern const char* const kReduceUsage;
