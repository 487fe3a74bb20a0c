// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QWidget>

#include "app/MainCollectionHost.h"
#include "app/MainCommands.h"
#include "app/MainLoadHost.h"
#include "app/MainPhotoViewHost.h"
#include "app/MainReductionHost.h"
#include "app/MainViewState.h"
#include "app/PhotoNavigator.h"
#include "photos/CPhotoCollection.h"
#include "photos/CollectionEditor.h"
#include "platform/WorkerHost.h"
#include "reduce/ReductionController.h"

class CColorCorrectionDlg;
class CFileListView;
class CFileProgressDlg;
class CFullScreenDlg;
class CPhotoImage;
class CPhotoListView;
class CPhotoProgressDlg;

// The client window of the main frame and the centre of the program. It owns the
// photo collection, the three views of it (thumbnail grid, file list, single
// photo), the modeless windows, the one worker thread and the state they share
// (MainViewState); it lays the views out by the view mode and connects them.
// The commands (MainCommands) and the single-photo moves (PhotoNavigator) work
// on it; the subsystems reach it only through the narrow hosts it holds
// (PhotoViewHost, CollectionHost, LoadHost, ReductionHost) and the views' signals.
//
// Thread contract: GUI thread only; the state's flags that a worker may set are
// its own business (MainViewState).
class CMainView : public QWidget
{
    Q_OBJECT

public:
    static const QString kTitle;
    static const QString kHelpFileName;

    explicit CMainView(QWidget* parent = nullptr);
    ~CMainView() override;

    MainViewState& state() { return m_state; }
    const MainViewState& state() const { return m_state; }
    MainCommands& commands() { return m_commands; }
    PhotoNavigator& navigator() { return m_navigator; }

    CPhotoCollection& collection() { return m_collection; }
    const CPhotoCollection& collection() const { return m_collection; }
    // Append, remove, remove all and the selection sync of the collection.
    CollectionEditor& collectionEditor() { return m_collectionEditor; }
    const QString& title() const { return m_title; }
    const QString& startFolder() const { return m_startFolder; }
    // The photo at the current index; nullptr when the index reaches none.
    CPhotoImage* currentPhoto() const;
    // Full path of the current photo's file; empty when there is none.
    QString currentPhotoPath() const;

    // Re-lays out the views and applies the commands' rules; callable from any
    // thread (from a worker it happens later, on the GUI thread).
    void notifyStateChanged();

    // --- Children ---
    CPhotoListView* photoListView() const { return m_photoListView; }
    CPhotoListView* singlePhotoView() const { return m_singlePhotoView; }
    CFileListView* fileList() const { return m_fileList; }
    CPhotoProgressDlg* photoProgressDlg() const { return m_photoProgressDlg; }
    CFileProgressDlg* fileProgressDlg() const { return m_fileProgressDlg; }
    CColorCorrectionDlg* colorCorrectionDlg() const { return m_colorCorrectionDlg; }
    CFullScreenDlg* fullScreenDlg() const { return m_fullScreenDlg; }

    // --- Hosts the subsystems are given ---
    LoadHost& loadHost() { return m_loadHost; }

    // --- Worker ---
    WorkerHost& worker() { return m_worker; }
    ReductionController& reduction() { return m_reduction; }
    // Asks a running worker to stop and waits for the file in hand; closing the
    // main window does this before the collection is released.
    void stopWorkerAndWait();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createFileList();
    void watchState();
    void watchCollection();
    void repaintPhotoViews();
    void onFileListSelectionChanged();
    void onFileListDoubleClicked();
    void connectPhotoView(CPhotoListView* view);
    void onPhotoClicked(int index);
    void onPhotoDoubleClicked(int index);
    void onBackToGrid();
    void createModelessWindows();
    void layOutViews();

    // Members in the order of their roles: state, views, title, collection,
    // modeless windows, folders, hosts, commands.
    MainViewState m_state;
    CPhotoListView* m_photoListView = nullptr;   // child 135, the thumbnail grid
    CPhotoListView* m_singlePhotoView = nullptr; // child 136, the current photo
    QString m_title;
    CFileListView* m_fileList = nullptr; // child 1014, shows m_collection
    CPhotoCollection m_collection;
    MainCollectionHost m_collectionHost{*this};
    CollectionEditor m_collectionEditor{m_collectionHost};
    CPhotoProgressDlg* m_photoProgressDlg = nullptr; // template 146
    CFileProgressDlg* m_fileProgressDlg = nullptr;   // template 148
    QString m_startFolder;
    CColorCorrectionDlg* m_colorCorrectionDlg = nullptr; // template 166
    CFullScreenDlg* m_fullScreenDlg = nullptr;           // template 165

    MainPhotoViewHost m_photoViewHost{*this};
    MainLoadHost m_loadHost{*this};
    MainReductionHost m_reductionHost{*this};
    MainCommands m_commands{*this, m_state};
    PhotoNavigator m_navigator{*this, m_state};
    WorkerHost m_worker;
    ReductionController m_reduction{m_reductionHost};
};
