// SPDX-License-Identifier: MIT
#include "core/RowCascade.h"

#include <algorithm>

namespace snapwane {

void RowCascade::Prepare(int rowCount, int rowPixels, int halvings, const std::vector<MergeTap>& taps)
{
    m_rowPixels = rowPixels;
    m_stageCount = halvings + (taps.empty() ? 0 : 1);
    if (int(m_stages.size()) < m_stageCount)
        m_stages.resize(std::size_t(m_stageCount));
    for (int s = 0; s < halvings; ++s, rowCount /= 2)
        PrepareHalving(m_stages[std::size_t(s)], rowCount);
    if (!taps.empty())
        PrepareMerge(m_stages[std::size_t(halvings)], rowCount, taps);
    for (int s = 0; s < m_stageCount; ++s) {
        Stage& stage = m_stages[std::size_t(s)];
        stage.waiting.resize(std::size_t(rowPixels));
        stage.waitingFor = -1;
    }
}

void RowCascade::PrepareHalving(Stage& stage, int rowCount)
{
    stage.madeOf.resize(std::size_t(rowCount));
    stage.paired.assign(std::size_t(rowCount), 1);
    const int kept = rowCount / 2 * 2; // the last row of an odd count is dropped
    for (int r = 0; r < rowCount; ++r)
        stage.madeOf[std::size_t(r)] = r < kept ? r / 2 : -1;
}

void RowCascade::PrepareMerge(Stage& stage, int rowCount, const std::vector<MergeTap>& taps)
{
    stage.madeOf.assign(std::size_t(rowCount), -1);
    stage.paired.assign(std::size_t(rowCount), 0);
    for (std::size_t t = 0; t < taps.size(); ++t) {
        const auto first = std::size_t(taps[t].source);
        stage.madeOf[first] = int(t);
        if (taps[t].pair) {
            stage.madeOf[first + 1] = int(t);
            stage.paired[first] = stage.paired[first + 1] = 1;
        }
    }
}

const PackedPixel* RowCascade::Push(const PackedPixel* row, int index, int& made)
{
    for (int s = 0; s < m_stageCount; ++s) {
        Stage& stage = m_stages[std::size_t(s)];
        const int target = stage.madeOf[std::size_t(index)];
        if (target < 0)
            return nullptr;
        if (stage.paired[std::size_t(index)]) {
            if (stage.waitingFor != target) {
                std::copy(row, row + m_rowPixels, stage.waiting.data());
                stage.waitingFor = target;
                return nullptr;
            }
            AveragePackedRows(stage.waiting.data(), row, stage.waiting.data(), m_rowPixels);
            stage.waitingFor = -1;
            row = stage.waiting.data();
        }
        index = target;
    }
    made = index;
    return row;
}

} // namespace snapwane
