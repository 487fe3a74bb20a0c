// SPDX-License-Identifier: MIT
#pragma once
#include <QSize>
#include <QString>

#include <cstdint>

// The six sizes step 1 offers, in the order of its radio buttons, with their
// boxes and the size estimate shown in the caption of the size group.
class SizeChoice
{
public:
    // The index of the checked radio button; -1 when none is checked.
    enum Index : int { Size320 = 0, Size640, Size800, Size1024, Custom, Unchanged, Count };

    static QString caption(Index choice);
    static int controlId(Index choice);

    // The box of a choice; the custom one is taken as given, No change is the
    // box every photo is copied into.
    static QSize box(Index choice, int customWidth, int customHeight);

    struct Estimate
    {
        QString groupCaption;
        int outputBar = 0; // the output as a percentage of the input, 0 ... 100
    };
    // The estimate for photoCount photos of inputBytes bytes in all.
    static Estimate estimate(Index choice, int photoCount, std::uint64_t inputBytes);
};
