#pragma once

#include <QQuickItem>
#include <QString>

// Items by objectName through the visual tree (delegates of lists and repeaters, and
// reparented items, are not QObject children of where they appear).
inline QQuickItem* findItem(QQuickItem* from, const QString& name)
{
    if (!from)
        return nullptr;
    if (from->objectName() == name)
        return from;
    for (QQuickItem* child : from->childItems())
        if (QQuickItem* found = findItem(child, name))
            return found;
    return nullptr;
}
