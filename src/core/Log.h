// SPDX-License-Identifier: MIT
// Log: the trace of what the engine and its front ends passed over, refused or
// failed at, each entry with its reason. Quiet until a front end installs a
// sink: the program routes the entries into its logging categories, the tools
// write them to standard error when asked (--verbose).
//   Log(LogArea::Reduce, "img_0001.jpg: cannot write: No space left on device");
// Thread-safe (any thread may log), Qt-free, never throws.
#pragma once

#include <exception>
#include <string>

namespace snapwane {

enum class LogArea { Load, Reduce, View, Pack, Shell, Worker };
// Info: an expected failure, reported to the user too; Warning: a failure no
// code expected (an exception of an unexpected type), always worth a look.
enum class LogLevel { Info, Warning };

using LogSink = void (*)(LogArea area, LogLevel level, const std::string& message);

// The sink every later entry goes to; nullptr makes the log quiet again.
void SetLogSink(LogSink sink);

// For the tools: entries go to standard error as "program: area: message".
void LogToStandardError(const char* program);

// "load", "reduce", "view", "pack", "shell", "worker".
const char* LogAreaName(LogArea area);

void Log(LogArea area, const std::string& message, LogLevel level = LogLevel::Info);

// Logs an exception caught at the edge of an operation that then ends: "during:
// what()" as a warning. Without an exception (caught by `...`) it says so.
void LogUnexpected(LogArea area, const std::string& during, const std::exception* caught);

} // namespace snapwane
