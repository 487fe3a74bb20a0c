// SPDX-License-Identifier: MIT
#pragma once
#include <QCoreApplication>
#include <QString>

#include <functional>

#include "photos/PhotoRecord.h"

class CollectionHost;

// The collection's operations that also move the main view's state: the GUI
// half of the append step, Remove selected (132), Remove all (133), and keeping
// the file list's selection, the photos' selected flags and the current index
// in step. Works on its host's collection and file list; GUI thread only,
// except appendFromWorker.
class CollectionEditor
{
    Q_DECLARE_TR_FUNCTIONS(CollectionEditor)

public:
    static QString removeAllQuestion();

    explicit CollectionEditor(CollectionHost& host) : m_host(host) {}

    // For a loader's worker thread: hands a loaded record to the GUI thread,
    // which appends it and then, in the same step, runs shown with the
    // collection's count (the loader's progress), so that one photo costs the
    // GUI thread one call; false when it was not appended (full, or the main
    // window is closing).
    bool appendFromWorker(PhotoRecord& record, std::function<void(int count)> shown = {});

    // Appends a loaded record; the first photo of an empty collection becomes
    // current and selected at once. false when the collection is full.
    bool append(PhotoRecord record);
    // Removes the selected row. The row above becomes current and selected.
    // After removing row 0 the single-photo view keeps its current index and
    // selects the photo it now shows; the other views select no row, and the
    // current index stays where it was, moved onto the last photo if it no
    // longer reaches one.
    void removeSelected();
    // Asks first; anything but Yes changes nothing.
    void removeAll();

    // Any change of the file list's selection (a click, a key, a command): the
    // selected row's photo becomes the one marked, none when no row is
    // selected (ignored while a load runs). The current index does not move.
    void markSelectedRow();
    // After a move of the current photo in the single-photo mode: the current
    // photo alone is marked and its row selected (not while the views prepare
    // an image).
    void markCurrentPhoto();
    // The end of every load: row 0 selected and focused, and current.
    void selectFirstRow();
    // The same after the file list took the focus.
    void focusFirstRow();

private:
    void markOnly(int index);
    void afterEmptied();

    CollectionHost& m_host;
};
