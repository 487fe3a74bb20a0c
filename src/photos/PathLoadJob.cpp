// SPDX-License-Identifier: MIT
#include "photos/PathLoadJob.h"

#include "photos/FileLoader.h"
#include "photos/FolderLoadJob.h"
#include "photos/LoadRun.h"
#include "photos/PassedOverFiles.h"

#include <QDir>
#include <QFileInfo>

std::vector<PathLoadJob::Load> PathLoadJob::plan(const QStringList& paths)
{
    std::vector<Load> loads;
    for (const QString& path : paths) {
        if (path.isEmpty())
            continue;
        const QFileInfo info(path);
        // Relative names are the process's current folder's, as a shell means them.
        const QString absolute = QDir::cleanPath(info.absoluteFilePath());
        if (info.isDir())
            loads.push_back({true, {absolute}});
        else if (!loads.empty() && !loads.back().isFolder)
            loads.back().paths.append(absolute);
        else
            loads.push_back({false, {absolute}});
    }
    return loads;
}

bool PathLoadJob::start(LoadHost& host, const QStringList& paths)
{
    std::vector<Load> loads = plan(paths);
    if (loads.empty())
        return false;
    return LoadRun::start(host, [target = &host, loads = std::move(loads)](const std::atomic<bool>& closing) {
        run(*target, loads, closing);
    });
}

void PathLoadJob::run(LoadHost& host, const std::vector<Load>& loads, const std::atomic<bool>& closing)
{
    PassedOverFiles passedOver; // of all the loads, told once at the end
    for (std::size_t i = 0; i < loads.size() && !closing; ++i) {
        const bool moreToCome = i + 1 < loads.size();
        bool completed = false;
        if (loads[i].isFolder) {
            FolderLoadJob job(host);
            job.setMoreToCome(moreToCome);
            completed = job.loadFolder(loads[i].paths.front(), closing);
            passedOver.append(job.passedOver());
        } else {
            FileLoader loader(host);
            loader.setMoreToCome(moreToCome);
            completed = loader.load(loads[i].paths, closing);
            passedOver.append(loader.passedOver());
        }
        if (!completed)
            break;
    }
    passedOver.tell(closing);
}
