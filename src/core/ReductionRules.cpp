// SPDX-License-Identifier: MIT
#include "core/ReductionRules.h"

#include "core/FileNames.h"

namespace snapwane {

std::string DateFolderName(std::time_t when)
{
    std::tm local{};
    char text[16] = {};
    if (!localtime_r(&when, &local) || std::strftime(text, sizeof text, "%Y%m%d", &local) == 0)
        return {};
    return text;
}

std::filesystem::path DatedOutputFolder(const std::filesystem::path& base)
{
    return base / DateFolderName(std::time(nullptr));
}

std::filesystem::path OutputPathOf(const std::filesystem::path& folder, const std::string& sourceName)
{
    return folder / LowerCasedName(sourceName);
}

std::filesystem::path ProgramFolder(const char* argv0)
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        return self.parent_path();
    if (!argv0)
        return {};
    return std::filesystem::absolute(argv0, error).parent_path();
}

} // namespace snapwane
