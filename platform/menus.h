// Named menu items, as both programs' windows build them.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace platform {

inline QAction* AddMenuItem(QMenu* menu, const QString& name, const QString& text,
                            const QKeySequence& key = {}) {
    QAction* item = menu->addAction(text);
    item->setObjectName(name);
    item->setShortcut(key);
    return item;
}

} // namespace platform
