// SPDX-License-Identifier: MIT
#pragma once
#include <QCoreApplication>
#include <QSet>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <vector>

// The two passes over a folder tree that load its JPEG files: the search pass
// counts them (names only, no file is opened) so the progress bar gets its
// range; the loading pass hands them one by one to the collection, depth first,
// each folder's photos by name and then its subfolders by name (the engine's
// ListPhotoFolder, as the batch reducer takes them), asking once, when it meets
// the first subfolder, whether subfolders are to be included. The answer holds
// for the rest of the load. What the loading pass cannot reach (a folder it
// may not list, a name that is not UTF-8) is passed over with its reason.
//
// Runs on the worker thread. Everything that touches the collection or a window
// goes through the Sink, whose implementation takes it to the GUI thread; the
// subfolder question and the capacity message go through Prompts.
class FolderLoader
{
    Q_DECLARE_TR_FUNCTIONS(FolderLoader)

public:
    enum class AppendOutcome { Appended, Skipped, Stop };

    class Sink
    {
    public:
        virtual ~Sink() = default;
        // Stop pressed, or the program wants the worker to end.
        virtual bool isStopRequested() = 0;
        // Makes isStopRequested() true (out of memory, capacity).
        virtual void requestStop() = 0;
        // A JPEG file is next: the progress position and the file-name line.
        virtual void showFound(int position, const QString& fileLine) = 0;
        // The append step: path to read, folder as enumerated, lower-case name.
        virtual AppendOutcome append(const QString& path, const QString& folder, const QString& name) = 0;
        virtual int photoCount() = 0;
        // The loading pass enters a folder whose JPEG files, in this order, are
        // the next ones append() may be asked for (before, between and after the
        // subfolders' files); leavingFolder() pairs with it. A sink may read
        // them ahead: none of them depends on the subfolder answer.
        virtual void enteringFolder(const QStringList& /*photoPaths*/) {}
        virtual void leavingFolder() {}
        // A file or folder the loading pass could not take, and why.
        virtual void passOver(const QString& path, const QString& reason) = 0;
    };

    explicit FolderLoader(Sink& sink) : m_sink(sink) {}

    // Search pass: the JPEG files of the whole tree, counted into foundCount().
    void CountPhotosInFolder(const QString& folder);
    // Loading pass: appends the folder's JPEG files, and its subfolders' once accepted.
    void LoadPhotosFromFolder(const QString& folder);

    // Starts a pass: the found counter back to 0 (the subfolder answer stays).
    void beginPass();
    int foundCount() const { return m_foundCount; }
    bool subfoldersAccepted() const { return m_subfoldersAccepted; }
    bool subfoldersDeclined() const { return m_subfoldersDeclined; }

private:
    // False for a folder this pass has entered already (a link loop).
    bool enterOnce(const QString& folder);
    bool includeSubfolder();
    // Loads one entered folder's photos, ending early on a stop.
    void loadPhotos(const QString& folder, const std::vector<std::filesystem::path>& photos);
    // False when the load must end after this file.
    bool loadFile(const QString& folder, const QString& realName, const QString& lowerName);

    Sink& m_sink;
    bool m_subfoldersAccepted = false;
    bool m_subfoldersDeclined = false;
    int m_foundCount = 0;
    QSet<QString> m_enteredFolders; // canonical paths, this pass
};
