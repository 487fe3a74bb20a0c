// SPDX-License-Identifier: MIT
#pragma once
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "photos/PassedOverFiles.h"
#include "photos/PhotoRecord.h"

#include <atomic>
#include <vector>

class CFileProgressDlg;
class LoadHost;

// Loading chosen JPEG files (command 130). Everything after the click runs on
// the host's worker thread: the open-file dialog, then each chosen file is
// read and made into its thumbnail (ahead, on every core) and handed to the GUI
// thread, which appends it, in the order of the selection; the file progress
// dialog counts them and its Stop button ends the load after the file in hand.
// Duplicates (same real path) and shell shortcuts are passed over silently;
// files that are no acceptable photo are listed with their reasons in one
// message at the end.
//
// Threads: start() on the GUI thread; run() on the worker. The worker never
// touches a widget or the collection itself: it asks the GUI thread
// (GuiThreadCall) and drives the progress dialog through its queued setters.
class FileLoader
{
    Q_DECLARE_TR_FUNCTIONS(FileLoader)

public:
    static QString dialogTitle();     // "Select and add JPEG photos"
    static QString filter();          // "Jpeg photos (*.jpg, *.jpeg)", matching any case
    static QString noMemoryMessage(); // "There is no free memory"
    static QString countCaption();    // "%1 of %2 loaded"

    // Sets the loading flag and starts the load; false while the host loads or reduces.
    static bool start(LoadHost& host);

    explicit FileLoader(LoadHost& host);
    // The whole load; closing is the worker's stop (the main window closes).
    void run(const std::atomic<bool>& closing);
    // The load of files already chosen (named on the command line, dropped), on the
    // worker: everything after the open-file dialog. False when it ended through a stop.
    bool load(const QStringList& files, const std::atomic<bool>& closing);
    // Another load follows on the same worker: the end steps leave the loading state on.
    void setMoreToCome(bool more) { m_moreToCome = more; }
    // The files this load left out, with their reasons.
    const PassedOverFiles& passedOver() const { return m_passedOver; }

    // The end steps every loader shares, run on the GUI thread. After a normal
    // end (all files done, or the dialog cancelled) the dialog reads "READY" and
    // the thumbnail view has the focus; after a stop the caption is empty and
    // the bar and file-name line keep their last values. Both clear the loading
    // flag and make row 0 selected and current.
    static void finishNormally(LoadHost& host);
    static void finishStopped(LoadHost& host);

private:
    struct Choice
    {
        QString path;      // as chosen: the real path
        QString shownPath; // lower case, for the file-name line
        bool passOver = false; // duplicate or shortcut
    };

    std::vector<Choice> planChoices(const QStringList& files, int& rowsHeld) const;
    bool loadChoices(const std::vector<Choice>& choices, int rowsHeld, const std::atomic<bool>& closing);
    bool appendNext(PhotosAhead& ahead, int index, const QString& path, int expected);
    void finish(bool stopped);

    LoadHost& m_host;
    CFileProgressDlg& m_progress;
    bool m_moreToCome = false;
    PassedOverFiles m_passedOver;
};
