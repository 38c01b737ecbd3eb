// The controls a user sees in a window, and checks on where they lie: inside
// the window, none covering another.
#pragma once

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>

namespace {

bool IsControl(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLabel*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractScrollArea*>(widget) ||
           qobject_cast<const QScrollBar*>(widget) || qobject_cast<const QMenuBar*>(widget);
}

bool InsideAnotherControl(const QWidget* widget, const QWidget* window) {
    for (const QWidget* parent = widget->parentWidget(); parent && parent != window;
         parent = parent->parentWidget()) {
        if (IsControl(parent))
            return true;
    }
    return false;
}

// The controls a user sees, each with its rectangle in window coordinates.
QList<std::pair<const QWidget*, QRect>> VisibleControls(const QWidget& window) {
    QList<std::pair<const QWidget*, QRect>> controls;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) || widget->isWindow() || !IsControl(widget) ||
            InsideAnotherControl(widget, &window))
            continue;
        controls.append({widget, QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size())});
    }
    return controls;
}

QString Describe(const QWidget* widget, const QRect& rect) {
    return QString("%1 (%2) at %3,%4 %5x%6")
        .arg(widget->objectName(), widget->metaObject()->className())
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

// Every visible control lies inside the window, has a size, and covers no other.
inline void VerifyControlsInsideAndApart(const QWidget& window, qsizetype atLeast) {
    const auto controls = VisibleControls(window);
    QVERIFY(controls.size() >= atLeast);
    for (qsizetype a = 0; a < controls.size(); ++a) {
        const auto& [widget, rect] = controls[a];
        QVERIFY2(window.rect().contains(rect), qPrintable(Describe(widget, rect)));
        QVERIFY2(!rect.isEmpty(), qPrintable(Describe(widget, rect)));
        for (qsizetype b = a + 1; b < controls.size(); ++b) {
            const QString pair =
                Describe(widget, rect) + " and " + Describe(controls[b].first, controls[b].second);
            QVERIFY2(!rect.intersects(controls[b].second), qPrintable(pair));
        }
    }
}

} // namespace
