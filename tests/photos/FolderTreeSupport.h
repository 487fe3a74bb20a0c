// SPDX-License-Identifier: MIT
#pragma once
// Folder trees for the folder-loading tests.
#include <QString>
#include <QStringList>

#include <algorithm>
#include <filesystem>
#include <functional>

namespace FolderTreeSupport {

// The file names under folder in the order a load takes them: the folder's
// files by lower-cased name, then each subfolder's (by name), depth first;
// lower-cased when asked. For trees of ASCII names.
inline QStringList nameOrder(const QString& folder, bool lowerCase = false)
{
    QStringList files, subfolders;
    for (const auto& entry : std::filesystem::directory_iterator(folder.toStdString()))
        (entry.is_directory() ? subfolders : files).append(QString::fromStdString(entry.path().filename().string()));
    const auto byLowerName = [](const QString& a, const QString& b) { return a.toLower() < b.toLower(); };
    std::sort(files.begin(), files.end(), byLowerName);
    std::sort(subfolders.begin(), subfolders.end(), byLowerName);
    QStringList names;
    for (const QString& name : files)
        names.append(lowerCase ? name.toLower() : name);
    for (const QString& name : subfolders)
        names += nameOrder(folder + u'/' + name, lowerCase);
    return names;
}

// Three photos in the folder and two in a subfolder, made by makeFile.
inline void makeThreePlusTwo(const QString& root, const QString& subfolder, const QStringList& topNames,
                             const std::function<void(const QString&)>& makeFile)
{
    for (const QString& name : topNames)
        makeFile(root + u'/' + name);
    std::filesystem::create_directory((root + u'/' + subfolder).toStdString());
    for (const char* name : {"q1.jpg", "q2.jpg"})
        makeFile(root + u'/' + subfolder + u'/' + QLatin1String(name));
}

} // namespace FolderTreeSupport
