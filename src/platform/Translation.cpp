// SPDX-License-Identifier: MIT
#include "platform/Translation.h"

#include "platform/PseudoTranslator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

QTranslator* loaded(QCoreApplication& app, const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(locale, name, QStringLiteral("_"), folder) && app.installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

QList<QTranslator*> Translation::install(QCoreApplication& app, const QLocale& locale)
{
    const QString ownFolder = QStringLiteral(":/i18n");
    QList<QTranslator*> installed;
    // English needs a translation of its own only for its plural forms ("%n photo(s)").
    QTranslator* english = loaded(app, QLocale(QLocale::English), QStringLiteral("snapwane"), ownFolder);
    installed << english;
    // Searched before the English: the last one installed answers first.
    if (locale.language() != QLocale::English && locale.language() != QLocale::C) {
        installed << loaded(app, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        installed << loaded(app, locale, QStringLiteral("snapwane"), ownFolder);
    }
    if (qEnvironmentVariableIsSet("SNAPWANE_PSEUDO_TRANSLATION")) {
        installed << new PseudoTranslator(english, &app);
        app.installTranslator(installed.last());
    }
    installed.removeAll(nullptr);
    return installed;
}

QString Translation::ofEngine(const snapwane::UserText& text)
{
    QString translated = QCoreApplication::translate(snapwane::kEngineTextContext, text.source);
    // One pass over the template, as the engine's English does: an argument that
    // holds "%2" itself stays as it is.
    QString filled;
    for (qsizetype i = 0; i < translated.size(); ++i) {
        const QChar c = translated.at(i);
        const int number = c == u'%' && i + 1 < translated.size() ? translated.at(i + 1).digitValue() : -1;
        if (number >= 1 && std::size_t(number) <= text.arguments.size()) {
            filled += QString::fromStdString(text.arguments[std::size_t(number) - 1]);
            ++i;
        } else {
            filled += c;
        }
    }
    return filled;
}
