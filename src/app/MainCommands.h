// SPDX-License-Identifier: MIT
#pragma once
#include <QObject>
#include <QString>

#include <vector>

#include "app/CommandSpec.h"

class CMainView;
class CommandActions;
class MainViewState;

// The program's one command table and everything around it: the main view's
// handlers, each command's enable rule and mark, and the photo count in the
// status bar. updateCommands() is the only place where the actions' state is
// set; the main view calls it whenever its state changes. GUI thread only.
class MainCommands : public QObject
{
    Q_OBJECT

public:
    MainCommands(CMainView& view, MainViewState& state);

    // Texts, icons, handlers, rules and marks, one row per command.
    static const std::vector<CommandSpec>& commandTable();
    void attachCommands(CommandActions* actions);
    // Runs the command if it is the main view's; false lets the frame route it on.
    bool onCommand(int id);
    // Applies every enable rule and mark to the actions, and the photo count to
    // the status pane.
    void updateCommands();
    // Text of status pane 129.
    QString statusText() const { return m_statusText; }

Q_SIGNALS:
    void statusTextChanged(const QString& text);

private:
    int photoCount() const;

    // Handlers.
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

    // Enable rules and marks.
    bool isIdle() const;
    bool hasPhotosAndIdle() const;
    bool hasMarkedPhotoAndIdle() const;
    bool inSinglePhotoAndIdle() const;
    bool canGoBack() const;
    bool canGoForward() const;
    bool canSwitchSlideShow() const;
    bool hasCurrentPhotoInView() const;
    bool canStop() const;
    bool isPhotoListMode() const;
    bool isFileListMode() const;
    bool isSinglePhotoMode() const;
    bool isColorCorrectionShown() const;
    bool isSlideShowOn() const;

    CMainView& m_view;
    MainViewState& m_state;
    CommandActions* m_actions = nullptr; // the frame's; not owned
    QString m_statusText;
};
