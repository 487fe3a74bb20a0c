// SPDX-License-Identifier: MIT
#pragma once
// Stands in for the desktop in a test: the default actions and program runs
// the program asks for are recorded instead of carried out, and answered with
// openSucceeds and programResult.
#include "platform/Shell.h"

#include <QList>
#include <QUrl>

#include <atomic>
#include <mutex>
#include <utility>

class RecordingShell
{
public:
    struct ProgramStart
    {
        QString program;
        QStringList arguments;
        QByteArray input;
    };

    RecordingShell()
    {
        m_previousOpener = Shell::setUrlOpener([this](const QUrl& url) {
            std::lock_guard lock(m_mutex);
            m_opened.append(url);
            return openSucceeds.load();
        });
        m_previousRunner = Shell::setProgramRunner(
            [this](const QString& program, const QStringList& arguments, const QByteArray& input) {
                std::lock_guard lock(m_mutex);
                m_started.append({program, arguments, input});
                return programResult;
            });
    }
    ~RecordingShell()
    {
        Shell::setUrlOpener(std::move(m_previousOpener));
        Shell::setProgramRunner(std::move(m_previousRunner));
    }
    RecordingShell(const RecordingShell&) = delete;
    RecordingShell& operator=(const RecordingShell&) = delete;

    QList<QUrl> opened() const
    {
        std::lock_guard lock(m_mutex);
        return m_opened;
    }
    QList<ProgramStart> started() const
    {
        std::lock_guard lock(m_mutex);
        return m_started;
    }

    std::atomic<bool> openSucceeds = true;
    Shell::ProgramResult programResult{0, {}}; // set before the run starts

private:
    mutable std::mutex m_mutex;
    QList<QUrl> m_opened;
    QList<ProgramStart> m_started;
    Shell::UrlOpener m_previousOpener;
    Shell::ProgramRunner m_previousRunner;
};
