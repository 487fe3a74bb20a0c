#include "platform/Prompts.h"

#include "platform/GuiThreadCall.h"
#include "platform/QtPrompts.h"

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
