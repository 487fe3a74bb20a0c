// SPDX-License-Identifier: MIT
// Entry point of the display tests: one QApplication on the X server that
// run-on-xvfb.sh started, with a window manager, so windows are framed,
// activated and painted onto the screen as a user sees them. The home folder,
// where the wizard makes its output folders, is a temporary one.
#include "platform/Translation.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    qputenv("HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    // The tests compare the English texts and number forms, whatever the machine's language.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Translation::install(app, QLocale());
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr, "The display tests need an X server: run them through run-on-xvfb.sh\n");
        return 2;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
