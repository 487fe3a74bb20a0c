// SPDX-License-Identifier: MIT
#include "platform/Prompts.h"

#include "platform/GuiThreadCall.h"
#include "platform/QtPrompts.h"

#include <QDialog>
#include <QPointer>
#include <QWidget>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace {
Prompts* g_installed = nullptr;
}

Prompts& Prompts::current()
{
    static QtPrompts dialogs;
    return g_installed ? *g_installed : dialogs;
}

Prompts* Prompts::install(Prompts* prompts)
{
    Prompts* previous = g_installed;
    g_installed = prompts;
    return previous;
}

void Prompts::inform(const QString& text)
{
    GuiThreadCall::run([text] { current().showInformation(text); });
}

QWidget* Prompts::showRunMessage(const QString& text)
{
    showInformation(text);
    return nullptr;
}

void Prompts::informDuringRun(const QString& text, const std::function<bool()>& stopped)
{
    // The message's state, shared by the waiting worker and the GUI thread.
    struct Shown
    {
        std::mutex mutex;
        std::condition_variable changed;
        bool open = false;   // up and not answered
        bool waiting = true; // the worker still waits for it
        QPointer<QWidget> message; // GUI thread only
    };
    auto shown = std::make_shared<Shown>();
    const auto answered = [shown] {
        {
            std::lock_guard lock(shown->mutex);
            shown->open = false;
        }
        shown->changed.notify_all();
    };
    GuiThreadCall::run([shown, text, answered] {
        QWidget* message = current().showRunMessage(text);
        if (!message)
            return;
        shown->message = message;
        QObject::connect(message, &QObject::destroyed, answered);
        if (auto* dialog = qobject_cast<QDialog*>(message))
            QObject::connect(dialog, &QDialog::finished, answered);
        std::unique_lock lock(shown->mutex);
        if (!shown->waiting) { // a stop released the worker meanwhile
            lock.unlock();
            message->close();
            return;
        }
        shown->open = true;
    });
    // Released by a stop or not, the message may be up. The stop flags are not
    // signals: look at them a few times a second.
    std::unique_lock lock(shown->mutex);
    while (shown->open && !stopped())
        shown->changed.wait_for(lock, std::chrono::milliseconds(50));
    shown->waiting = false;
    if (!shown->open)
        return;
    lock.unlock();
    // Posted, not waited for: closing the main window refuses calls that wait.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [shown] {
            if (shown->message)
                shown->message->close();
        },
        Qt::QueuedConnection);
}

bool Prompts::askYesNo(const QString& text)
{
    return GuiThreadCall::call<bool>([text] { return current().showYesNo(text); }).value_or(false);
}

QStringList Prompts::chooseFiles(const QString& title, const QString& filter)
{
    return GuiThreadCall::call<QStringList>([title, filter] {
               return current().showOpenFiles(title, filter);
           }).value_or(QStringList());
}

QString Prompts::chooseFolder(const QString& title, const QString& start)
{
    return GuiThreadCall::call<QString>([title, start] {
               return current().showFolderBrowser(title, start);
           }).value_or(QString());
}
