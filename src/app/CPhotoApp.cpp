#include "app/CPhotoApp.h"

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "core/Version.h"
#include "res/AppResources.h"
#include "res/ids.h"

#include <QTimer>

const QString CPhotoApp::kDescription =
    QStringLiteral("Quickly prepares your photos for sending by email or via the Internet");

CPhotoApp::CPhotoApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Quenfield"));
    setApplicationName(QStringLiteral("Snapwane"));
    setApplicationVersion(QString::fromLatin1(snapwane::kVersion));
    setDesktopFileName(QStringLiteral("io.github.snapwane.Snapwane"));
    setWindowIcon(AppResources::appIcon());
}

CPhotoApp::~CPhotoApp() = default;

bool CPhotoApp::initInstance()
{
    m_mainFrame = std::make_unique<CMainFrame>();
    m_mainFrame->showMaximized();
    return true;
}

void CPhotoApp::openPaths(const QStringList& paths)
{
    if (paths.isEmpty() || !m_mainFrame)
        return;
    // Queued: the window is shown and painted before the first load starts.
    QTimer::singleShot(0, m_mainFrame.get(), [frame = m_mainFrame.get(), paths] { frame->openPaths(paths); });
}

QStringList CPhotoApp::pathArguments(const QStringList& arguments)
{
    QStringList paths;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!optionsEnded && argument == QLatin1String("--"))
            optionsEnded = true;
        else if (optionsEnded || !argument.startsWith(QLatin1Char('-')))
            paths.append(argument);
    }
    return paths;
}

bool CPhotoApp::onCommand(int id, QWidget* parent)
{
    if (id != ids::cmd::About)
        return false;
    CAboutDlg about(parent);
    about.exec();
    return true;
}
