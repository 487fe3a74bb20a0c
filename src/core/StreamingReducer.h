// SPDX-License-Identifier: MIT
// StreamingReducer: the reduction of one photo (decode, corrections, fitting,
// halvings and merge passes) run row by row as the decoder delivers the rows, so
// that no full-size copy of the photo is ever held.
//
// Contract: Reduce(jpeg, ...) gives exactly what ReduceJpegPlain gives for the
// same arguments: the same outcome and, when reduced, byte for byte the same
// pixels; the photo's orientation tag is applied with the user's rotation, as
// there. The width operations run on each row as it comes, the height operations
// over a few rows at a time; all four turns stream (a quarter turn runs the
// row-combining operations first, as they are the turned photo's width
// operations). Photos the row decoder does not take (CMYK, YCCK) go through the
// plain pipeline. A photo that is copied or does not fit is still decoded to the
// end, so that a damaged photo fails as it does in the plain pipeline.
// One reducer serves photo after photo and keeps its decoder and row buffers in
// between; use one per thread. Never throws.
#pragma once

#include "core/Corrections.h"
#include "core/JpegCodec.h"
#include "core/Orientation.h"
#include "core/PackedRows.h"
#include "core/ReducePhoto.h"
#include "core/RowCascade.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace snapwane {

class StreamingReducer {
public:
    ReducedPixels Reduce(std::span<const std::uint8_t> jpeg, int targetWidth, int targetHeight,
                         const Corrections& corrections);
    // The RGB colour profile of the photo of the last Reduce that read a header
    // (see JpegCodec::ReadHeader), to be written into the reduced photo.
    const std::vector<std::uint8_t>& colourProfile() const noexcept;

private:
    // The operations along one row: halvings, then one merge pass (out[k] is the
    // average of in[first[k]] and in[second[k]]), on a row read backwards when
    // `reversed`.
    struct RowSteps {
        int halvings = 0;
        bool reversed = false;
        std::vector<int> first, second;
        int size = 0; // pixels after all steps
    };
    struct Geometry;

    static Geometry TurnedGeometry(int decodedWidth, int height, const PhotoTurn& turn);
    ReducedPixels FitAndReduce(Geometry& geometry, int targetWidth, int targetHeight, const Corrections& corrections);
    ReducedPixels ReduceRows(const Geometry& geometry, const Corrections& corrections);
    void PrepareSteps(const Geometry& geometry);
    bool DecodeRows(const Geometry& geometry, const Corrections& corrections, PixelBuffer& output);
    void TakeRow(const Geometry& geometry, PackedPixel* row, int y, PixelBuffer& output);
    const PackedPixel* RunRowSteps(const RowSteps& steps, const PackedPixel* row, int count);
    bool DrainRows();

    JpegCodec::RowDecoder m_decoder;
    std::vector<PackedPixel> m_block;             // rows just decoded
    std::vector<PackedPixel> m_scratchA, m_scratchB;
    RowSteps m_rowSteps;                          // along each row
    RowCascade m_cascade;                         // across the rows
    std::array<std::uint8_t, 256> m_colourTable{}; // brightness, then contrast
};

} // namespace snapwane
