// SPDX-License-Identifier: MIT
#pragma once
#include <QObject>

// Gives widgets, dialogs and actions the numeric id the program's descriptions
// use for them (see res/ids.h), and finds them again by that id. Tests address
// controls and commands this way.
class WidgetId
{
public:
    static void set(QObject* object, int id);
    // The id given to the object, or -1 when it has none.
    static int of(const QObject* object);
    // The first object below root (depth first, root itself included) that
    // carries the id and has the type T; nullptr when there is none.
    template <class T = QObject>
    static T* find(QObject* root, int id)
    {
        return qobject_cast<T*>(findObject(root, id, &T::staticMetaObject));
    }

private:
    static QObject* findObject(QObject* root, int id, const QMetaObject* type);
};
