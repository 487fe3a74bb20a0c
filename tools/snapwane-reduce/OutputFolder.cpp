#include "OutputFolder.h"

#include <cstdlib>
#include <ctime>
#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* user = getpwuid(getuid()); user && user->pw_dir)
        return user->pw_dir;
    return {};
}

std::string TodaysDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[16] = {};
    if (!localtime_r(&now, &local) || std::strftime(text, sizeof text, "%Y%m%d", &local) == 0)
        return {};
    return text;
}

}  // namespace

fs::path OutputFolder::TodaysDefault()
{
    const fs::path home = HomeFolder();
    if (home.empty())
        return {};
    return home / "Photos" / TodaysDate();
}

fs::path OutputFolder::Prepare(const std::string& given, std::string& reason)
{
    const fs::path folder = given.empty() ? TodaysDefault() : fs::path(given);
    if (folder.empty()) {
        reason = "no home folder is known for the default Photos folder";
        return {};
    }
    std::error_code error;
    fs::create_directories(folder, error);
    if (fs::is_directory(folder))
        return folder;
    if (!error)
        error = std::make_error_code(std::errc::not_a_directory);
    reason = folder.string() + ": " + error.message();
    return {};
}
