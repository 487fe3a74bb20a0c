#include "platform/Shell.h"

#include "platform/GuiThreadCall.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QUrlQuery>

#include <mutex>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

std::mutex g_handlersMutex;
Shell::UrlOpener g_urlOpener;
Shell::ProgramStarter g_programStarter;

void openOnDesktop(const QUrl& url)
{
    // The desktop services belong to the GUI thread; nobody waits for the result.
    GuiThreadCall::post(QCoreApplication::instance(), [url] { QDesktopServices::openUrl(url); });
}

void startOnDesktop(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
#ifdef Q_OS_WIN
    process.setCreateProcessArgumentsModifier(
        [](QProcess::CreateProcessArguments* args) { args->flags |= CREATE_NO_WINDOW; });
#endif
    process.startDetached();
}

} // namespace

void Shell::openPath(const QString& localPath)
{
    if (localPath.isEmpty())
        return;
    openUrl(QUrl::fromLocalFile(localPath));
}

void Shell::openUrl(const QUrl& url)
{
    UrlOpener opener;
    {
        std::lock_guard lock(g_handlersMutex);
        opener = g_urlOpener;
    }
    if (opener)
        opener(url);
    else
        openOnDesktop(url);
}

QUrl Shell::mailTo(const QString& address, const QString& subject)
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(address);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), subject);
    url.setQuery(query);
    return url;
}

void Shell::startDetached(const QString& program, const QStringList& arguments)
{
    ProgramStarter starter;
    {
        std::lock_guard lock(g_handlersMutex);
        starter = g_programStarter;
    }
    if (starter)
        starter(program, arguments);
    else
        startOnDesktop(program, arguments);
}

Shell::UrlOpener Shell::setUrlOpener(UrlOpener opener)
{
    std::lock_guard lock(g_handlersMutex);
    return std::exchange(g_urlOpener, std::move(opener));
}

Shell::ProgramStarter Shell::setProgramStarter(ProgramStarter starter)
{
    std::lock_guard lock(g_handlersMutex);
    return std::exchange(g_programStarter, std::move(starter));
}
