#include "app/CPhotoApp.h"

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "res/AppResources.h"
#include "res/ids.h"

const QString CPhotoApp::kDescription =
    QStringLiteral("Quickly prepares your photos for sending by email or via the Internet");

CPhotoApp::CPhotoApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Quenfield"));
    setApplicationName(QStringLiteral("Snapwane"));
    setApplicationVersion(QStringLiteral("1.3.0.0"));
    setDesktopFileName(QStringLiteral("snapwane"));
    setWindowIcon(AppResources::appIcon());
}

CPhotoApp::~CPhotoApp() = default;

bool CPhotoApp::initInstance()
{
    m_mainFrame = std::make_unique<CMainFrame>();
    m_mainFrame->showMaximized();
    return true;
}

bool CPhotoApp::onCommand(int id, QWidget* parent)
{
    if (id != ids::cmd::About)
        return false;
    CAboutDlg about(parent);
    about.exec();
    return true;
}
