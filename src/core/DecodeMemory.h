// SPDX-License-Identifier: MIT
// How much memory decoding a photo takes, told from its header before decoding,
// so that the work in flight can be held within a budget. A baseline photo is
// decoded a few rows at a time; a progressive one (or one whose first scan lacks
// some colour channels) holds the coefficients of the whole photo at once: two
// bytes per sample, so a 1 KB file declaring 10000 x 12000 pixels asks for
// hundreds of megabytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

namespace snapwane {

// What the photos worked on at once may take together.
inline constexpr std::size_t kDecodeMemoryBudget = std::size_t(256) << 20;

// Estimated bytes to decode the photo of these bytes (the header suffices);
// 0 when no frame header is found (the decoder refuses such a file anyway).
std::size_t EstimateDecodeMemory(std::span<const std::uint8_t> jpeg);
// The same from the file, walking its markers up to the first scan header
// whatever lies before it (segment bodies are stepped over, not read); 0 when it
// cannot be opened or is no regular file, which reading it refuses the same way.
std::size_t EstimateDecodeMemoryOfFile(const std::filesystem::path& path);

} // namespace snapwane
