// SPDX-License-Identifier: MIT
#include "ReduceTestSupport.h"

#include "core/PhotoRules.h"
#include "platform/NativePath.h"
#include "reduce/CWizStep2Dlg.h"

#include <QCoreApplication>
#include <QFile>

#include <vector>

namespace reducetest {

QSize photoSize(const QString& path)
{
    const snapwane::PhotoFileCheck check = snapwane::CheckPhotoFile(NativePath::toFileSystem(path));
    if (check.width <= 0 || check.height <= 0)
        return {-1, -1};
    return {check.width, check.height};
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ScopedHome::ScopedHome()
    : m_previous(qgetenv("HOME"))
    , m_previousConfig(qgetenv("XDG_CONFIG_HOME"))
{
    qputenv("HOME", QFile::encodeName(m_folder.path()));
    qunsetenv("XDG_CONFIG_HOME");
}

ScopedHome::~ScopedHome()
{
    qputenv("HOME", m_previous);
    if (!m_previousConfig.isNull())
        qputenv("XDG_CONFIG_HOME", m_previousConfig);
}

QString ScopedHome::datedFolder() const
{
    return m_folder.path() + QStringLiteral("/Pictures/") + CWizStep2Dlg::todayText();
}

} // namespace reducetest
