#pragma once
// Stands in for the desktop in a test: the default actions and program starts
// the program asks for are recorded instead of carried out.
#include "platform/Shell.h"

#include <QList>
#include <QUrl>

#include <mutex>
#include <utility>

class RecordingShell
{
public:
    struct ProgramStart
    {
        QString program;
        QStringList arguments;
    };

    RecordingShell()
    {
        m_previousOpener = Shell::setUrlOpener([this](const QUrl& url) {
            std::lock_guard lock(m_mutex);
            m_opened.append(url);
        });
        m_previousStarter = Shell::setProgramStarter([this](const QString& program, const QStringList& arguments) {
            std::lock_guard lock(m_mutex);
            m_started.append({program, arguments});
        });
    }
    ~RecordingShell()
    {
        Shell::setUrlOpener(std::move(m_previousOpener));
        Shell::setProgramStarter(std::move(m_previousStarter));
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

private:
    mutable std::mutex m_mutex;
    QList<QUrl> m_opened;
    QList<ProgramStart> m_started;
    Shell::UrlOpener m_previousOpener;
    Shell::ProgramStarter m_previousStarter;
};
