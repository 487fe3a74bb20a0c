#include "platform/UserGuide.h"

#include <QDir>
#include <QFileInfo>

QString UserGuide::path(const QString& programFolder)
{
    const QString installed =
        QDir::cleanPath(programFolder + QLatin1Char('/') + QStringLiteral(SNAPWANE_GUIDE_FROM_BINDIR));
    for (const QString& candidate : {installed, QStringLiteral(SNAPWANE_SOURCE_GUIDE)}) {
        if (QFileInfo(candidate).isFile())
            return QDir::toNativeSeparators(candidate);
    }
    return {};
}
