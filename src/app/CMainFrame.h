// SPDX-License-Identifier: MIT
#pragma once
#include <QMainWindow>
#include <QStringList>

class CMainView;
class CommandActions;
class LockKeys;
class QLabel;
class QMimeData;

// The main window: menu, dockable toolbar, status bar, and CMainView as its
// client. Every command is offered to the main view first; what the main view
// does not handle, the frame (toolbar and status-bar toggles, Exit) and then the
// application (About) carry out. The frame never gets smaller than 630 x 450.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int kMinWidth = 630;
    static constexpr int kMinHeight = 450;

    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    CMainView* view() const { return m_view; }
    CommandActions* commands() const { return m_commands; }

    // Routes command id: the main view, then the frame, then the application.
    void onCommand(int id);
    // Loads files and folders as if they were dropped onto the window; false, and
    // nothing happens, while the view loads or reduces.
    bool openPaths(const QStringList& paths);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createToolBar();
    void createStatusBar();
    void createMenus();
    QLabel* addStatusPane(int id, const QString& widestText);
    bool handleFrameCommand(int id);
    void showBarMarks();
    void showLockKeys(const LockKeys& state);

    // Members in the frame's order: status bar, toolbar, main view.
    QStatusBar* m_statusBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    CMainView* m_view = nullptr;

    CommandActions* m_commands = nullptr;
    QLabel* m_messagePane = nullptr;
    QLabel* m_countPane = nullptr;
    QLabel* m_capsLockPane = nullptr;
    QLabel* m_numLockPane = nullptr;
    QLabel* m_scrollLockPane = nullptr;
};
