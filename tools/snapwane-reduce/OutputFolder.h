// SPDX-License-Identifier: MIT
#pragma once
// Where the batch reducer writes: the folder given, or today's dated folder under
// the user's Pictures folder, as the program's wizard proposes.

#include <filesystem>
#include <string>

class OutputFolder {
public:
    // The folder, created with its parents when missing; empty when it cannot be had,
    // and then reason says which folder and why ("/out/photos: Permission denied").
    static std::filesystem::path Prepare(const std::string& given, std::string& reason);
    // The user's Pictures folder as the desktop names it: XDG_PICTURES_DIR of
    // $XDG_CONFIG_HOME/user-dirs.dirs (~/.config by default), else ~/Pictures;
    // empty when no home folder is known.
    static std::filesystem::path PicturesFolder();
};
