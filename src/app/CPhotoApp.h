// SPDX-License-Identifier: MIT
#pragma once
#include <QApplication>
#include <QStringList>

#include <memory>

class CMainFrame;

// The application object: names the program, creates the one main frame and
// shows it maximised, and carries out the About command. Nothing is stored
// between runs.
class CPhotoApp : public QApplication
{
    Q_OBJECT

public:
    static QString description();

    CPhotoApp(int& argc, char** argv);
    ~CPhotoApp() override;

    // Creates the main frame and shows it maximised.
    void initInstance();
    // Loads the files and folders named on the command line once the window is
    // shown, as if they were dropped onto it.
    void openPaths(const QStringList& paths);
    // What the command line asks (after the program's name): -h/--help and
    // -v/--version win over everything else; Qt's own options (-style fusion)
    // are taken, any other option is refused; every other argument is a path to
    // load, and all after "--" are. --verbose switches the program's log on.
    struct StartArguments {
        enum Action { Run, Help, Version, Refused } action = Run;
        bool verbose = false;
        QStringList paths;
        QString error; // with Refused: the message for the user
    };
    static StartArguments parseArguments(const QStringList& arguments);
    // Commands the frame passes on; true when handled here.
    bool onCommand(int id, QWidget* parent);

    CMainFrame* mainFrame() const { return m_mainFrame.get(); }

private:
    std::unique_ptr<CMainFrame> m_mainFrame;
};
