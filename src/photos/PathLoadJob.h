// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QStringList>

#include <atomic>
#include <vector>

class LoadHost;

// Loading the files and folders named on the command line or dropped onto the
// main window: the files as "Load photos" loads chosen ones (same rules, same
// progress), each folder as "Load from folder" loads a chosen one (with its
// subfolder question), in the order given, one after the other on the host's
// worker. The loading state holds from the first load to the last; a stop ends
// them all. The files all of them left out are listed in one message at the end.
//
// Threads: start() on the GUI thread; the loads on the worker.
class PathLoadJob
{
public:
    // Consecutive files make one load, as one selection would; each folder is one.
    struct Load
    {
        bool isFolder = false;
        QStringList paths; // absolute; one for a folder
    };
    static std::vector<Load> plan(const QStringList& paths);

    // Starts the loads; false, and nothing happens, while the host loads or
    // reduces or when no path is given.
    static bool start(LoadHost& host, const QStringList& paths);

private:
    static void run(LoadHost& host, const std::vector<Load>& loads, const std::atomic<bool>& closing);
};
