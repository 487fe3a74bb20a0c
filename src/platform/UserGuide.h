#pragma once
#include <QString>

// Where the user guide is. The install puts it under share/snapwane/docs/guide,
// found relative to the program's folder so that any install prefix works; a
// program run from its build tree opens the copy the build puts in docs/ beside it.
class UserGuide
{
public:
    // The guide's index page; empty when neither copy exists.
    static QString path(const QString& programFolder);
};
