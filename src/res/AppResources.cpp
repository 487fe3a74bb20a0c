// SPDX-License-Identifier: MIT
#include "res/AppResources.h"

// Q_INIT_RESOURCE must be used outside any namespace.
static void initSnapwaneResources()
{
    Q_INIT_RESOURCE(snapwane);
}

void AppResources::init()
{
    static const bool initialised = [] {
        initSnapwaneResources();
        return true;
    }();
    Q_UNUSED(initialised);
}

QIcon AppResources::icon(const QString& name)
{
    init();
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

QIcon AppResources::appIcon()
{
    return icon(QStringLiteral("snapwane"));
}
