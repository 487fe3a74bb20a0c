// SPDX-License-Identifier: MIT
#pragma once
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <atomic>

#include "core/PhotoRules.h"

// The files a load left out, each with its reason, in the order met, and the
// one message that lists them when the load has ended: every way of loading
// (the file dialog, a folder tree, a camera, paths given) says what it passed
// over, at most kMostNamesShown names and a count of the rest. Files passed over
// on purpose (a photo already listed, a shortcut) are not added.
//
// Threads: filled and told on the loader's worker.
class PassedOverFiles
{
    Q_DECLARE_TR_FUNCTIONS(PassedOverFiles)

public:
    static constexpr int kMostNamesShown = 20;

    void add(const QString& path, const QString& reason);
    void add(const QString& path, snapwane::PhotoCheck refusal);
    void append(const PassedOverFiles& other);
    bool isEmpty() const { return m_lines.isEmpty(); }

    // "2 files were not loaded:\n\n/a/b.jpg: smaller than 320 x 240\n..."
    QString message() const;
    // Shows the message when files were left out, unless the main window is
    // closing; waits until it is answered.
    void tell(const std::atomic<bool>& closing) const;

private:
    QStringList m_lines; // "path: reason"
};
