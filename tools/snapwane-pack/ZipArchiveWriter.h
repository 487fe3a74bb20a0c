#pragma once
// Writes one zip archive of a folder's files with Info-ZIP's zip: a plain,
// standard zip that every desktop opens, under the files' bare names. The
// archive appears complete or not at all: it is made in a private temporary
// folder and renamed into place.

#include <filesystem>
#include <vector>

class ZipArchiveWriter {
public:
    // Packs the files that FilesToPack names. False, with nothing written, when
    // there is no such file, zip is missing or any step fails.
    static bool Write(const std::filesystem::path& archive, const std::filesystem::path& folder);

    // The regular files directly in `folder`, sorted by name, leaving out what is
    // not a photo of the run: hidden files (the temporary files of an unfinished
    // write among them) and archives, the new one and those of earlier runs, by
    // name (.zip, .exe in any case) or by their first bytes (zip, ELF, MZ): an
    // archive never goes into another archive.
    static std::vector<std::filesystem::path> FilesToPack(const std::filesystem::path& archive,
                                                          const std::filesystem::path& folder);
};
