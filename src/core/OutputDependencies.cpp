#include "core/OutputDependencies.h"

#include <map>
#include <system_error>

namespace snapwane {

namespace {

std::filesystem::path SameFileKey(const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(std::filesystem::absolute(path, error), error);
    return error ? path.lexically_normal() : resolved;
}

} // namespace

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
