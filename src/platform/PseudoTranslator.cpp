// SPDX-License-Identifier: MIT
#include "platform/PseudoTranslator.h"

namespace {

// Letters that keep their width and show that a text went through translation.
QChar accented(QChar c)
{
    static const QString plain = QStringLiteral("aeiouyAEIOUYnNcC");
    static const QString marked = QStringLiteral("áéíóúýÁÉÍÓÚÝñÑçÇ");
    const qsizetype at = plain.indexOf(c);
    return at < 0 ? c : marked.at(at);
}

QString accentedText(const QString& text)
{
    QString result;
    bool inTag = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'<')
            inTag = true;
        else if (c == u'>')
            inTag = false;
        const bool placeholder = i > 0 && text.at(i - 1) == u'%';
        result += inTag || placeholder ? c : accented(c);
    }
    return result;
}

} // namespace

PseudoTranslator::PseudoTranslator(const QTranslator* base, QObject* parent)
    : QTranslator(parent)
    , m_base(base)
{
}

QString PseudoTranslator::translate(const char* context, const char* sourceText, const char* disambiguation,
                                    int n) const
{
    QString text = m_base ? m_base->translate(context, sourceText, disambiguation, n) : QString();
    if (text.isEmpty())
        text = QString::fromUtf8(sourceText);
    return lengthened(text);
}

QString PseudoTranslator::lengthened(const QString& text)
{
    if (text.isEmpty())
        return text;
    // A shortcut after a tab ("&Contents\tF1") is the key's name, not text.
    const qsizetype tab = text.indexOf(u'\t');
    const QString words = tab < 0 ? text : text.left(tab);
    const QString shortcut = tab < 0 ? QString() : text.mid(tab);
    static const QString filler = QStringLiteral("ẋŵóñģ");
    const qsizetype wanted = (text.size() * 4 + 9) / 10; // 40% of the whole, rounded up, brackets included
    QString padding = QStringLiteral(" ");
    while (padding.size() < wanted - 2)
        padding += filler.at((padding.size() - 1) % filler.size());
    return u'[' + accentedText(words) + padding + u']' + shortcut;
}
