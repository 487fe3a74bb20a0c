// SPDX-License-Identifier: MIT
#pragma once
// Photos that stand in the collection without a file behind them, for tests
// of rules that only count photos or read their paths.
#include "photos/CPhotoCollection.h"
#include "photos/PhotoRecord.h"

#include <QString>

inline void appendUnloadedPhoto(CPhotoCollection& collection, const QString& path)
{
    collection.append(PhotoRecord::Describe(path));
}
