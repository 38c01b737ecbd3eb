#include "galvix_context.h"

#include "appearance.h"
#include "chem_output.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <cstdlib>

namespace galvix::ui {

GalvixContext::GalvixContext(platform::Services servicesIn) : services(servicesIn) {
    fatal = [this](const QString& text) {
        message(nullptr, text, platform::MessageIcon::Critical);
        std::exit(EXIT_FAILURE);
    };
    quit = [] { QCoreApplication::exit(0); };
}

platform::MessageButton GalvixContext::message(QWidget* parent, const QString& text,
                                               platform::MessageIcon icon,
                                               platform::MessageButtons buttons,
                                               platform::MessageButton defaultButton) {
    return services.messages.show(parent, {kMessageTitle, text, icon, buttons, defaultButton});
}

bool GalvixContext::ask(QWidget* parent, const QString& question, platform::MessageIcon icon,
                        platform::MessageButton defaultButton) {
    return message(parent, question, icon, platform::MessageButtons::YesNo, defaultButton) ==
           platform::MessageButton::Yes;
}

void GalvixContext::copyChemText(QWidget* parent, const QString& text, const QString& note) {
    services.clipboard.clear();
    services.clipboard.setText(ChemToPlainText(text), ChemToHtml(text));
    if (!note.isEmpty())
        message(parent, note);
}

void GalvixContext::copyResult(QWidget* parent, const QString& text) {
    copyChemText(parent, text,
                 "Note: to view reactions (and the delta symbol) properly (in a word processor), "
                 "convert them to the Chem (Chem.ttf) font.");
}

void GalvixContext::printResult(QWidget* parent, const QString& text) {
    if (!ask(parent, "Do you want to print the results?", platform::MessageIcon::Question))
        return;
    if (!printChemText(parent, text))
        message(parent, "Error printing!", platform::MessageIcon::Critical);
}

bool GalvixContext::printChemText(QWidget* parent, const QString& text) {
    auto job = services.printer.start(parent);
    if (!job)
        return true;
    return job->preparePage() && job->setFont(kChemFamily, 10) && job->printText(text) &&
           job->end();
}

void GalvixContext::handleClose(QWidget* window, QCloseEvent* event) {
    if (ask(window, "Are you sure you want to quit?", platform::MessageIcon::Exclamation,
            platform::MessageButton::No)) {
        event->accept();
        quit();
    } else {
        event->ignore();
    }
}

void GalvixContext::showHelp(QWidget* window, HelpTopic topic) {
    services.help.showTopic(window, static_cast<int>(topic));
}

void GalvixContext::applyAppearance(QWidget* window) {
    ApplyAppearance(window, ReadAppearance(services.settings));
}

} // namespace galvix::ui
