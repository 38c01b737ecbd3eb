#include "galvix_context.h"

#include "appearance.h"
#include "chem_output.h"
#include "form1.h"
#include "form10.h"
#include "form11.h"
#include "form12.h"
#include "form13.h"
#include "form14.h"
#include "form15.h"
#include "form16.h"
#include "form2.h"
#include "form3.h"
#include "form5.h"
#include "form6.h"
#include "form7.h"
#include "form8.h"
#include "form9.h"
#include "platform/files.h"
#include "platform/menus.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QShortcut>
#include <cstdlib>

// Resources of a static library are registered by hand.
static void InitResources() {
    Q_INIT_RESOURCE(galvix_ui);
}

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
    InitResources();
    chemFontFiles << QString::fromStdString(dataDirectory) + "Chem.ttf";
    fatal = [this](const QString& text) {
        message(nullptr, text, platform::MessageIcon::Critical);
        std::exit(EXIT_FAILURE);
    };
    quit = [] { QCoreApplication::exit(0); };
    replaceFile = platform::ReplaceFile;
}

QString GalvixContext::dataFile(const char* name) const {
    return QString::fromStdString(dataDirectory) + name;
}

void GalvixContext::showElements() {
    form7().exec();
}

void GalvixContext::installElementsKey(QWidget* window) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F8), window);
    QObject::connect(key, &QShortcut::activated, window, [this] { showElements(); });
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

void GalvixContext::copyChemText(QWidget* parent, const QString& text, const QString& note) {
    services.clipboard.clear();
    services.clipboard.setText(text, ChemToHtml(text));
    if (!note.isEmpty())
        message(parent, note);
}

bool GalvixContext::askToPrint(QWidget* parent, const QString& question,
                               platform::MessageIcon icon) {
    return message(parent, question, icon, platform::MessageButtons::YesNo,
                   platform::MessageButton::Yes) == platform::MessageButton::Yes;
}

bool GalvixContext::printChemText(QWidget* parent, const QString& text) {
    auto job = services.printer.start(parent);
    if (!job)
        return true;
    return job->preparePage() && job->setFont(kChemFamily, 10) && job->printText(text) &&
           job->end();
}

void GalvixContext::addHelpItems(QMenu* help, QWidget* window, const char* elementsName) {
    QObject::connect(
        platform::AddMenuItem(help, "Instructions", "&Contents", QKeySequence(Qt::Key_F1)),
        &QAction::triggered, window, [this, window] { services.help.showTopic(window, 1); });
    QObject::connect(platform::AddMenuItem(help, "index", "&Index"), &QAction::triggered, window,
                     [this, window] { services.help.showIndex(window); });
    QObject::connect(platform::AddMenuItem(help, "About", "&About"), &QAction::triggered, window,
                     [this] { form14().exec(); });
    QObject::connect(
        platform::AddMenuItem(help, elementsName, "&List of Elements", QKeySequence(Qt::Key_F8)),
        &QAction::triggered, window, [this] { showElements(); });
}

void GalvixContext::handleClose(QWidget* window, QCloseEvent* event) {
    if (confirmQuit(window)) {
        event->accept();
        quit();
    } else {
        event->ignore();
    }
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

Form3& GalvixContext::form3() {
    return Create(form3_, *this);
}
Form5& GalvixContext::form5() {
    return Create(form5_, *this);
}
Form7& GalvixContext::form7() {
    return Create(form7_, *this);
}
Form8& GalvixContext::form8() {
    return Create(form8_, *this);
}
Form12& GalvixContext::form12() {
    return Create(form12_, *this);
}
Form13& GalvixContext::form13() {
    return Create(form13_, *this);
}
Form15& GalvixContext::form15() {
    return Create(form15_, *this);
}
Form16& GalvixContext::form16() {
    return Create(form16_, *this);
}

void GalvixContext::unloadForm5() {
    form5_.reset();
}

} // namespace galvix::ui
