#include "galvix_context.h"

#include "appearance.h"
#include "form1.h"
#include "form10.h"
#include "form11.h"
#include "form14.h"
#include "form2.h"
#include "form6.h"
#include "form9.h"

#include <QCoreApplication>
#include <cstdlib>

namespace galvix::ui {

namespace {

template <class Form> Form& Create(std::unique_ptr<Form>& form, GalvixContext& context) {
    if (!form)
        form = std::make_unique<Form>(context);
    return *form;
}

} // namespace

GalvixContext::GalvixContext(platform::Services servicesIn, std::string dataDirectoryIn)
    : services(servicesIn), dataDirectory(std::move(dataDirectoryIn)) {
    fatal = [this](const QString& text) {
        message(nullptr, text, platform::MessageIcon::Critical);
        std::exit(EXIT_FAILURE);
    };
    quit = [] { QCoreApplication::exit(0); };
}

GalvixContext::~GalvixContext() = default;

platform::MessageButton GalvixContext::message(QWidget* parent, const QString& text,
                                               platform::MessageIcon icon,
                                               platform::MessageButtons buttons,
                                               platform::MessageButton defaultButton) {
    return services.messages.show(parent, {kMessageTitle, text, icon, buttons, defaultButton});
}

bool GalvixContext::confirmQuit(QWidget* parent) {
    return message(parent, "Are you sure you want to quit?", platform::MessageIcon::Exclamation,
                   platform::MessageButtons::YesNo,
                   platform::MessageButton::No) == platform::MessageButton::Yes;
}

void GalvixContext::registerWindow(QWidget* window) {
    windows_.append(window);
}

void GalvixContext::applyAppearanceToAll() {
    const Appearance appearance = ReadAppearance(services.settings);
    for (const QPointer<QWidget>& window : windows_) {
        if (window)
            ApplyAppearance(window, appearance);
    }
}

Form1& GalvixContext::form1() {
    return Create(form1_, *this);
}
Form2& GalvixContext::form2() {
    return Create(form2_, *this);
}
Form6& GalvixContext::form6() {
    return Create(form6_, *this);
}
Form9& GalvixContext::form9() {
    return Create(form9_, *this);
}
Form10& GalvixContext::form10() {
    return Create(form10_, *this);
}
Form11& GalvixContext::form11() {
    return Create(form11_, *this);
}
Form14& GalvixContext::form14() {
    return Create(form14_, *this);
}

} // namespace galvix::ui
