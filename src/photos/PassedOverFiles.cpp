#include "photos/PassedOverFiles.h"

#include "platform/Prompts.h"

void PassedOverFiles::add(const QString& path, const QString& reason)
{
    m_lines.append(path + QStringLiteral(": ") + reason);
}

void PassedOverFiles::add(const QString& path, snapwane::PhotoCheck refusal)
{
    add(path, QString::fromStdString(snapwane::DescribePhotoCheck(refusal)));
}

void PassedOverFiles::append(const PassedOverFiles& other)
{
    m_lines.append(other.m_lines);
}

QString PassedOverFiles::message() const
{
    const qsizetype count = m_lines.size();
    QString text = count == 1 ? QStringLiteral("1 file was not loaded:\n")
                              : QStringLiteral("%1 files were not loaded:\n").arg(count);
    // One more name rather than "and 1 more".
    const qsizetype shown = count <= kMostNamesShown + 1 ? count : kMostNamesShown;
    for (qsizetype i = 0; i < shown; ++i)
        text += u'\n' + m_lines.at(i);
    if (shown < count)
        text += QStringLiteral("\n... and %1 more").arg(count - shown);
    return text;
}

void PassedOverFiles::tell(const std::atomic<bool>& closing) const
{
    if (!isEmpty() && !closing)
        Prompts::inform(message());
}
