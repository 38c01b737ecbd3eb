// Small helpers that build the named controls of Galvix3's windows. The name
// is the control's objectName, by which tests and accessibility find it.
#pragma once

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <initializer_list>
#include <string>

namespace galvix::ui {

// A control of any class built from a caption.
template <class Control>
Control* Named(QWidget* parent, const QString& name, const QString& text = {}) {
    auto* control = new Control(text, parent);
    control->setObjectName(name);
    return control;
}

inline QLabel* NamedLabel(QWidget* parent, const QString& name, const QString& text = {}) {
    return Named<QLabel>(parent, name, text);
}

// A label whose text the user can select, for values worth copying by hand.
inline QLabel* SelectableLabel(QWidget* parent, const QString& name, const QString& text = {}) {
    QLabel* label = NamedLabel(parent, name, text);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

inline QPushButton* NamedButton(QWidget* parent, const QString& name, const QString& text) {
    auto* button = Named<QPushButton>(parent, name, text);
    button->setAutoDefault(false);
    return button;
}

inline QLineEdit* NamedTextBox(QWidget* parent, const QString& name, const QString& text = {}) {
    return Named<QLineEdit>(parent, name, text);
}

struct ButtonEntry {
    const char* name;
    const char* text;
    std::function<void()> action;
    bool isDefault = false; // pressed by Enter
};

// A row of named buttons, each running its action when clicked.
inline QHBoxLayout* ButtonRow(QWidget* parent, std::initializer_list<ButtonEntry> buttons) {
    auto* row = new QHBoxLayout;
    for (const ButtonEntry& entry : buttons) {
        QPushButton* button = NamedButton(parent, entry.name, entry.text);
        button->setDefault(entry.isDefault);
        row->addWidget(button);
        QObject::connect(button, &QPushButton::clicked, parent, entry.action);
    }
    return row;
}

// The program's picture: a large flask sign.
inline QLabel* ProgramPicture(QWidget* parent, const QString& name, int pointSize) {
    auto* picture = NamedLabel(parent, name, QString::fromUtf8("\u2697"));
    QFont big = picture->font();
    big.setPointSize(pointSize);
    picture->setFont(big);
    return picture;
}

// Runs the typing aid on every change of a formula box: "/" and "*" markers
// become the Chem codes of subscripts and superscripts.
void AttachTypingAid(QLineEdit* box);

// The Chem bytes of a box's text.
std::string BoxBytes(const QLineEdit* box);

} // namespace galvix::ui
