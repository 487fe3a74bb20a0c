// SPDX-License-Identifier: MIT
// ReducePhoto: one source JPEG file into one reduced JPEG file. Synchronous,
// no UI, never throws; says what it did.
//
// The plain pipeline, in this order:
//  1. read the whole source file;
//  2. decode it at full size (the width is made even; grey becomes RGB);
//  3. corrections, each only when set: brightness, contrast, grey; then the
//     turn: the photo's EXIF orientation tag (Orientation.h) and the user's
//     rotation from there, so the photo comes out upright;
//  4. when targetWidth >= W or targetHeight >= H (after the turn) nothing is
//     ever enlarged: a photo the user neither turned nor corrected is copied
//     byte for byte (its orientation tag alone is no change: the copy keeps
//     it); any other is encoded at its own size with the turn and corrections;
//  5. the box is fitted to the photo (FitBoxToPhoto); a fitted side of 0 (a
//     photo much wider than the box is tall, e.g. 12500 x 240 into 50 x 50)
//     passes the photo over (DoesNotFit) and writes nothing;
//  6. halve the width while W / tw >= 2, then one merge pass to tw with an odd
//     tw raised to the next even number; the same for the height;
//  7. encode at `quality` and write. Of the source's metadata the reduced photo
//     keeps only an RGB colour profile (ICC): no EXIF (so no orientation tag, no
//     camera data, date or GPS position), no comments. A copy is the source's
//     bytes, all metadata included.
// Steps 2 to 6 run row by row as the decoder delivers the rows (StreamingReducer),
// with exactly the result of doing them one after the other on the whole photo
// (ReduceJpegPlain, kept as the reference). Each thread keeps its decoder and
// buffers for its next photo.
// Outputs (the reduced file and the copy) are written into a temporary file in
// the output folder and renamed over the target when complete (a copy writes
// the bytes that were read and decoded, never the source read again): on failure the
// old file stays as it was and no temporary file remains. The output may be the
// source itself (same folder): the source is read completely first, and a photo
// that would be copied onto itself is left as it is.
#pragma once

#include "core/Corrections.h"
#include "core/PixelBuffer.h"
#include "core/UserText.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace snapwane {

enum class ReduceOutcome {
    Reduced,
    Copied,             // not larger than the box and untouched: the output is the source's bytes
    CannotOpenSource,
    ReadError,          // file error while reading the source
    NotDecodable,
    NoMemory,
    TooLargeToDecode,   // would take more memory than the photos in hand may take together
    InvalidTarget,      // target width or height not positive
    DoesNotFit,         // a side of the fitted box is 0
    EncodeFailed,       // e.g. a tiny result whose stream exceeds w x h x 3 bytes
    CannotCreateOutput, // missing or read-only folder, read-only output file
    WriteError,         // file error while writing or copying the output (full disk, I/O error)
    Failed,             // an error no step expected (logged with its description)
};

struct ReduceResult {
    ReduceOutcome outcome = ReduceOutcome::CannotOpenSource;
    int width = 0;      // size of the written photo (the source's upright size when copied)
    int height = 0;
    std::string reason; // English, for reports: "reduced to 640 x 426", "write error: File too large", ...
    int systemError = 0;        // the system's error number (errno) of a failed write, 0 otherwise
    bool outputFolderFailed = false; // the write failed for a reason every later photo would meet too
                                     // (full, over quota, read-only, missing or forbidden folder)

    bool Succeeded() const { return outcome == ReduceOutcome::Reduced || outcome == ReduceOutcome::Copied; }
    // The read and write errors of the file layer, which the program reports
    // with the file concerned and the reason. Every other failure is silent there.
    bool IsFileError() const
    {
        return outcome == ReduceOutcome::ReadError || outcome == ReduceOutcome::WriteError
            || outcome == ReduceOutcome::CannotCreateOutput;
    }
};

ReduceResult ReducePhoto(const std::filesystem::path& source, const std::filesystem::path& output,
                         int targetWidth, int targetHeight, int quality, const Corrections& corrections);

// ReducePhoto in two halves, so that several photos can be worked on at once and
// still be written one after the other in their order: PrepareReduction decodes,
// reduces and encodes the source's bytes (`file`) and writes nothing;
// CommitReduction then writes the encoded photo (or copies the source) to
// `output` and says what was done. ReducePhoto is the two in a row.
struct PreparedReduction {
    ReduceOutcome outcome = ReduceOutcome::NotDecodable; // Reduced or Copied: `stream` is to be written
    int width = 0;                                       // of the reduced photo, or the source's when copied
    int height = 0;
    std::vector<std::uint8_t> stream; // the encoded photo, or the source's bytes as read and checked when copied
};
PreparedReduction PrepareReduction(std::span<const std::uint8_t> file, int targetWidth, int targetHeight,
                                   int quality, const Corrections& corrections);
ReduceResult CommitReduction(const PreparedReduction& prepared, const std::filesystem::path& source,
                             const std::filesystem::path& output);
// PrepareReduction of the file at `source`, read first; a source that cannot be
// read gives its outcome (CannotOpenSource, ReadError, NoMemory), which
// CommitReduction then returns. ReducePhoto is this and CommitReduction in a row.
PreparedReduction PrepareReductionOfFile(const std::filesystem::path& source, int targetWidth, int targetHeight,
                                         int quality, const Corrections& corrections);

// Steps 3 to 6 on decoded RGB pixels of W x H as stored, with the photo's EXIF
// orientation tag: outcome Reduced with the reduced pixels, Copied (the photo is
// not larger than the box; no pixels), DoesNotFit, InvalidTarget or NoMemory (no
// pixels).
struct ReducedPixels {
    ReduceOutcome outcome = ReduceOutcome::NoMemory;
    PixelBuffer pixels;
};
ReducedPixels ReducePixels(PixelBuffer photo, int targetWidth, int targetHeight, const Corrections& corrections,
                           int orientation = 1);

// Steps 2 to 6 on JPEG bytes, the plain way: the whole photo decoded into one
// buffer, then the operations one after the other. NotDecodable when the bytes
// do not decode.
ReducedPixels ReduceJpegPlain(std::span<const std::uint8_t> jpeg, int targetWidth, int targetHeight,
                              const Corrections& corrections);

// Step 6 alone: halvings and one merge pass per direction (odd targets raised)
// into the fitted box. Empty on allocation failure.
PixelBuffer ShrinkIntoFittedBox(PixelBuffer photo, int fittedWidth, int fittedHeight);

// An outcome without sizes, e.g. "not a JPEG photo or damaged", and its English.
UserText ReduceOutcomeText(ReduceOutcome outcome);
std::string DescribeReduceOutcome(ReduceOutcome outcome);

} // namespace snapwane
