// Which photo of a list must be written before another can be read: when a
// photo's source file is an earlier photo's output (the output folder is the
// source folder, or the list names an output again), that source may only be
// read once the earlier photo has been written, or the result would depend on
// the number of photos worked on at once.
#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

namespace snapwane {

// For each photo, the index of the latest earlier photo whose output is its
// source, or -1. Paths are compared as the same file however they are spelled
// (relative, "..", links). sources and outputs have one entry per photo.
std::vector<std::ptrdiff_t> EarlierOutputWaits(const std::vector<std::filesystem::path>& sources,
                                               const std::vector<std::filesystem::path>& outputs);

} // namespace snapwane
