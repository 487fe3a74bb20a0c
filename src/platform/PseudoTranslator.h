// SPDX-License-Identifier: MIT
// A translation that makes every text about 40% longer, as German or Finnish
// texts often are, keeping what must not change (placeholders such as %1 and
// %n, the mnemonic's '&', markup, a shortcut after a tab) and bracketing the
// whole, so that a label or button too narrow for a real translation shows its
// cut end at once. Switched on by SNAPWANE_PSEUDO_TRANSLATION.
#pragma once

#include <QTranslator>

class PseudoTranslator : public QTranslator {
public:
    // `base` gives the text to lengthen (the English plural forms); may be null.
    explicit PseudoTranslator(const QTranslator* base, QObject* parent = nullptr);

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }

    // The lengthened text: at least 1.4 times as many characters as `text`.
    static QString lengthened(const QString& text);

private:
    const QTranslator* m_base;
};
