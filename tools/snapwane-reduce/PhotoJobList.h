// SPDX-License-Identifier: MIT
#pragma once
// The photos of one batch run, in the order they are reduced: the arguments in
// their order; within a folder its photos by name, then (with -r) its subfolders
// by name, taken as the program's folder load takes them (ListPhotoFolder).
// Output paths use the lower-cased file name; the source path keeps the file's
// real case.

#include <filesystem>
#include <string>
#include <vector>

struct PhotoJob {
    std::filesystem::path source;
    std::filesystem::path output;
    std::string displayName;  // the source's file name as given, for progress and reasons
};

// A folder whose photos could not all be listed, and why.
struct UnlistedFolder {
    std::filesystem::path folder;
    std::string reason;
};

class PhotoJobList {
public:
    // Arguments that do not exist are kept as jobs: they fail to be read like a
    // photo deleted before its turn. Folders that cannot be listed (or not to
    // their end) go into `unlisted`, in the order they were met.
    static std::vector<PhotoJob> Collect(const std::vector<std::string>& paths, bool recursive,
                                         const std::filesystem::path& outputFolder,
                                         std::vector<UnlistedFolder>& unlisted);
};
