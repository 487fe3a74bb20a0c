// SPDX-License-Identifier: MIT
// Where each photo of a run is written.
//
// No photo may be lost to another's output: two photos of a run never share an
// output file (a camera card holds 100CAM/IMG_0001.JPG and 101CAM/IMG_0001.JPG;
// Beach.JPG and beach.jpg both lower-case to beach.jpg), and no output replaces a
// file that is the source of a listed photo, except that photo's own source. A
// wanted name that is taken gets " (2)", " (3)", ... before its extension, in
// list order, so the same list gives the same names on every run.
//
// One file listed again with the same corrections (a folder loaded twice) is the
// same photo: it is written once, by its first listing; the later ones share its
// output and write nothing. Listed again with other corrections it is another
// photo and gets its own output.
//
// Existing files that the run would write over (an unlisted file of the output
// folder, a photo's own source, the archive) are listed, so that the run can ask
// before any of them is replaced.
// Since no output is another listed photo's source, no photo reads what an
// earlier one wrote, whatever the number of photos worked on at once.
#pragma once

#include "core/Corrections.h"

#include <cstddef>
#include <filesystem>
#include <vector>

namespace snapwane {

struct OutputPlan {
    std::vector<std::filesystem::path> outputs; // one per photo; only a repeated photo shares its first's
    std::vector<std::ptrdiff_t> sameAs;         // the earlier listing a photo repeats (written by it), or -1
    std::vector<char> replacesSource;           // 1: the photo's output is its own source file
    std::size_t sourcesReplaced = 0;            // how many photos replace their own source
    std::vector<std::filesystem::path> replaced; // existing files written over: the photos', then alsoWritten's
};

// sources and wanted have one entry per photo; wanted is the output each photo
// would get by its name alone; corrections (empty: none for every photo) tell a
// repeated listing from another version of one file. alsoWritten are the other
// files the run writes (the archive). Files are compared as the same file however
// they are spelled (relative, "..", links, hard links).
OutputPlan PlanOutputs(const std::vector<std::filesystem::path>& sources,
                       const std::vector<std::filesystem::path>& wanted,
                       const std::vector<Corrections>& corrections = {},
                       const std::vector<std::filesystem::path>& alsoWritten = {});

// "name (n).ext" beside `path`.
std::filesystem::path NumberedName(const std::filesystem::path& path, int number);

} // namespace snapwane
