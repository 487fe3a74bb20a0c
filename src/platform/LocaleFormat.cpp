// SPDX-License-Identifier: MIT
#include "platform/LocaleFormat.h"

#include "core/TextFormat.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

#include <chrono>

bool LocaleFormat::fixedForms()
{
    const QLocale::Language language = QLocale().language();
    return language == QLocale::English || language == QLocale::C;
}

QString LocaleFormat::byteCount(std::uintmax_t bytes)
{
    if (fixedForms())
        return QString::fromStdString(snapwane::FormatByteCount(bytes));
    return QLocale().toString(qulonglong(bytes));
}

QString LocaleFormat::fileTime(std::filesystem::file_time_type time)
{
    if (fixedForms())
        return QString::fromStdString(snapwane::FormatFileTime(time));
    const auto system = std::chrono::file_clock::to_sys(time);
    const auto seconds = std::chrono::time_point_cast<std::chrono::seconds>(system).time_since_epoch().count();
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(seconds), QLocale::ShortFormat);
}

QString LocaleFormat::dimensions(int width, int height)
{
    return QCoreApplication::translate("LocaleFormat", "%1 x %2").arg(width).arg(height);
}
