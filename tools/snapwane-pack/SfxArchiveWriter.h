#pragma once
// Writes one self-extracting archive of a folder's files: Info-ZIP's unzipsfx stub
// followed by a zip archive whose offsets are adjusted to the stub (zip -A). The result
// runs on Linux and opens in any zip tool. The archive appears complete or not at all:
// it is assembled in a private temporary folder and renamed into place.

#include <filesystem>
#include <vector>

class SfxArchiveWriter {
public:
    // Packs the regular files directly in `folder` under their bare names, leaving out
    // the archive itself when it lies there. False, with nothing written, when the folder
    // has no such file, a tool is missing or any step fails.
    static bool Write(const std::filesystem::path& archive, const std::filesystem::path& folder);

    // The files that Write packs, sorted by name.
    static std::vector<std::filesystem::path> FilesToPack(const std::filesystem::path& archive,
                                                          const std::filesystem::path& folder);
};
