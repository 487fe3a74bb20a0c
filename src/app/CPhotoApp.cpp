// SPDX-License-Identifier: MIT
#include "app/CPhotoApp.h"

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "core/Version.h"
#include "platform/Translation.h"
#include "res/AppResources.h"
#include "res/ids.h"

#include <QCommandLineParser>
#include <QTimer>

QString CPhotoApp::description()
{
    return tr("Quickly prepares your photos for sending by email or via the Internet");
}

CPhotoApp::CPhotoApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Quenfield"));
    setApplicationName(QStringLiteral("Snapwane"));
    setApplicationVersion(QString::fromLatin1(snapwane::kVersion));
    setDesktopFileName(QStringLiteral("io.github.snapwane.Snapwane"));
    setWindowIcon(AppResources::appIcon());
    Translation::install(*this, QLocale());
}

CPhotoApp::~CPhotoApp() = default;

void CPhotoApp::initInstance()
{
    m_mainFrame = std::make_unique<CMainFrame>();
    m_mainFrame->showMaximized();
}

void CPhotoApp::openPaths(const QStringList& paths)
{
    if (paths.isEmpty() || !m_mainFrame)
        return;
    // Queued: the window is shown and painted before the first load starts.
    QTimer::singleShot(0, m_mainFrame.get(), [frame = m_mainFrame.get(), paths] { frame->openPaths(paths); });
}

CPhotoApp::StartArguments CPhotoApp::parseArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    // "-reverse" is one option, not -r -e -v ...: Qt's own are written that way.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption verbose(QStringLiteral("verbose"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(verbose);
    // Qt's own options are known here too (the application object takes them out
    // later), so that an unknown option is refused before a display is needed.
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "style", "stylesheet",
                             "display", "geometry", "title", "name"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
    const bool understood = parser.parse(arguments);

    StartArguments start;
    start.paths = parser.positionalArguments();
    start.verbose = parser.isSet(verbose);
    if (parser.isSet(help))
        start.action = StartArguments::Help;
    else if (parser.isSet(version))
        start.action = StartArguments::Version;
    else if (!understood) {
        start.action = StartArguments::Refused;
        start.error = parser.errorText();
    }
    return start;
}

bool CPhotoApp::onCommand(int id, QWidget* parent)
{
    if (id != ids::cmd::About)
        return false;
    CAboutDlg about(parent);
    about.exec();
    return true;
}
