// The small vertical scroll bar beside a number box (the power, the decimal
// places): each step writes its whole number into the box.
#pragma once

class QLineEdit;
class QScrollBar;
class QString;

namespace molva::ui {

QScrollBar* CreateStepBar(QLineEdit* box, const QString& name, int maximum, int value);

} // namespace molva::ui
