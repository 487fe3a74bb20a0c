#pragma once
#include <QFileInfo>
#include <QSet>
#include <QString>
#include <QStringList>

// The two passes over a folder tree that load its JPEG files: the search pass
// counts them (names only, no file is opened) so the progress bar gets its
// range; the loading pass hands them one by one to the collection, depth first
// in the file system's enumeration order, asking once, when it meets the first
// subfolder, whether subfolders are to be included. The answer holds for the
// rest of the load.
//
// Runs on the worker thread. Everything that touches the collection or a window
// goes through the Sink, whose implementation takes it to the GUI thread; the
// subfolder question and the capacity message go through Prompts.
class FolderLoader
{
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
    };

    explicit FolderLoader(Sink& sink) : m_sink(sink) {}

    // A JPEG name: lower-cased, longer than 4 and shorter than 250 characters,
    // ending ".jpg" or ".jpeg".
    static bool isJpegName(const QString& name);

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
    // Loads one entered folder's entries, ending early on a stop.
    void loadEntries(const QString& folder, const QFileInfoList& entries);
    // False when the load must end after this file.
    bool loadFile(const QString& folder, const QString& realName, const QString& lowerName);

    Sink& m_sink;
    bool m_subfoldersAccepted = false;
    bool m_subfoldersDeclined = false;
    int m_foundCount = 0;
    QSet<QString> m_enteredFolders; // canonical paths, this pass
};
