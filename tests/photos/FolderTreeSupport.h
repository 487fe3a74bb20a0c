#pragma once
// Folder trees for the folder-loading tests.
#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>

namespace FolderTreeSupport {

// The file names under folder in the file system's own order, each subfolder's
// names in the place where the subfolder is met; lower-cased when asked.
inline QStringList enumerationOrder(const QString& folder, bool lowerCase = false)
{
    QStringList names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.toStdString())) {
        const QString name = QString::fromStdString(entry.path().filename().string());
        if (entry.is_directory())
            names += enumerationOrder(folder + u'/' + name, lowerCase);
        else
            names.append(lowerCase ? name.toLower() : name);
    }
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
