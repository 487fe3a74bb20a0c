#pragma once
#include <QBasicTimer>
#include <QString>
#include <QWidget>

#include <atomic>
#include <vector>

#include "app/CommandSpec.h"
#include "imaging/PhotoViewHost.h"
#include "photos/CPhotoCollection.h"
#include "photos/CollectionEditor.h"
#include "photos/CollectionHost.h"
#include "photos/LoadHost.h"
#include "platform/WorkerHost.h"
#include "reduce/ReductionController.h"
#include "reduce/ReductionHost.h"

class CColorCorrectionDlg;
class CFileListView;
class CFileProgressDlg;
class CFullScreenDlg;
class CPhotoImage;
class CPhotoListView;
class CPhotoProgressDlg;
class CommandActions;

// The client window of the main frame and the centre of the program. It owns the
// photo collection, the three views of it (thumbnail grid, file list, single
// photo), the modeless windows and the one worker thread; it executes every
// photo command, decides when each command is enabled or marked, and shows the
// photo count in the status bar. The subsystems reach it only through the
// narrow hosts it implements (PhotoViewHost, CollectionHost, LoadHost,
// ReductionHost) and the views' signals.
//
// Thread contract: everything here runs on the GUI thread, except the loading
// and reducing flags, which a worker may clear (then it calls
// notifyStateChanged(), which is safe from any thread).
class CMainView : public QWidget,
                  public PhotoViewHost,
                  public CollectionHost,
                  public LoadHost,
                  public ReductionHost
{
    Q_OBJECT

public:
    static const QString kTitle;
    static const QString kHelpFileName;

    explicit CMainView(QWidget* parent = nullptr);
    ~CMainView() override;

    // --- Commands (CMainViewCommands.cpp) ---
    // The program's one command table: texts, icons, handlers, rules and marks.
    static const std::vector<CommandSpec>& commandTable();
    void attachCommands(CommandActions* actions);
    // Runs the command if it is the main view's; false lets the frame route it on.
    bool onCommand(int id);
    // Applies every enable rule and mark to the actions, and the photo count to
    // the status pane. The only place where the actions' state is set.
    void updateCommands();
    // Text of status pane 129.
    QString statusText() const { return m_statusText; }

    // --- State ---
    int photoCount() const override { return m_collection.count(); }
    CPhotoImage& photo(int index) const override;
    CPhotoCollection& collection() override { return m_collection; }
    const CPhotoCollection& collection() const override { return m_collection; }
    // Append, remove, remove all and the selection sync of the collection.
    CollectionEditor& collectionEditor() override { return m_collectionEditor; }
    int viewMode() const override { return m_viewMode; }
    void setViewMode(int mode) override;
    int currentIndex() const override { return m_currentIndex; }
    void setCurrentIndex(int index) override;
    bool isLoading() const override { return m_loading.load(); }
    void setLoading(bool loading) override;
    void loadEnded(bool gridTakesFocus) override;
    bool isReducing() const override { return m_reducing.load(); }
    void setReducing(bool reducing) override;
    bool isSlideShow() const { return m_slideShow; }
    void setSlideShow(bool on);
    bool areViewsBusy() const override { return m_viewsBusy.load(); }
    void setViewsBusy(bool busy) override;
    bool isBusy() const override { return isLoading() || isReducing(); }
    const QString& title() const override { return m_title; }
    const QString& startFolder() const { return m_startFolder; }
    // Full path of the current photo's file; empty when there is none.
    QString currentPhotoPath() const;

    // The photo at the current index; nullptr when the index reaches none.
    CPhotoImage* currentPhoto() const override;

    // --- Navigation (CMainViewNavigation.cpp) ---
    // Moves the current photo in the single-photo mode, then selects its row,
    // repaints it, marks it and lets an open colour correction follow; false
    // when the move does not apply.
    bool moveCurrentPhoto(PhotoMove move);
    // One tick of the slide-show clock.
    void onSlideShowTick();

    // Re-evaluates everything that depends on the state; callable from any thread.
    void notifyStateChanged() override;
    void redraw() override { update(); }

    // --- Children ---
    CPhotoListView* photoListView() const override { return m_photoListView; }
    CPhotoListView* singlePhotoView() const { return m_singlePhotoView; }
    CFileListView* fileList() const override { return m_fileList; }
    CPhotoProgressDlg* photoProgressDlg() const override { return m_photoProgressDlg; }
    CFileProgressDlg* fileProgressDlg() const override { return m_fileProgressDlg; }
    QWidget* mainWindow() const override { return window(); }
    CColorCorrectionDlg* colorCorrectionDlg() const { return m_colorCorrectionDlg; }
    CFullScreenDlg* fullScreenDlg() const { return m_fullScreenDlg; }

    // --- Worker ---
    WorkerHost& worker() override { return m_worker; }
    ReductionController& reduction() { return m_reduction; }
    // Asks a running worker to stop and waits for the file in hand; closing the
    // main window does this before the collection is released.
    void stopWorkerAndWait();

Q_SIGNALS:
    void statusTextChanged(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void createFileList();
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
    void rotateCurrentPhoto(int degrees);

    // Command handlers (CMainViewCommands.cpp).
    void onLoadFiles();
    void onLoadFolder();
    void onLoadCamera();
    void onRemovePhoto();
    void onRemoveAll();
    void onViewPhoto();
    void onFileList();
    void onPhotoList();
    void onFirstPhoto();
    void onPreviousPhoto();
    void onNextPhoto();
    void onLastPhoto();
    void onRotateLeft();
    void onRotateRight();
    void onColorCorrection();
    void onFullScreen();
    void onSlideShow();
    void onRunAndPrint();
    void onReduce();
    void onStop();
    void onHelp();
    void onHomePage();

    // Enable rules and marks (CMainViewCommands.cpp).
    bool isIdle() const;
    bool hasPhotosAndIdle() const;
    bool hasMarkedPhotoAndIdle() const;
    bool inSinglePhotoAndIdle() const;
    bool canGoBack() const;
    bool canGoForward() const;
    bool canSwitchSlideShow() const;
    bool hasCurrentPhotoInView() const;
    bool canStop() const;
    bool isPhotoListMode() const { return m_viewMode == PhotoListMode; }
    bool isFileListMode() const { return m_viewMode == FileListMode; }
    bool isSinglePhotoMode() const { return m_viewMode == SinglePhotoMode; }
    bool isColorCorrectionShown() const;
    bool isSlideShowOn() const { return m_slideShow; }

    // Members in the order of their roles: views, title, collection, modeless
    // windows, folders, state.
    CPhotoListView* m_photoListView = nullptr;   // child 135, the thumbnail grid
    CPhotoListView* m_singlePhotoView = nullptr; // child 136, the current photo
    QString m_title;
    CFileListView* m_fileList = nullptr; // child 1014, shows m_collection
    CPhotoCollection m_collection;
    CollectionEditor m_collectionEditor{*this};
    CPhotoProgressDlg* m_photoProgressDlg = nullptr; // template 146
    CFileProgressDlg* m_fileProgressDlg = nullptr;   // template 148
    QString m_startFolder;
    int m_viewMode = PhotoListMode;
    int m_currentIndex = -1;
    std::atomic<bool> m_reducing{false};
    QString m_statusText;
    std::atomic<bool> m_loading{false};
    bool m_slideShow = false;
    std::atomic<bool> m_viewsBusy{false};
    CColorCorrectionDlg* m_colorCorrectionDlg = nullptr; // template 166
    CFullScreenDlg* m_fullScreenDlg = nullptr;           // template 165

    QBasicTimer m_slideShowTimer;
    CommandActions* m_actions = nullptr; // the frame's; not owned
    WorkerHost m_worker;
    ReductionController m_reduction{*this};
};
