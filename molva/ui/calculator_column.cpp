// The calculator column of the window: the tool bar, the display, the input
// line with its history, and below them the keypad, the number-format panel
// or, while a task file runs, the wait panel.
#include "calculator_column.h"

#include "input_line.h"
#include "keypad.h"
#include "number_format_panel.h"
#include "result_display.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace molva::ui {

CalculatorColumn::CalculatorColumn(QWidget* parent, const CalculatorActions& actions)
    : QWidget(parent) {
    setObjectName("fraCalculator");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    toolStrip_ = new QWidget(this);
    toolStrip_->setObjectName("picMenu");
    toolImages_ = CreateToolBar(toolStrip_, actions);
    layout->addWidget(toolStrip_);
    display_ = new ResultDisplay(this);
    layout->addWidget(display_);
    layout->addWidget(createInputRow(actions));
    lower_ = new QStackedWidget(this);
    keypad_ = new Keypad(lower_);
    keypad_->setContextMenu(actions.ionGroups());
    numberPanel_ = new NumberFormatPanel(lower_);
    waitPanel_ = createWaitPanel();
    for (QWidget* page :
         {static_cast<QWidget*>(keypad_), static_cast<QWidget*>(numberPanel_), waitPanel_})
        lower_->addWidget(page);
    layout->addWidget(lower_, 1);
}

QWidget* CalculatorColumn::createInputRow(const CalculatorActions& actions) {
    auto* inputRow = new QWidget(this);
    auto* row = new QHBoxLayout(inputRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    input_ = new InputLine(inputRow);
    input_->leaveKeysToWindow(actions.shortcuts());
    history_ = new HistoryBox(inputRow);
    row->addWidget(input_, 1);
    row->addWidget(history_);
    return inputRow;
}

QWidget* CalculatorColumn::createWaitPanel() {
    auto* panel = new QFrame(lower_);
    panel->setObjectName("fraWait");
    panel->setFrameShape(QFrame::Box);
    auto* lines = new QVBoxLayout(panel);
    for (const char* text : {"PLEASE WAIT", "Calculating in progress!", "Press ESC for cancel"}) {
        auto* label = new QLabel(text, panel);
        label->setAlignment(Qt::AlignCenter);
        lines->addWidget(label);
    }
    return panel;
}

void CalculatorColumn::showDisplayOnly(bool on) {
    toolStrip_->setVisible(!on);
    lower_->setVisible(!on);
}

void CalculatorColumn::showExpanded(bool expanded) {
    QToolButton* image = toolImages_[kExpandImage];
    image->setIcon(QIcon(expanded ? ":/icons/shrink.svg" : ":/icons/expand.svg"));
    image->setToolTip(expanded ? " Shrink Molva " : " Expand Molva ");
}

void CalculatorColumn::toggleNumberPanel() {
    const bool open = lower_->currentWidget() == numberPanel_;
    lower_->setCurrentWidget(open ? static_cast<QWidget*>(keypad_) : numberPanel_);
}

void CalculatorColumn::showWaiting(bool waiting, bool hideTexts) {
    if (waiting) {
        if (lower_->currentWidget() != waitPanel_)
            pageBeforeWaiting_ = lower_->currentWidget();
        lower_->setCurrentWidget(waitPanel_);
    } else if (pageBeforeWaiting_) {
        lower_->setCurrentWidget(pageBeforeWaiting_);
    }
    display_->hideTexts(waiting && hideTexts);
}

} // namespace molva::ui
