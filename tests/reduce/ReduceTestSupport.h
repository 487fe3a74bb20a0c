// SPDX-License-Identifier: MIT
#pragma once
// Helpers of the reduction's tests: reading the outputs back, and a home folder
// of the test's own (step 2 creates the dated output folder under it).
#include <QDir>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include "support/QtTestSupport.h"

#include <functional>

namespace reducetest {

// The size in the photo's header; -1 x -1 when it cannot be read.
QSize photoSize(const QString& path);

QByteArray fileBytes(const QString& path);

// Points HOME at a fresh folder for the life of the object.
class ScopedHome
{
public:
    ScopedHome();
    ~ScopedHome();
    ScopedHome(const ScopedHome&) = delete;
    ScopedHome& operator=(const ScopedHome&) = delete;

    QString path() const { return m_folder.path(); }
    // home + "/Pictures" + "/" + today.
    QString datedFolder() const;

private:
    QTemporaryDir m_folder;
    QByteArray m_previous;
    QByteArray m_previousConfig;
};

} // namespace reducetest
