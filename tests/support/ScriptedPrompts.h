// SPDX-License-Identifier: MIT
#pragma once
// Scripted answers for everything modal the program asks: install one on the
// stack of a test and every message box, file dialog and folder browser answers
// from its queues instead of opening a window. A question with no answer left
// is declined (No, no files, no folder). Everything asked is recorded in order.
#include "platform/Prompts.h"
#include "platform/QtPrompts.h"

#include <QMessageBox>

#include <QString>
#include <QStringList>

#include <deque>

class ScriptedPrompts : public Prompts
{
public:
    ScriptedPrompts() : m_previous(Prompts::install(this)) {}
    ~ScriptedPrompts() override { Prompts::install(m_previous); }
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    // Answers, taken front first.
    std::deque<bool> yesNoAnswers;
    std::deque<QStringList> fileAnswers;
    std::deque<QString> folderAnswers;

    // When set, the messages of a run come up as the program's own window
    // (QtPrompts::createRunMessage) and stay until answered or stopped.
    bool realRunMessages = false;

    // Every prompt shown, in order: "inform: TEXT", "yesno: TEXT",
    // "files: TITLE | FILTER", "folder: TITLE | START".
    QStringList log;

    // Texts of the messages and questions only, in order.
    QStringList messages() const
    {
        QStringList texts;
        for (const QString& entry : log) {
            if (entry.startsWith(QLatin1String("inform: ")) || entry.startsWith(QLatin1String("yesno: ")))
                texts.append(entry.section(QLatin1String(": "), 1));
        }
        return texts;
    }

protected:
    void showInformation(const QString& text) override { log.append(QStringLiteral("inform: ") + text); }

    QWidget* showRunMessage(const QString& text) override
    {
        if (!realRunMessages)
            return Prompts::showRunMessage(text);
        log.append(QStringLiteral("inform: ") + text);
        QMessageBox* message = QtPrompts::createRunMessage(nullptr, text);
        message->show();
        return message;
    }

    bool showYesNo(const QString& text) override
    {
        log.append(QStringLiteral("yesno: ") + text);
        return take(yesNoAnswers, false);
    }

    QStringList showOpenFiles(const QString& title, const QString& filter) override
    {
        log.append(QStringLiteral("files: %1 | %2").arg(title, filter));
        return take(fileAnswers, QStringList());
    }

    QString showFolderBrowser(const QString& title, const QString& start) override
    {
        log.append(QStringLiteral("folder: %1 | %2").arg(title, start));
        return take(folderAnswers, QString());
    }

private:
    template <class T>
    static T take(std::deque<T>& answers, T declined)
    {
        if (answers.empty())
            return declined;
        T answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }

    Prompts* m_previous;
};
