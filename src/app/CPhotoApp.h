#pragma once
#include <QApplication>

#include <memory>

class CMainFrame;

// The application object: names the program, creates the one main frame and
// shows it maximised, and carries out the About command. Nothing is stored
// between runs.
class CPhotoApp : public QApplication
{
    Q_OBJECT

public:
    static const QString kDescription;

    CPhotoApp(int& argc, char** argv);
    ~CPhotoApp() override;

    // Creates the main frame and shows it maximised; false when start-up failed.
    bool initInstance();
    // Commands the frame passes on; true when handled here.
    bool onCommand(int id, QWidget* parent);

    CMainFrame* mainFrame() const { return m_mainFrame.get(); }

private:
    std::unique_ptr<CMainFrame> m_mainFrame;
};
