// SPDX-License-Identifier: MIT
#include "reduce/SizeChoice.h"

#include "core/ReductionRules.h"
#include "res/ids.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

struct Row
{
    int controlId;
    const char* caption;
    int width;  // 0: not a preset
    int height;
    unsigned kilobytesPerPhoto;
};

// clang-format off
const Row kRows[SizeChoice::Count] = {
    {ids::wizardStep1::Size320,       QT_TRANSLATE_NOOP("SizeChoice", "320 x 240     (~15 KBytes) "),   320, 240, 15},
    {ids::wizardStep1::Size640,       QT_TRANSLATE_NOOP("SizeChoice", "640 x 480     (~45 KBytes) "),   640, 480, 45},
    {ids::wizardStep1::Size800,       QT_TRANSLATE_NOOP("SizeChoice", "800 x 600     (~90 KBytes)  "),  800, 600, 90},
    {ids::wizardStep1::Size1024,      QT_TRANSLATE_NOOP("SizeChoice", "1024 x 768   (~130 KBytes) "),  1024, 768, 130},
    {ids::wizardStep1::SizeCustom,    QT_TRANSLATE_NOOP("SizeChoice", "Other: "),                         0,   0, 0},
    {ids::wizardStep1::SizeUnchanged, QT_TRANSLATE_NOOP("SizeChoice", "No change (copy only)"),           0,   0, 0},
};
// clang-format on

const Row& rowOf(SizeChoice::Index choice)
{
    return kRows[std::clamp<int>(choice, 0, SizeChoice::Count - 1)];
}

QString totalCaption(std::uint64_t kilobytes)
{
    return QCoreApplication::translate("SizeChoice", "Output photo size:      Total ~ %1 KBytes").arg(kilobytes);
}

} // namespace

QString SizeChoice::caption(Index choice)
{
    return QCoreApplication::translate("SizeChoice", rowOf(choice).caption);
}

int SizeChoice::controlId(Index choice)
{
    return rowOf(choice).controlId;
}

QSize SizeChoice::box(Index choice, int customWidth, int customHeight)
{
    if (choice == Custom)
        return {customWidth, customHeight};
    if (choice == Unchanged)
        return {snapwane::kUnchangedBoxSide, snapwane::kUnchangedBoxSide};
    const Row& row = rowOf(choice);
    return {row.width, row.height};
}

// K = the input in whole kilobytes. The bar compares the estimated output with
// it; an input under 1000 bytes (K = 0) cannot be smaller than any estimate, so
// the bar is full then.
SizeChoice::Estimate SizeChoice::estimate(Index choice, int photoCount, std::uint64_t inputBytes)
{
    const std::uint64_t inputKilobytes = inputBytes / 1000;
    if (choice == Custom)
        return {QCoreApplication::translate("SizeChoice", "Output photo size"), 0};
    if (choice == Unchanged)
        return {totalCaption(inputKilobytes), 100};
    const std::uint64_t outputKilobytes = std::uint64_t(std::max(photoCount, 0)) * rowOf(choice).kilobytesPerPhoto;
    const std::uint64_t percent = inputKilobytes == 0 ? 100 : outputKilobytes * 100 / inputKilobytes;
    return {totalCaption(outputKilobytes), int(std::min<std::uint64_t>(percent, 100))};
}
