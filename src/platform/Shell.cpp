// SPDX-License-Identifier: MIT
#include "platform/Shell.h"

#include "platform/GuiThreadCall.h"
#include "platform/Logging.h"
#include "platform/Prompts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QUrlQuery>

#include <mutex>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

QString Shell::cannotOpenMessage()
{
    return tr("%1 could not be opened: no program to open it was found.");
}

namespace {

std::mutex g_handlersMutex;
Shell::UrlOpener g_urlOpener;
Shell::ProgramRunner g_programRunner;

QString shownName(const QUrl& url)
{
    return url.isLocalFile() ? url.toLocalFile() : url.toString();
}

void reportFailure(const QUrl& url, const Shell::Failure& onFailure)
{
    qCInfo(lcShell) << "could not open" << url << ": no program to open it";
    if (onFailure)
        onFailure(shownName(url));
    else
        Prompts::inform(Shell::cannotOpenMessage().arg(shownName(url)));
}

// Qt only knows whether xdg-open started, not whether it found a program: its exit
// status says so. It is not waited for, as it may stay until the browser closes.
// GUI thread only.
void openOnDesktop(const QUrl& url, const Shell::Failure& onFailure)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProgram(QStringLiteral("xdg-open"));
    process->setArguments({url.toString(QUrl::FullyEncoded)});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, url, onFailure](int exitCode, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if (status != QProcess::NormalExit || exitCode != 0)
                             reportFailure(url, onFailure);
                     });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, url, onFailure](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        process->deleteLater();
        if (!QDesktopServices::openUrl(url))
            reportFailure(url, onFailure);
    });
    process->start();
#else
    if (!QDesktopServices::openUrl(url))
        reportFailure(url, onFailure);
#endif
}

Shell::ProgramResult runOnDesktop(const QString& program, const QStringList& arguments, const QByteArray& input)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardOutputFile(QProcess::nullDevice());
#ifdef Q_OS_WIN
    process.setCreateProcessArgumentsModifier(
        [](QProcess::CreateProcessArguments* args) { args->flags |= CREATE_NO_WINDOW; });
#endif
    process.start();
    if (!process.waitForStarted(-1))
        return {-1, process.errorString()};
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(-1);
    const QString errorOutput = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    if (process.exitStatus() != QProcess::NormalExit)
        return {-1, errorOutput};
    return {process.exitCode(), errorOutput};
}

} // namespace

void Shell::openPath(const QString& localPath, Failure onFailure)
{
    if (localPath.isEmpty())
        return;
    openUrl(QUrl::fromLocalFile(localPath), std::move(onFailure));
}

void Shell::openUrl(const QUrl& url, Failure onFailure)
{
    UrlOpener opener;
    {
        std::lock_guard lock(g_handlersMutex);
        opener = g_urlOpener;
    }
    GuiThreadCall::post(QCoreApplication::instance(), [url, opener, onFailure = std::move(onFailure)] {
        if (!opener)
            openOnDesktop(url, onFailure);
        else if (!opener(url))
            reportFailure(url, onFailure);
    });
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

Shell::ProgramResult Shell::runProgram(const QString& program, const QStringList& arguments, const QByteArray& input)
{
    ProgramRunner runner;
    {
        std::lock_guard lock(g_handlersMutex);
        runner = g_programRunner;
    }
    const ProgramResult result = runner ? runner(program, arguments, input) : runOnDesktop(program, arguments, input);
    if (result.exitCode != 0)
        qCInfo(lcShell) << program << arguments << "ended with" << result.exitCode << result.errorOutput;
    return result;
}

Shell::UrlOpener Shell::setUrlOpener(UrlOpener opener)
{
    std::lock_guard lock(g_handlersMutex);
    return std::exchange(g_urlOpener, std::move(opener));
}

Shell::ProgramRunner Shell::setProgramRunner(ProgramRunner runner)
{
    std::lock_guard lock(g_handlersMutex);
    return std::exchange(g_programRunner, std::move(runner));
}
