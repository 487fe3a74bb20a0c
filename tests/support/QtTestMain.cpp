// SPDX-License-Identifier: MIT
// Test entry point for the program's widget tests: one QApplication on the
// offscreen platform, so no display is needed and no window ever appears.
#include "platform/Translation.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The tests compare the English texts and number forms, whatever the machine's language.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Translation::install(app, QLocale());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
