#include "controls.h"

#include "core/typing_aid.h"
#include "platform/chem_text.h"

namespace galvix::ui {

std::string BoxBytes(const QLineEdit* box) {
    return platform::EncodeCp1252(box->text());
}

void AttachTypingAid(QLineEdit* box) {
    QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString& text) {
        const std::string bytes = platform::EncodeCp1252(text);
        const TypingAidResult aided = ApplyTypingAid(bytes);
        if (aided.text == bytes)
            return;
        box->setText(platform::DecodeCp1252(aided.text));
        if (aided.caret)
            box->setCursorPosition(static_cast<int>(*aided.caret));
    });
}

} // namespace galvix::ui
