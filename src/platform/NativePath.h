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
    // Where the reduced photos go by default: the home folder + "/Photos";
    // C:\Photos on Windows.
    static QString defaultOutputBase();
    // The path as the engine's file functions take it (file names in the local
    // 8-bit encoding on Linux, wide names on Windows).
    static std::filesystem::path toFileSystemPath(const QString& path);
};
