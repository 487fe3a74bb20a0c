// SPDX-License-Identifier: MIT
#include "core/Log.h"

#include <atomic>
#include <cstdio>

namespace snapwane {

namespace {

std::atomic<LogSink> g_sink{nullptr};
std::atomic<const char*> g_program{"snapwane"};

void WriteToStandardError(LogArea area, LogLevel level, const std::string& message)
{
    // One call per line, so lines of several threads do not interleave.
    std::fprintf(stderr, "%s: %s%s: %s\n", g_program.load(), level == LogLevel::Warning ? "warning: " : "",
                 LogAreaName(area), message.c_str());
}

} // namespace

void SetLogSink(LogSink sink)
{
    g_sink = sink;
}

void LogToStandardError(const char* program)
{
    g_program = program;
    g_sink = &WriteToStandardError;
}

const char* LogAreaName(LogArea area)
{
    switch (area) {
    case LogArea::Load: return "load";
    case LogArea::Reduce: return "reduce";
    case LogArea::View: return "view";
    case LogArea::Pack: return "pack";
    case LogArea::Shell: return "shell";
    case LogArea::Worker: return "worker";
    }
    return "snapwane";
}

void Log(LogArea area, const std::string& message, LogLevel level)
{
    if (const LogSink sink = g_sink.load())
        sink(area, level, message);
}

void LogUnexpected(LogArea area, const std::string& during, const std::exception* caught)
{
    if (!g_sink.load())
        return;
    try {
        Log(area, during + ": " + (caught ? caught->what() : "an exception of unknown type"), LogLevel::Warning);
    } catch (const std::exception&) {
        // No memory left for the message: the operation's own report stands.
    }
}

} // namespace snapwane
