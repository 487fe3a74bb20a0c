// SPDX-License-Identifier: MIT
#include "PhotoJobList.h"

#include "core/PhotoRules.h"
#include "core/ReductionRules.h"

namespace fs = std::filesystem;

namespace {

void CollectFolder(const fs::path& folder, bool recursive, std::vector<fs::path>& photos,
                   std::vector<UnlistedFolder>& unlisted)
{
    const snapwane::PhotoFolderListing listing = snapwane::ListPhotoFolder(folder);
    if (listing.error)
        unlisted.push_back({folder, "cannot list the folder: " + listing.error.message()});
    photos.insert(photos.end(), listing.photos.begin(), listing.photos.end());
    if (!recursive)
        return;
    for (const fs::path& subfolder : listing.subfolders)
        CollectFolder(subfolder, recursive, photos, unlisted);
}

}  // namespace

std::vector<PhotoJob> PhotoJobList::Collect(const std::vector<std::string>& paths, bool recursive,
                                            const fs::path& outputFolder, std::vector<UnlistedFolder>& unlisted)
{
    std::vector<fs::path> photos;
    for (const std::string& path : paths) {
        std::error_code error;
        if (fs::is_directory(path, error))
            CollectFolder(path, recursive, photos, unlisted);
        else
            photos.emplace_back(path);
    }
    std::vector<PhotoJob> jobs;
    jobs.reserve(photos.size());
    for (const fs::path& photo : photos) {
        const std::string name = photo.filename().string();
        jobs.push_back({photo, snapwane::OutputPathOf(outputFolder, name), name});
    }
    return jobs;
}
