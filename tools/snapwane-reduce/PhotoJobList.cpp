#include "PhotoJobList.h"

#include "core/FileNames.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> SortedEntries(const fs::path& folder, bool wantFolders)
{
    std::vector<fs::path> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        // A link to nothing or a link loop is no folder; named like a photo, it is
        // taken and refused with its reason.
        std::error_code typeError;
        const bool isFolder = it->is_directory(typeError);
        if (wantFolders ? isFolder && !it->is_symlink(typeError)
                        : !isFolder && PhotoJobList::HasJpegExtension(it->path()))
            entries.push_back(it->path());
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

// Subfolders reached through symbolic links are left out, so a link loop cannot run forever.
void CollectFolder(const fs::path& folder, bool recursive, std::vector<fs::path>& photos)
{
    for (const fs::path& photo : SortedEntries(folder, false))
        photos.push_back(photo);
    if (!recursive)
        return;
    for (const fs::path& subfolder : SortedEntries(folder, true))
        CollectFolder(subfolder, recursive, photos);
}

}  // namespace

std::vector<PhotoJob> PhotoJobList::Collect(const std::vector<std::string>& paths, bool recursive,
                                            const fs::path& outputFolder)
{
    std::vector<fs::path> photos;
    for (const std::string& path : paths) {
        std::error_code error;
        if (fs::is_directory(path, error))
            CollectFolder(path, recursive, photos);
        else
            photos.emplace_back(path);
    }
    std::vector<PhotoJob> jobs;
    jobs.reserve(photos.size());
    for (const fs::path& photo : photos) {
        const std::string name = photo.filename().string();
        jobs.push_back({photo, outputFolder / snapwane::LowerCasedName(name), name});
    }
    return jobs;
}

bool PhotoJobList::HasJpegExtension(const fs::path& path)
{
    const std::string extension = snapwane::LowerCasedName(path.extension().string());
    return extension == ".jpg" || extension == ".jpeg";
}

