// Small helpers that build the named controls of Galvix3's windows.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace galvix::ui {

inline QLabel* NamedLabel(QWidget* parent, const QString& name, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

inline QPushButton* NamedButton(QWidget* parent, const QString& name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

inline QLineEdit* NamedTextBox(QWidget* parent, const QString& name, const QString& text = {}) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    return box;
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

// The Chem bytes of a box's text, and the text for bytes.
std::string BoxBytes(const QLineEdit* box);

} // namespace galvix::ui
