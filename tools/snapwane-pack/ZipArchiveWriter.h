// SPDX-License-Identifier: MIT
#pragma once
// Writes one zip archive of given files of a folder with Info-ZIP's zip: a plain,
// standard zip that every desktop opens, under the files' bare names, in the
// order given. The archive appears complete or not at all: it is made in a
// private temporary folder and renamed into place.

#include <filesystem>
#include <string>
#include <vector>

class ZipArchiveWriter {
public:
    // Packs the files of `folder` named in `names` (bare names) that StageFiles
    // takes. Empty when done; otherwise why not, with nothing written.
    static std::string Write(const std::filesystem::path& archive, const std::filesystem::path& folder,
                             const std::vector<std::string>& names);

    // Puts each named file of `folder` into `staging` under its entry name and
    // returns the entry names in the order given. Only regular files directly in
    // the folder are taken, each once, never through a link; left out are hidden
    // files (the temporary files of an unfinished write among them) and archives,
    // by name (.zip, .exe in any case) or by their first bytes (zip, ELF, MZ): an
    // archive never goes into another archive.
    static std::vector<std::string> StageFiles(const std::filesystem::path& folder,
                                               const std::vector<std::string>& names,
                                               const std::filesystem::path& staging);
};
