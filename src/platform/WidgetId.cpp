// SPDX-License-Identifier: MIT
#include "platform/WidgetId.h"

#include <QVariant>

namespace {
constexpr char kIdProperty[] = "snapwaneId";
}

void WidgetId::set(QObject* object, int id)
{
    object->setProperty(kIdProperty, id);
}

int WidgetId::of(const QObject* object)
{
    const QVariant value = object->property(kIdProperty);
    return value.isValid() ? value.toInt() : -1;
}

QObject* WidgetId::findObject(QObject* root, int id, const QMetaObject* type)
{
    if (!root)
        return nullptr;
    if (of(root) == id && type->cast(root))
        return root;
    for (QObject* child : root->children()) {
        if (QObject* found = findObject(child, id, type))
            return found;
    }
    return nullptr;
}
