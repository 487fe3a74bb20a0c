// SPDX-License-Identifier: MIT
#pragma once
#include <QLoggingCategory>

// The program's logging categories. Each passed-over photo, refused file,
// failed write, failed shell action and caught exception is logged with its
// reason at info level; an exception of an unexpected type as a warning. Quiet
// by default: QT_LOGGING_RULES="snapwane.*=true" or `snapwane --verbose`
// switches them on. The engine's own entries (snapwane::Log) arrive here too.
Q_DECLARE_LOGGING_CATEGORY(lcLoad)   // snapwane.load: loading photos and folders
Q_DECLARE_LOGGING_CATEGORY(lcReduce) // snapwane.reduce: the reduction run and its packing
Q_DECLARE_LOGGING_CATEGORY(lcView)   // snapwane.view: showing and correcting photos
Q_DECLARE_LOGGING_CATEGORY(lcShell)  // snapwane.shell: the desktop's programs started for the user
Q_DECLARE_LOGGING_CATEGORY(lcWorker) // snapwane.worker: the worker thread

namespace Logging {
// Routes the engine's log into the categories above.
void routeEngineLog();
// Every snapwane category on, at every level (--verbose).
void enableAll();
} // namespace Logging
