// SPDX-License-Identifier: MIT
#include "platform/Logging.h"

#include "core/Log.h"

// Info and debug are off until asked for; warnings are on.
Q_LOGGING_CATEGORY(lcLoad, "snapwane.load", QtWarningMsg)
Q_LOGGING_CATEGORY(lcReduce, "snapwane.reduce", QtWarningMsg)
Q_LOGGING_CATEGORY(lcView, "snapwane.view", QtWarningMsg)
Q_LOGGING_CATEGORY(lcShell, "snapwane.shell", QtWarningMsg)
Q_LOGGING_CATEGORY(lcWorker, "snapwane.worker", QtWarningMsg)

namespace {

const QLoggingCategory& categoryOf(snapwane::LogArea area)
{
    switch (area) {
    case snapwane::LogArea::Load: return lcLoad();
    case snapwane::LogArea::Reduce:
    case snapwane::LogArea::Pack: return lcReduce();
    case snapwane::LogArea::View: return lcView();
    case snapwane::LogArea::Shell: return lcShell();
    case snapwane::LogArea::Worker: return lcWorker();
    }
    return lcWorker();
}

void toCategory(snapwane::LogArea area, snapwane::LogLevel level, const std::string& message)
{
    const QLoggingCategory& category = categoryOf(area);
    if (level == snapwane::LogLevel::Warning)
        qCWarning(category, "%s", message.c_str());
    else
        qCInfo(category, "%s", message.c_str());
}

} // namespace

namespace Logging {

void routeEngineLog()
{
    snapwane::SetLogSink(&toCategory);
}

void enableAll()
{
    QLoggingCategory::setFilterRules(QStringLiteral("snapwane.*=true"));
}

} // namespace Logging
