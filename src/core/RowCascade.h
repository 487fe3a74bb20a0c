// SPDX-License-Identifier: MIT
// RowCascade: the operations that combine rows (halvings, then at most one merge
// pass), run over rows as they come instead of over a whole photo.
//
// Each stage maps the index of an incoming row to the index of the row it makes
// and says whether that row is the average of two incoming rows. The first row of
// a pair waits in the stage until its partner comes; a row taken alone passes
// straight on; a row the operation drops (the last of an odd count) goes no
// further. Rows may come in increasing or in decreasing index order (a photo
// turned by 180 degrees delivers its rows bottom up): partners always come one
// after the other, and the average does not depend on which comes first. The
// results are exactly those of HalveHeight and ShrinkHeight (or, for a quarter
// turn, of HalveWidth and ShrinkWidth) on the whole photo.
// Buffers are kept from one photo to the next. Not thread-safe; no exceptions
// except std::bad_alloc from Prepare.
#pragma once

#include "core/PackedRows.h"
#include "core/PixelOps.h"

#include <cstdint>
#include <vector>

namespace snapwane {

class RowCascade {
public:
    // `rowCount` rows of `rowPixels` pixels, halved `halvings` times, then merged by
    // `taps` (none: no merge pass). May throw std::bad_alloc.
    void Prepare(int rowCount, int rowPixels, int halvings, const std::vector<MergeTap>& taps);

    // Hands on `row` (index `index` of the incoming rows). Returns the row that is
    // complete now and sets `made` to its index, or returns nullptr while a row
    // waits for its partner or is dropped. The returned row stays valid until the
    // next call.
    const PackedPixel* Push(const PackedPixel* row, int index, int& made);

private:
    struct Stage {
        std::vector<int> madeOf;          // index of the row each incoming row goes into; -1: dropped
        std::vector<std::uint8_t> paired; // 1: averaged with its neighbour
        std::vector<PackedPixel> waiting; // the first row of a pair
        int waitingFor = -1;              // index of the row `waiting` goes into
    };

    void PrepareHalving(Stage& stage, int rowCount);
    void PrepareMerge(Stage& stage, int rowCount, const std::vector<MergeTap>& taps);

    std::vector<Stage> m_stages;
    int m_stageCount = 0;
    int m_rowPixels = 0;
};

} // namespace snapwane
