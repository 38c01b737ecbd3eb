// The small vertical scroll bar beside a number box (the power, the decimal
// places): each step writes its whole number into the box.
#include "step_bar.h"

#include <QLineEdit>
#include <QScrollBar>

namespace molva::ui {

QScrollBar* CreateStepBar(QLineEdit* box, const QString& name, int maximum, int value) {
    auto* bar = new QScrollBar(Qt::Vertical, box->parentWidget());
    bar->setObjectName(name);
    bar->setRange(0, maximum);
    bar->setValue(value);
    // Up raises the number, as on a spin box.
    bar->setInvertedAppearance(true);
    bar->setInvertedControls(true);
    bar->setFixedHeight(box->sizeHint().height());
    bar->setFocusPolicy(Qt::NoFocus);
    QObject::connect(bar, &QScrollBar::valueChanged, box,
                     [box](int step) { box->setText(QString::number(step)); });
    return bar;
}

} // namespace molva::ui
