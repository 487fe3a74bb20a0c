// SPDX-License-Identifier: MIT
#pragma once
#include <QChar>
#include <QString>

#include <filesystem>

// Paths as the user sees them: native separators ("/" on Linux, "\" on
// Windows), and the root rule that keeps a root folder ("/", "E:\") from getting
// a doubled separator when a name or a separator is appended.
class NativePath
{
public:
    static QChar separator();
    // "/" on Linux; a drive root such as "E:\" on Windows.
    static bool isRoot(const QString& folder);
    // folder + separator + name, without doubling the separator of a root.
    static QString join(const QString& folder, const QString& name);
    // folder followed by one separator ("/photos" -> "/photos/", "/" stays "/").
    static QString withTrailingSeparator(const QString& folder);
    static QString toNative(const QString& path);
    // The path as the engine's file functions take it (the file system's own
    // encoding of the name, so non-ASCII names reach the same file).
    static std::filesystem::path toFileSystem(const QString& path);
    // The path of an engine's file function as text (the inverse of toFileSystem
    // for names in the file system's encoding).
    static QString fromFileSystem(const std::filesystem::path& path);
    // Where the reduced photos go by default: the user's Pictures folder, as the
    // desktop's other photo tools use; C:\Photos on Windows.
    static QString defaultOutputBase();
};
