#include "platform/UserGuide.h"

#include <QDir>
#include <QFileInfo>

QString UserGuide::path(const QString& programFolder)
{
    const QString installed =
        QDir::cleanPath(programFolder + QLatin1Char('/') + QStringLiteral(SNAPWANE_GUIDE_FROM_BINDIR));
    const QString besideTheBuild = programFolder + QStringLiteral("/docs/guide/index.html");
    for (const QString& candidate : {installed, besideTheBuild}) {
        if (QFileInfo(candidate).isFile())
            return QDir::toNativeSeparators(candidate);
    }
    return {};
}
