// SPDX-License-Identifier: MIT
#pragma once
#include <QIcon>
#include <QString>

// The program's own resources: the icons drawn for Snapwane (SVG, sharp at any
// screen density) compiled into the program.
class AppResources
{
public:
    // Makes the compiled-in resources available; safe to call more than once.
    static void init();
    // The icon named name (a file of src/res/icons without ".svg").
    static QIcon icon(const QString& name);
    static QIcon appIcon();
};
