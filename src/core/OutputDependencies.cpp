// SPDX-License-Identifier: MIT
#include "core/OutputDependencies.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <system_error>
#include <utility>

#include <sys/stat.h>

namespace snapwane {

namespace {

std::filesystem::path SameFileKey(const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(std::filesystem::absolute(path, error), error);
    return error ? path.lexically_normal() : resolved;
}

// An existing file is known by its device and inode, which also sees through
// hard links and a file system that ignores case; a file still to be written by
// its resolved path.
std::string FileIdentity(const std::filesystem::path& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0)
        return "inode:" + std::to_string(status.st_dev) + ":" + std::to_string(status.st_ino);
    return "path:" + SameFileKey(path).string();
}

// Something the output would replace: any existing entry but a folder.
bool ExistsToReplace(const std::filesystem::path& path)
{
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

// For each photo, its first listing when the same file with the same corrections
// was listed before, or -1.
std::vector<std::ptrdiff_t> RepeatedListings(const std::vector<std::string>& sourceIds,
                                             const std::vector<Corrections>& corrections)
{
    const auto correctionsOf = [&](std::size_t i) { return i < corrections.size() ? corrections[i] : Corrections{}; };
    std::vector<std::ptrdiff_t> sameAs(sourceIds.size(), -1);
    std::map<std::string, std::vector<std::size_t>> firstListings;
    for (std::size_t i = 0; i < sourceIds.size(); ++i) {
        std::vector<std::size_t>& earlier = firstListings[sourceIds[i]];
        for (std::size_t first : earlier) {
            if (correctionsOf(first) == correctionsOf(i)) {
                sameAs[i] = std::ptrdiff_t(first);
                break;
            }
        }
        if (sameAs[i] < 0)
            earlier.push_back(i);
    }
    return sameAs;
}

// The wanted name, or the first numbered one, that is neither another listed
// photo's source nor already written by this run; with its identity.
std::pair<std::filesystem::path, std::string> FreeOutput(const std::filesystem::path& wanted,
                                                         const std::string& sourceId,
                                                         const std::map<std::string, std::size_t>& listedSources,
                                                         const std::set<std::string>& written)
{
    std::filesystem::path output = wanted;
    std::string id = FileIdentity(output);
    for (int number = 2;; ++number) {
        const auto readers = listedSources.find(id);
        const std::size_t ownRead = id == sourceId ? 1 : 0;
        const bool anotherSource = readers != listedSources.end() && readers->second > ownRead;
        if (!anotherSource && !written.contains(id))
            return {output, id};
        output = NumberedName(wanted, number);
        id = FileIdentity(output);
    }
}

} // namespace

std::filesystem::path NumberedName(const std::filesystem::path& path, int number)
{
    std::filesystem::path numbered = path;
    numbered.replace_filename(path.stem().string() + " (" + std::to_string(number) + ")" +
                              path.extension().string());
    return numbered;
}

OutputPlan PlanOutputs(const std::vector<std::filesystem::path>& sources,
                       const std::vector<std::filesystem::path>& wanted, const std::vector<Corrections>& corrections,
                       const std::vector<std::filesystem::path>& alsoWritten)
{
    OutputPlan plan;
    const std::size_t count = std::min(sources.size(), wanted.size());
    std::vector<std::string> sourceIds;
    for (std::size_t i = 0; i < count; ++i)
        sourceIds.push_back(FileIdentity(sources[i]));
    plan.sameAs = RepeatedListings(sourceIds, corrections);
    std::map<std::string, std::size_t> listedSources; // identity -> how many photos read it
    for (std::size_t i = 0; i < count; ++i)
        listedSources[sourceIds[i]] += plan.sameAs[i] < 0 ? 1 : 0;
    std::set<std::string> written;
    for (std::size_t i = 0; i < count; ++i) {
        if (plan.sameAs[i] >= 0) { // written by its first listing
            std::filesystem::path shared = plan.outputs[std::size_t(plan.sameAs[i])];
            plan.outputs.push_back(std::move(shared));
            plan.replacesSource.push_back(0);
            continue;
        }
        auto [output, id] = FreeOutput(wanted[i], sourceIds[i], listedSources, written);
        written.insert(id);
        plan.replacesSource.push_back(id == sourceIds[i] && id.starts_with("inode:") ? 1 : 0); // an existing file
        plan.sourcesReplaced += std::size_t(plan.replacesSource.back());
        if (ExistsToReplace(output))
            plan.replaced.push_back(output);
        plan.outputs.push_back(std::move(output));
    }
    for (const std::filesystem::path& other : alsoWritten) {
        if (ExistsToReplace(other))
            plan.replaced.push_back(other);
    }
    return plan;
}

} // namespace snapwane
