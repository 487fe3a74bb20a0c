#include "core/OutputDependencies.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <system_error>

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

} // namespace

std::filesystem::path NumberedName(const std::filesystem::path& path, int number)
{
    std::filesystem::path numbered = path;
    numbered.replace_filename(path.stem().string() + " (" + std::to_string(number) + ")" +
                              path.extension().string());
    return numbered;
}

OutputPlan PlanOutputs(const std::vector<std::filesystem::path>& sources,
                       const std::vector<std::filesystem::path>& wanted)
{
    OutputPlan plan;
    const std::size_t count = std::min(sources.size(), wanted.size());
    std::vector<std::string> sourceIds;
    std::map<std::string, std::size_t> listedSources; // identity -> how many photos read it
    for (std::size_t i = 0; i < count; ++i) {
        sourceIds.push_back(FileIdentity(sources[i]));
        ++listedSources[sourceIds.back()];
    }
    std::set<std::string> written;
    for (std::size_t i = 0; i < count; ++i) {
        std::filesystem::path output = wanted[i];
        std::string id = FileIdentity(output);
        for (int number = 2;; ++number) {
            const auto readers = listedSources.find(id);
            const std::size_t ownRead = id == sourceIds[i] ? 1 : 0;
            const bool anotherSource = readers != listedSources.end() && readers->second > ownRead;
            if (!anotherSource && !written.contains(id))
                break;
            output = NumberedName(wanted[i], number);
            id = FileIdentity(output);
        }
        written.insert(id);
        plan.replacesSource.push_back(id == sourceIds[i] && id.starts_with("inode:") ? 1 : 0); // an existing file
        plan.sourcesReplaced += std::size_t(plan.replacesSource.back());
        plan.outputs.push_back(std::move(output));
    }
    plan.waits = EarlierOutputWaits(std::vector<std::filesystem::path>(sources.begin(), sources.begin() + count),
                                    plan.outputs);
    return plan;
}

std::vector<std::ptrdiff_t> EarlierOutputWaits(const std::vector<std::filesystem::path>& sources,
                                               const std::vector<std::filesystem::path>& outputs)
{
    std::vector<std::ptrdiff_t> waits(sources.size(), -1);
    std::map<std::filesystem::path, std::ptrdiff_t> latestWriter;
    for (std::size_t i = 0; i < sources.size() && i < outputs.size(); ++i) {
        if (const auto writer = latestWriter.find(SameFileKey(sources[i])); writer != latestWriter.end())
            waits[i] = writer->second;
        latestWriter[SameFileKey(outputs[i])] = std::ptrdiff_t(i);
    }
    return waits;
}

} // namespace snapwane
