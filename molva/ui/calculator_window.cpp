// Molva's calculator window: the display, the input line, the keypad and, in
// the wide layout, the function area. It owns the calculation session and
// turns every command into a request to it.
#include "calculator_window.h"

#include "about_dialog.h"
#include "chemistry_commands.h"
#include "constants_panel.h"
#include "input_commands.h"
#include "input_line.h"
#include "number_format_panel.h"
#include "platform/files.h"
#include "platform/user_file.h"
#include "splash_window.h"
#include "task_run.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QWindow>

// Resources of a static library are registered by hand.
static void InitResources() {
    Q_INIT_RESOURCE(molva_ui);
}

namespace molva::ui {

namespace {

constexpr const char* kNormalCaption = "Tavik.- Molvera";
constexpr const char* kDisplayOnlyCaption = "Tavik.Molva (F12 = Normal)";
constexpr const char* kTaskFilter = "All Files (*.*);;Text Files(*.txt);;Task Files (*.tsk)";
constexpr const char* kConstantsFilter = "All Files (*.*);;Text Files(*.txt);;Constants (*.con)";

QString FromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

CalculatorWindow::CalculatorWindow(platform::Services services, char decimalSeparator,
                                   QString exampleDirectory)
    : services_(services), session_(decimalSeparator),
      exampleDirectory_(std::move(exampleDirectory)) {
    InitResources();
    setObjectName("MolvaMain");
    setWindowTitle(
        QString("Tavik. Molvera %1.%2").arg(MOLVA_VERSION_MAJOR).arg(MOLVA_VERSION_MINOR));
    actions_ = CreateMenus(menuBar());
    // The commands keep their keys while the menu bar is hidden (display only).
    addActions(actions_.all());
    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(0);
    column_ = new CalculatorColumn(central, actions_);
    column_->setFixedWidth(kNarrowWidth);
    display_ = column_->display();
    input_ = column_->input();
    columns->addWidget(column_);
    constantsPanel_ = new ConstantsPanel(central);
    constantsPanel_->setFixedWidth(kWideWidth - kNarrowWidth);
    columns->addWidget(constantsPanel_);
    setCentralWidget(central);
    commands_ = std::make_unique<InputCommands>(
        InputCommands::Parts{session_, *input_, *display_, *keypad(), *functions()},
        [this] { calculate(); });
    chemistry_ = std::make_unique<ChemistryCommands>(
        ChemistryCommands::Parts{services_, session_, *input_, *display_, actions_, *this});
    connectMenus();
    connectPanels();
    createShortcuts();
    display_->showTexts(session_.display());
    applyLayout();
}

CalculatorWindow::~CalculatorWindow() = default;

void CalculatorWindow::connectMenus() {
    const CalculatorActions& a = actions_;
    const std::pair<QAction*, void (CalculatorWindow::*)()> commands[] = {
        {a.newList, &CalculatorWindow::newList},
        {a.open, &CalculatorWindow::openTask},
        {a.save, &CalculatorWindow::saveList},
        {a.print, &CalculatorWindow::printList},
        {a.cut, &CalculatorWindow::cut},
        {a.copy, &CalculatorWindow::copy},
        {a.paste, &CalculatorWindow::paste},
        {a.deleteText, &CalculatorWindow::deleteText},
        {a.selectAll, &CalculatorWindow::selectAll},
        {a.clearDisplay, &CalculatorWindow::clearDisplay},
        {a.expand, &CalculatorWindow::expandOrShrink},
        {a.displayOnly, &CalculatorWindow::toggleDisplayOnly},
        {a.example, &CalculatorWindow::runExample},
    };
    for (const auto& [action, command] : commands)
        connect(action, &QAction::triggered, this, command);
    connect(a.numberFormat, &QAction::triggered, this, [this] {
        column_->toggleNumberPanel();
        focusInput();
    });
    connect(a.exit, &QAction::triggered, this, [this] {
        cancelRequested_ = true; // a running task file stops at once
        QCoreApplication::exit(0);
    });
    for (std::size_t k = 0; k < a.constants.size(); ++k)
        connect(a.constants[k], &QAction::triggered, this,
                [this, k] { showConstants(static_cast<int>(k)); });
    connect(a.separator, &QAction::toggled, this,
            [this](bool on) { session_.state().showSeparators = on; });
    connect(a.alwaysOnTop, &QAction::toggled, this, &CalculatorWindow::setTopmost);
    connect(a.helpTopics, &QAction::triggered, this, [this] { services_.help.showTopic(this, 1); });
    connect(a.splash, &QAction::triggered, this, [] { ShowSplashFromMenu(); });
    connect(a.about, &QAction::triggered, this, [this] { ShowAbout(this); });
    connect(a.ionGroups(), &QMenu::triggered, this, [this](QAction* ion) {
        if (ion != actions_.adductDot)
            insertIon(ion->text());
    });
}

void CalculatorWindow::connectPanels() {
    connect(keypad(), &Keypad::keyPressed, this,
            [this](KeypadKey key) { commands_->pressKey(key); });
    connect(keypad(), &Keypad::inverseToggled, this, &CalculatorWindow::focusInput);
    connect(input_, &QLineEdit::returnPressed, this, &CalculatorWindow::calculate);
    connect(history(), &QComboBox::activated, this,
            [this](int index) { input_->write(history()->itemText(index)); });
    connect(display_, &ResultDisplay::indicatorClicked, this, &CalculatorWindow::clickIndicator);
    connect(display_, &ResultDisplay::resultClicked, this,
            [this](int row) { input_->write(display_->resultText(row)); });
    connect(display_, &ResultDisplay::inputClicked, this, &CalculatorWindow::clickInputRow);
    NumberFormatPanel* panel = numberPanel();
    connect(panel, &NumberFormatPanel::formatChosen, this, &CalculatorWindow::chooseFormat);
    connect(panel, &NumberFormatPanel::placesEdited, this, &CalculatorWindow::choosePlaces);
    connect(panel, &NumberFormatPanel::groupingClicked, this, &CalculatorWindow::chooseGrouping);
    connect(panel, &NumberFormatPanel::angleChosen, this, &CalculatorWindow::chooseAngle);
    connect(panel, &NumberFormatPanel::closeRequested, this, [this] {
        focusInput();
        column_->toggleNumberPanel();
    });
    FunctionPanel* functions = this->functions();
    connect(functions, &FunctionPanel::functionPressed, this,
            [this](FunctionKey key) { commands_->pressFunction(key); });
    connect(functions, &FunctionPanel::angleChosen, this, [this](AngleUnit unit) {
        chooseAngle(unit);
        focusInput();
    });
    connect(functions, &FunctionPanel::quadraticRequested, this, [this](const QString& line) {
        input_->setText(line);
        calculate();
    });
    connect(constantsPanel_, &ConstantsPanel::tabClicked, this,
            [this](ConstantsView view) { showConstants(static_cast<int>(view)); });
    connect(constantsPanel_, &ConstantsPanel::valueChosen, this, [this](const QString& value) {
        input_->write(value);
        focusInput();
    });
    connect(constantsPanel_, &ConstantsPanel::aboutRequested, this, [this] { ShowAbout(this); });
    connect(constantsPanel_, &ConstantsPanel::helpRequested, this,
            [this] { services_.help.showTopic(this, 1); });
}

void CalculatorWindow::createShortcuts() {
    auto onKey = [this](const QKeySequence& key, auto command) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, command);
    };
    onKey(QKeySequence(Qt::Key_F2), [this] { input_->write(display_->inputText(0)); });
    onKey(QKeySequence(Qt::Key_F3), [this] { input_->write(display_->resultText(1)); });
    onKey(QKeySequence(Qt::Key_F4), [this] { input_->write(display_->inputText(1)); });
    onKey(QKeySequence(Qt::Key_F5), [this] { nextFormat(); });
    onKey(QKeySequence(Qt::Key_F6), [this] { commands_->memoryStore(); });
    onKey(QKeySequence(Qt::Key_F7), [this] { commands_->memoryRecall(); });
    onKey(QKeySequence(Qt::Key_F8), [this] { nextAngle(); });
    onKey(QKeySequence(Qt::Key_Escape), [this] {
        cancelRequested_ = true;
        input_->clear();
    });
    // The digit keys themselves: with Shift a main-keyboard digit still
    // matches its digit, whatever character the layout puts above it.
    for (int digit = 1; digit <= 9; ++digit) {
        const auto key = static_cast<Qt::Key>(Qt::Key_0 + digit);
        onKey(QKeySequence(Qt::CTRL | key), [this, digit] { commands_->writePower(digit, false); });
        onKey(QKeySequence(Qt::CTRL | Qt::SHIFT | key),
              [this, digit] { commands_->writePower(digit, true); });
        onKey(QKeySequence(Qt::ALT | key), [this, digit] { commands_->writePower(digit, true); });
    }
}

FunctionPanel* CalculatorWindow::functions() const {
    return constantsPanel_->functions();
}

void CalculatorWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    focusInput();
}

void CalculatorWindow::focusInput() {
    input_->setFocus();
}

void CalculatorWindow::addEntry(const QString& historyText, const QString& resultLine) {
    history()->addEntry(historyText);
    resultList_.prepend(resultLine);
}

void CalculatorWindow::calculate() {
    const Entry entry = session_.Enter(input_->text().toStdString());
    addEntry(FromStd(entry.historyText), FromStd(entry.resultLine));
    if (entry.tooLong) {
        display_->showMessage(FromStd(entry.resultLine));
    } else {
        showTexts();
        // A command line may have chosen a format, an angle unit or the memory.
        if (entry.command) {
            showFormatState();
            commands_->showMemory();
        }
        input_->clear();
    }
    if (entry.selectionStart) {
        const std::string_view line = entry.inputLine;
        input_->setText(FromStd(line));
        const auto start = FromStd(line.substr(0, *entry.selectionStart)).size();
        const auto length =
            FromStd(line.substr(*entry.selectionStart, entry.selectionLength)).size();
        input_->setSelection(static_cast<int>(start), static_cast<int>(length));
    }
    focusInput();
}

void CalculatorWindow::clickIndicator(Indicator which) {
    const int index = static_cast<int>(which);
    if (which == Indicator::Memory)
        commands_->clickMemoryIndicator();
    else if (index < static_cast<int>(Indicator::Memory))
        chooseFormat(static_cast<FormatKind>(index));
    else
        chooseAngle(static_cast<AngleUnit>(index - static_cast<int>(Indicator::Radians)));
    focusInput();
}

void CalculatorWindow::clickInputRow(int row) {
    input_->write(display_->inputText(row));
    const int mode = std::abs(static_cast<int>(session_.state().mode));
    if (row == 0 && mode == static_cast<int>(CalcMode::Statistics))
        input_->write(display_->resultText(2));
}

void CalculatorWindow::cut() {
    services_.clipboard.clear();
    if (!input_->hasSelectedText())
        input_->selectAll();
    services_.clipboard.setText(input_->selectedText());
    input_->del();
    focusInput();
}

void CalculatorWindow::copy() {
    services_.clipboard.clear();
    services_.clipboard.setText(input_->hasSelectedText() ? input_->selectedText()
                                                          : display_->currentResult());
    focusInput();
}

void CalculatorWindow::paste() {
    input_->write(services_.clipboard.text());
    focusInput();
}

void CalculatorWindow::deleteText() {
    if (input_->hasSelectedText())
        input_->del();
    else
        input_->clear();
    focusInput();
}

void CalculatorWindow::selectAll() {
    input_->selectAll();
    focusInput();
}

void CalculatorWindow::clearDisplay() {
    session_.ClearDisplay();
    showTexts();
    focusInput();
}

void CalculatorWindow::insertIon(const QString& ion) {
    input_->write("(" + ion + ")");
    focusInput();
}

void CalculatorWindow::chooseFormat(FormatKind kind) {
    session_.SelectFormat(kind);
    showTexts();
    showFormatState();
}

void CalculatorWindow::choosePlaces(const QString& text) {
    session_.SetDecimalPlacesText(text.toStdString());
    showTexts();
    showFormatState();
}

void CalculatorWindow::chooseGrouping(bool on) {
    session_.SetGrouping(on);
    showTexts();
    showFormatState();
}

void CalculatorWindow::chooseAngle(AngleUnit unit) {
    session_.SelectAngle(unit);
    showFormatState();
}

void CalculatorWindow::nextFormat() {
    chooseFormat(static_cast<FormatKind>((static_cast<int>(session_.formatKind()) + 1) % 3));
}

void CalculatorWindow::nextAngle() {
    chooseAngle(static_cast<AngleUnit>((static_cast<int>(session_.state().angleUnit) + 1) % 3));
}

void CalculatorWindow::showTexts() {
    display_->showTexts(session_.display());
    display_->showHint(FromStd(session_.Hint()));
}

void CalculatorWindow::showFormatState() {
    const CalcState& state = session_.state();
    display_->showFormat(session_.formatKind());
    display_->showAngle(state.angleUnit);
    functions()->showAngle(state.angleUnit);
    numberPanel()->showState(session_.formatKind(), session_.decimalPlaces(), state.groupThousands,
                             state.angleUnit);
}

void CalculatorWindow::expandOrShrink() {
    expanded_ = !expanded_;
    column_->showExpanded(expanded_);
    actions_.expand->setChecked(expanded_);
    applyLayout();
}

void CalculatorWindow::toggleDisplayOnly() {
    displayOnly_ = !displayOnly_;
    for (QMenu* menu : actions_.menus)
        menu->menuAction()->setVisible(!displayOnly_);
    actions_.displayOnly->setChecked(displayOnly_);
    setWindowTitle(displayOnly_ ? kDisplayOnlyCaption : kNormalCaption);
    // Leaving the strip makes the window not topmost even with Always On Top checked.
    setTopmost(displayOnly_);
    if (!displayOnly_ && actions_.expand->isChecked() && !expanded_)
        expandOrShrink();
    applyLayout();
}

void CalculatorWindow::setTopmost(bool on) {
    topmost_ = on;
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    // Told to the shown window as it is: setting the widget's flags would
    // create a new native window.
    overrideWindowFlags(flags);
    if (QWindow* handle = windowHandle())
        handle->setFlags(flags);
}

bool CalculatorWindow::isTopmost() const {
    return topmost_;
}

void CalculatorWindow::applyLayout() {
    const bool wide = expanded_ && !displayOnly_;
    constantsPanel_->setVisible(wide);
    column_->showDisplayOnly(displayOnly_);
    menuBar()->setVisible(!displayOnly_);
    setFixedSize(wide ? kWideWidth : kNarrowWidth,
                 displayOnly_ ? kDisplayOnlyHeight : kNormalHeight);
}

void CalculatorWindow::showConstants(int view) {
    for (std::size_t k = 0; k < actions_.constants.size(); ++k)
        actions_.constants[k]->setChecked(static_cast<int>(k) == view);
    if (view == static_cast<int>(actions_.constants.size()) - 1) {
        loadConstantsFile();
        return;
    }
    constantsPanel_->showView(static_cast<ConstantsView>(view));
    if (!expanded_)
        expandOrShrink();
    focusInput();
}

void CalculatorWindow::loadConstantsFile() {
    actions_.constants.back()->setChecked(false);
    const auto path =
        services_.dialogs.openFile(this, "Open", kConstantsFilter, "Constants (*.con)");
    if (path) {
        const platform::UserFile file = platform::ReadUserFile(*path);
        if (file.ok())
            constantsPanel_->showCustomFile(*path, TextLines(file.bytes));
        else if (file.failure != platform::ReadFailure::CannotOpen)
            display_->showMessage(file.error);
    }
    showConstants(static_cast<int>(ConstantsView::Custom));
}

void CalculatorWindow::newList() {
    input_->clear();
    session_.ClearForNewList();
    showTexts();
    history()->clear();
    resultList_.clear();
    focusInput();
}

void CalculatorWindow::openTask() {
    const auto path =
        services_.dialogs.openFile(this, "Open Task", kTaskFilter, "Task Files (*.tsk)");
    if (path)
        runTaskFile(*path);
}

void CalculatorWindow::runTaskFile(const QString& path) {
    const platform::UserFile file = platform::ReadUserFile(path);
    if (file.ok())
        runTask(file.bytes, TaskLines::Whole, true);
    else if (file.failure != platform::ReadFailure::CannotOpen)
        display_->showMessage(file.error);
}

void CalculatorWindow::runExample() {
    const platform::UserFile file = platform::ReadUserFile(exampleDirectory_ + "/Example.tsk");
    if (file.ok())
        runTask(file.bytes, TaskLines::BeforeEquals, false);
}

void CalculatorWindow::runTask(const QByteArray& bytes, TaskLines kind, bool hideTexts) {
    cancelRequested_ = false;
    column_->showWaiting(true, hideTexts);
    RunTaskLines(bytes, kind, centralWidget(), cancelRequested_, [this](const QString& line) {
        input_->setText(line);
        calculate();
    });
    column_->showWaiting(false, false);
}

void CalculatorWindow::saveList() {
    const auto path =
        services_.dialogs.saveFile(this, "Save List", kTaskFilter, "Text Files(*.txt)");
    if (!path)
        return;
    std::string text;
    for (int k = 0; k < history()->count(); ++k) {
        text += ListLine(history()->itemText(k).toStdString(), resultList_[k].toStdString());
        text += "\r\n";
    }
    const platform::FileWrite written =
        platform::ReplaceFile(*path, QByteArray::fromStdString(text));
    if (!written.ok)
        display_->showMessage(
            QString("The list could not be saved to %1: %2").arg(*path, written.reason));
}

void CalculatorWindow::printList() {
    auto jobs = services_.printer.startCopies(this);
    QString text;
    for (int k = 0; k < history()->count(); ++k)
        text += history()->itemText(k) + " = " + resultList_[k] + "\r\n";
    for (auto& job : jobs) {
        if (!(job->printText(text) && job->end()))
            break;
    }
}

} // namespace molva::ui
