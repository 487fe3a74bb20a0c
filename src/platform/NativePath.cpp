// SPDX-License-Identifier: MIT
#include "platform/NativePath.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

QChar NativePath::separator()
{
    return QDir::separator();
}

bool NativePath::isRoot(const QString& folder)
{
#ifdef Q_OS_WIN
    return folder.size() == 3 && folder[0].isLetter() && folder[1] == u':'
        && (folder[2] == u'\\' || folder[2] == u'/');
#else
    return folder == QStringLiteral("/");
#endif
}

QString NativePath::join(const QString& folder, const QString& name)
{
    return withTrailingSeparator(folder) + name;
}

QString NativePath::withTrailingSeparator(const QString& folder)
{
    return isRoot(folder) ? folder : folder + separator();
}

QString NativePath::toNative(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

std::filesystem::path NativePath::toFileSystem(const QString& path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

QString NativePath::fromFileSystem(const std::filesystem::path& path)
{
#ifdef Q_OS_WIN
    return QString::fromStdWString(path.native());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}

QString NativePath::defaultOutputBase()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Photos");
#else
    return toNative(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
#endif
}
