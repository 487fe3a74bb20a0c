// SPDX-License-Identifier: MIT
// The program in the user's language: its own texts (translations/*.ts, built
// into the program) and Qt's (its dialogs and buttons, from the qtbase_*.qm
// where Qt keeps its translations).
#pragma once

#include "core/UserText.h"

#include <QList>
#include <QLocale>
#include <QString>

class QCoreApplication;
class QTranslator;

class Translation {
public:
    // Installs on `app` the English plural forms, then the translations of
    // `locale`'s language over them. With SNAPWANE_PSEUDO_TRANSLATION set, every
    // text comes out 40% longer, to show where a window would cut a translation.
    // Returns the translators installed, which `app` owns.
    static QList<QTranslator*> install(QCoreApplication& app, const QLocale& locale);

    // An engine text in the user's language, with its arguments put in.
    static QString ofEngine(const snapwane::UserText& text);
};
