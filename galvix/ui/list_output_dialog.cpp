// Asks which whole list to copy or print, then builds it behind the progress
// window.
#include "list_output_dialog.h"

#include "appearance.h"
#include "chem_output.h"
#include "controls.h"
#include "core/list_output.h"
#include "core/reaction_session.h"
#include "galvix_context.h"
#include "galvix_windows.h"
#include "main_screen.h"
#include "progress_window.h"

#include <QListWidget>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace galvix::ui {

namespace {

const QString kOxidationHeading = "   E(V)      Half reaction";
const QString kReductionHeading = "   E(V)     Half reaction";

// Raised inside the build when the data files cannot be read or the list
// cannot be matched to them, and when printing fails.
struct OutputFailure {
    QString detail; // the data file's fault, when there is one
};

std::vector<std::string> ItemTexts(const QListWidget* list) {
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(list->count()));
    for (int row = 0; row < list->count(); ++row)
        texts.push_back(ItemBytes(list->item(row)));
    return texts;
}

} // namespace

ListOutputDialog::ListOutputDialog(GalvixWindows& windows)
    : windows_(windows), context_(windows.context()) {
    setObjectName("Form13");
    auto* layout = new QVBoxLayout(this);
    prompt_ = NamedLabel(this, "Label1");
    layout->addWidget(prompt_);
    oxidation_ = Named<QRadioButton>(this, "Option1", "Oxidation half reactions");
    oxidation_->setChecked(true);
    reduction_ = Named<QRadioButton>(this, "Option5", "Reduction half reactions");
    layout->addWidget(oxidation_);
    layout->addWidget(reduction_);
    layout->addLayout(ButtonRow(this, {{"Command1", "OK", [this] { run(); }, true},
                                       {"Command2", "Cancel", [this] { hide(); }}}));
    context_.applyAppearance(this);
}

void ListOutputDialog::prepare(OutputMode mode) {
    mode_ = mode;
    const bool copying = mode == OutputMode::Copy;
    prompt_->setText(copying ? "Copy what:" : "Print what:");
    setWindowTitle(copying ? "Galvix -- Copy" : "Galvix -- Print");
}

// The lines of the chosen list as the main screen shows it, with progress
// after every entry; nullopt when the user cancelled.
std::optional<QString> ListOutputDialog::buildLines(bool reductionList) {
    ReactionSession& session = windows_.session();
    if (const auto error = session.refresh())
        throw OutputFailure{QString::fromStdString(error->message())};
    const ListPotentials potentials(session.table(), reductionList);
    const std::vector<std::string> texts = ItemTexts(
        windows_.get<MainScreen>().list(reductionList ? ListSide::Reduction : ListSide::Oxidation));
    ProgressWindow& progress = windows_.get<ProgressWindow>();
    progress.begin();
    QString lines;
    const auto n = static_cast<double>(texts.size());
    for (std::size_t k = 1; k <= texts.size(); ++k) {
        const std::string& text = texts[k - 1];
        const auto potential = potentials.potentialOf(text);
        if (!potential)
            throw OutputFailure{};
        lines += ChemDisplay(ListOutputLine(*potential, text));
        if (!progress.advance(static_cast<int>(100.0 * static_cast<double>(k) / n)))
            return std::nullopt;
    }
    return lines;
}

void ListOutputDialog::run() {
    if (running_)
        return;
    const QScopedValueRollback<bool> guard(running_, true);
    const bool copying = mode_ == OutputMode::Copy;
    const bool reductionList = reduction_->isChecked();
    if (!copying && !context_.ask(this, "Do you want to print the half reactions?",
                                  platform::MessageIcon::Information))
        return;
    try {
        const auto lines = buildLines(reductionList);
        if (!lines) {
            windows_.get<ProgressWindow>().hide();
            return;
        }
        const QString header = ChemDisplay(OutputHeader());
        if (copying) {
            const QString heading = reductionList ? kReductionHeading : kOxidationHeading;
            context_.copyChemText(this, header + heading + "\r\n\r\n" + *lines,
                                  "In order to view the half reactions properly, convert them "
                                  "to the Chem (Chem.ttf) font");
        } else if (!context_.printChemText(this,
                                           header + kReductionHeading + "\r\n\r\n" + *lines)) {
            throw OutputFailure{};
        }
    } catch (const OutputFailure& failure) {
        context_.message(this, failure.detail.isEmpty() ? "Error!" : "Error!\n" + failure.detail,
                         platform::MessageIcon::Critical);
    }
    finish();
}

void ListOutputDialog::finish() {
    windows_.get<ProgressWindow>().hide();
    hide();
}

} // namespace galvix::ui
