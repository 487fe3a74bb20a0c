// SPDX-License-Identifier: MIT
#pragma once

class CFileProgressDlg;
class CPhotoCollection;
class CPhotoProgressDlg;
class CollectionEditor;
class WorkerHost;

// What the loaders (FileLoader, FolderLoadJob) ask of the window that holds the
// collection: the collection to read and the editor that appends to it, the
// progress windows, the worker they run on, the loading flag and the end of a
// load. Implemented by MainLoadHost. GUI thread only, except where said.
class LoadHost
{
public:
    virtual ~LoadHost() = default;

    virtual CPhotoCollection& collection() = 0;
    // Any thread (the editor hands work over to the GUI thread itself).
    virtual CollectionEditor& collectionEditor() = 0;
    virtual CFileProgressDlg* fileProgressDlg() const = 0;
    // Whose caption a photo being read shows its path in; any thread.
    virtual CPhotoProgressDlg* photoProgressDlg() const = 0;
    virtual WorkerHost& worker() = 0;
    // Loading or reducing.
    virtual bool isBusy() const = 0;
    // Nothing paints while the flag is set; any thread.
    virtual void setLoading(bool loading) = 0;
    // After the flag was cleared at the end of a load: the thumbnail grid takes
    // the focus when gridTakesFocus, and the window is repainted.
    virtual void loadEnded(bool gridTakesFocus) = 0;
};
