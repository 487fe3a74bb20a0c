#pragma once
// Where the batch reducer writes: the folder given, or today's dated folder under
// the default output base (the home folder's Photos), created like the wizard does.

#include <filesystem>
#include <string>

class OutputFolder {
public:
    // The folder, created with its parents when missing; empty when it cannot be had,
    // and then reason says which folder and why ("/out/photos: Permission denied").
    static std::filesystem::path Prepare(const std::string& given, std::string& reason);
    // The home folder + "/Photos" + "/" + today's local date as "%Y%m%d".
    static std::filesystem::path TodaysDefault();
};
