// SPDX-License-Identifier: MIT
#pragma once
#include <QCoreApplication>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

// The desktop's default action (help file, home page, new e-mail, a photo, a
// folder) and running a helper program. An action the desktop cannot carry out
// is reported with its path or address, so that a user with no browser or file
// manager learns why nothing opened. Callable from any thread.
class Shell
{
    Q_DECLARE_TR_FUNCTIONS(Shell)

public:
    static QString cannotOpenMessage(); // %1: the path or address

    // Called on the GUI thread with the path or address that could not be opened;
    // an empty one shows kCannotOpenMessage.
    using Failure = std::function<void(const QString& shown)>;

    static void openPath(const QString& localPath, Failure onFailure = {});
    // An https: or mailto: address, or a file.
    static void openUrl(const QUrl& url, Failure onFailure = {});
    // A new e-mail to address with the subject filled in.
    static QUrl mailTo(const QString& address, const QString& subject);

    struct ProgramResult
    {
        int exitCode = -1;   // -1: it could not be started or did not exit normally
        QString errorOutput; // what it wrote on its standard error
    };
    // Runs program without a window, input on its standard input, and waits for
    // it: for worker threads only, never the GUI thread.
    static ProgramResult runProgram(const QString& program, const QStringList& arguments, const QByteArray& input);

    // Tests stand in for the desktop: every later action goes to the handler
    // instead. An empty handler restores the desktop. Returns the previous one.
    // The opener answers whether the desktop could open the address.
    using UrlOpener = std::function<bool(const QUrl&)>;
    using ProgramRunner =
        std::function<ProgramResult(const QString& program, const QStringList& arguments, const QByteArray& input)>;
    static UrlOpener setUrlOpener(UrlOpener opener);
    static ProgramRunner setProgramRunner(ProgramRunner runner);
};
