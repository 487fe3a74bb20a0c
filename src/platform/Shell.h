#pragma once
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

// The desktop's default action (help file, home page, new e-mail, a photo, a
// folder) and starting a helper program. Every failure is silent: the program
// never reports that the desktop could not open something. Callable from any
// thread.
class Shell
{
public:
    static void openPath(const QString& localPath);
    // An https: or mailto: address.
    static void openUrl(const QUrl& url);
    // A new e-mail to address with the subject filled in.
    static QUrl mailTo(const QString& address, const QString& subject);
    // Starts program detached and without a window; it is never waited for and
    // its result is ignored.
    static void startDetached(const QString& program, const QStringList& arguments);

    // Tests stand in for the desktop: every later action goes to the handler
    // instead. An empty handler restores the desktop. Returns the previous one.
    using UrlOpener = std::function<void(const QUrl&)>;
    using ProgramStarter = std::function<void(const QString& program, const QStringList& arguments)>;
    static UrlOpener setUrlOpener(UrlOpener opener);
    static ProgramStarter setProgramStarter(ProgramStarter starter);
};
