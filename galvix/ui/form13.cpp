// Form13: asks which whole list to copy or print, then builds it with progress.
#include "form13.h"

#include "appearance.h"
#include "chem_output.h"
#include "controls.h"
#include "core/list_output.h"
#include "form1.h"
#include "form11.h"
#include "galvix_context.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace galvix::ui {

namespace {

const QString kOxidationHeading = "   E(V)      Half reaction";
const QString kReductionHeading = "   E(V)     Half reaction";

// Raised inside the build when the list cannot be matched to the data files.
struct OutputFailure {};

} // namespace

Form13::Form13(GalvixContext& context) : context_(context) {
    setObjectName("Form13");
    auto* layout = new QVBoxLayout(this);
    label1_ = NamedLabel(this, "Label1");
    layout->addWidget(label1_);
    option1_ = new QRadioButton("Oxidation half reactions", this);
    option1_->setObjectName("Option1");
    option1_->setChecked(true);
    option5_ = new QRadioButton("Reduction half reactions", this);
    option5_->setObjectName("Option5");
    layout->addWidget(option1_);
    layout->addWidget(option5_);
    auto* buttons = new QHBoxLayout;
    auto* ok = NamedButton(this, "Command1", "OK");
    ok->setDefault(true);
    auto* cancel = NamedButton(this, "Command2", "Cancel");
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &Form13::run);
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
    context_.registerWindow(this);
    ApplyAppearance(this, ReadAppearance(context_.services.settings));
}

void Form13::prepare(int outputMode) {
    context_.outputMode = outputMode;
    const bool copying = outputMode == 1;
    label1_->setText(copying ? "Copy what:" : "Print what:");
    setWindowTitle(copying ? "Galvix -- Copy" : "Galvix -- Print");
}

// The lines of the chosen list, with progress after every entry; nullopt
// when the user cancelled.
std::optional<QString> Form13::buildLines(bool reductionList) {
    const TableLoad load = LoadTable(context_.dataDirectory);
    if (!load.ok())
        throw OutputFailure{};
    const ListPotentials potentials(load.table, reductionList);
    Form1& main = context_.form1();
    const QListWidget* list = reductionList ? main.list2() : main.list1();
    Form11& progress = context_.form11();
    progress.showProgress(0);
    progress.show();
    QString lines;
    const int n = list->count();
    for (int k = 1; k <= n; ++k) {
        const std::string text = Form1::ItemBytes(list->item(k - 1));
        const auto potential = potentials.potentialOf(text);
        if (!potential)
            throw OutputFailure{};
        lines += ChemDisplay(ListOutputLine(*potential, text));
        progress.showProgress(static_cast<int>(100.0 * k / n));
        QCoreApplication::processEvents();
        if (context_.sortCancelFlag == 1)
            return std::nullopt;
    }
    return lines;
}

void Form13::run() {
    if (running_)
        return;
    const QScopedValueRollback<bool> guard(running_, true);
    const bool copying = context_.outputMode == 1;
    const bool reductionList = option5_->isChecked();
    if (!copying && !context_.askToPrint(this, "Do you want to print the half reactions?",
                                         platform::MessageIcon::Information))
        return;
    try {
        const auto lines = buildLines(reductionList);
        if (!lines) {
            context_.sortCancelFlag = 0;
            context_.form11().hide();
            return;
        }
        if (copying) {
            const QString heading = reductionList ? kReductionHeading : kOxidationHeading;
            context_.copyChemText(this, OutputHeader() + heading + "\r\n\r\n" + *lines,
                                  "In order to view the half reactions properly, convert them "
                                  "to the Chem (Chem.ttf) font");
        } else if (!context_.printChemText(this, OutputHeader() + kReductionHeading + "\r\n\r\n" +
                                                     *lines)) {
            throw OutputFailure{};
        }
    } catch (const OutputFailure&) {
        context_.message(this, "Error!", platform::MessageIcon::Critical);
    }
    finish();
}

void Form13::finish() {
    context_.form11().hide();
    hide();
    context_.sortCancelFlag = 0;
}

} // namespace galvix::ui
