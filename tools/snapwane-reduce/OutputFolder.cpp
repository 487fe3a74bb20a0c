// SPDX-License-Identifier: MIT
#include "OutputFolder.h"

#include "core/ReductionRules.h"

#include <cstdlib>
#include <fstream>
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

// The value of XDG_PICTURES_DIR in the desktop's user-dirs.dirs (quoted or not),
// "$HOME" replaced by the home folder; empty when the file names none, or a relative one.
fs::path PicturesFolderOfUserDirs(const fs::path& home)
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const fs::path configFolder = config && *config == '/' ? fs::path(config) : home / ".config";
    std::ifstream dirs(configFolder / "user-dirs.dirs");
    const std::string key = "XDG_PICTURES_DIR=";
    for (std::string line; std::getline(dirs, line);) {
        if (!line.starts_with(key))
            continue;
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.starts_with("$HOME"))
            value = home.string() + value.substr(5);
        return value.starts_with('/') ? fs::path(value) : fs::path();
    }
    return {};
}

}  // namespace

fs::path OutputFolder::PicturesFolder()
{
    const fs::path home = HomeFolder();
    if (home.empty())
        return {};
    const fs::path named = PicturesFolderOfUserDirs(home);
    return named.empty() ? home / "Pictures" : named;
}

fs::path OutputFolder::Prepare(const std::string& given, std::string& reason)
{
    const fs::path pictures = given.empty() ? PicturesFolder() : fs::path();
    if (given.empty() && pictures.empty()) {
        reason = "no home folder is known for the default Pictures folder";
        return {};
    }
    const fs::path folder = given.empty() ? snapwane::DatedOutputFolder(pictures) : fs::path(given);
    std::error_code error;
    fs::create_directories(folder, error);
    if (fs::is_directory(folder))
        return folder;
    if (!error)
        error = std::make_error_code(std::errc::not_a_directory);
    reason = folder.string() + ": " + error.message();
    return {};
}
