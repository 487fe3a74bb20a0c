// SPDX-License-Identifier: MIT
#include "platform/RemovableMedia.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

QString RemovableMedia::cameraFolder(const QString& root, const QString& user)
{
#ifdef Q_OS_WIN
    Q_UNUSED(root);
    Q_UNUSED(user);
#else
    QString name = user.isEmpty() ? qEnvironmentVariable("USER") : user;
    if (name.isEmpty())
        name = QDir::home().dirName();
    QStringList places;
    if (!name.isEmpty())
        places << QStringLiteral("run/media/") + name << QStringLiteral("media/") + name;
    places << QStringLiteral("media");
    const QDir base(root);
    for (const QString& place : places) {
        const QString candidate = QDir::cleanPath(base.filePath(place));
        if (QFileInfo(candidate).isDir())
            return candidate;
    }
#endif
    return QDir::homePath();
}
