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
// The same from the file, reading only its header; 0 when it cannot be read.
std::size_t EstimateDecodeMemoryOfFile(const std::filesystem::path& path);

} // namespace snapwane
