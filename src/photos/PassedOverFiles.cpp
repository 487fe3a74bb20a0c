// SPDX-License-Identifier: MIT
#include "photos/PassedOverFiles.h"

#include "platform/Logging.h"
#include "platform/Prompts.h"
#include "platform/Translation.h"

void PassedOverFiles::add(const QString& path, const QString& reason)
{
    m_lines.append(path + QStringLiteral(": ") + reason);
    qCInfo(lcLoad).noquote() << "passed over" << m_lines.last();
}

void PassedOverFiles::add(const QString& path, snapwane::PhotoCheck refusal)
{
    add(path, Translation::ofEngine(snapwane::PhotoCheckText(refusal)));
}

void PassedOverFiles::append(const PassedOverFiles& other)
{
    m_lines.append(other.m_lines);
}

QString PassedOverFiles::message() const
{
    const qsizetype count = m_lines.size();
    QString text = tr("%n file(s) were not loaded:", nullptr, int(count)) + u'\n';
    // One more name rather than "and 1 more".
    const qsizetype shown = count <= kMostNamesShown + 1 ? count : kMostNamesShown;
    for (qsizetype i = 0; i < shown; ++i)
        text += u'\n' + m_lines.at(i);
    if (shown < count)
        text += u'\n' + tr("... and %n more", nullptr, int(count - shown));
    return text;
}

void PassedOverFiles::tell(const std::atomic<bool>& closing) const
{
    if (!isEmpty() && !closing)
        Prompts::inform(message());
}
