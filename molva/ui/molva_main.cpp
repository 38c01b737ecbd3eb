// MolvaMain: the calculator window, with its display, input line, keypad,
// function field, constants lists, number-format panel and task files.
#include "molva_main.h"

#include "engine/number_text.h"
#include "engine/task_text.h"
#include "frm_about.h"
#include "frm_splash.h"
#include "keypad.h"
#include "platform/files.h"
#include "platform/menus.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

// Resources of a static library are registered by hand.
static void InitResources() {
    Q_INIT_RESOURCE(molva_ui);
}

namespace molva::ui {

namespace {

const QColor kGrey(192, 192, 192);
const QColor kActive(0, 92, 64);
const QColor kStartColour(64, 64, 0);
constexpr const char* kMemoryTip = " Memory (F6-store / F7-recall) ";
constexpr const char* kNormalCaption = "Tavik.- Molvera";
constexpr const char* kDisplayOnlyCaption = "Tavik.Molva (F12 = Normal)";
constexpr const char* kSelectionBrackets = ":+*%/^";
constexpr const char* kOperandBrackets = "+*/%^-";

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

QLabel* IndexedLabel(QWidget* parent, const char* name, int index, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString("%1(%2)").arg(name).arg(index));
    return label;
}

QStringList ReadConstantsResource(const QString& name) {
    QFile file(":/constants/" + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList DecodedLines(const QByteArray& bytes) {
    const std::string text = DecodeTaskText(std::string_view(bytes.constData(), bytes.size()));
    QStringList lines;
    for (const std::string_view line : SplitLines(text))
        lines << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    return lines;
}

bool ContainsAny(const QString& text, const char* characters) {
    for (const char* c = characters; *c; ++c) {
        if (text.contains(QLatin1Char(*c)))
            return true;
    }
    return false;
}

} // namespace

MolvaMain::MolvaMain(platform::Services services, char decimalSeparator, QString exampleDirectory)
    : services_(services), session_(decimalSeparator),
      exampleDirectory_(std::move(exampleDirectory)) {
    InitResources();
    setObjectName("MolvaMain");
    setWindowTitle(
        QString("Tavik. Molvera %1.%2").arg(MOLVA_VERSION_MAJOR).arg(MOLVA_VERSION_MINOR));
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* column = new QWidget(central);
    column->setObjectName("fraCalculator");
    column->setFixedWidth(kNarrowWidth);
    createCalculatorColumn(column);
    row->addWidget(column);
    fraExpand_ = new QWidget(central);
    fraExpand_->setObjectName("fraExpand");
    fraExpand_->setFixedWidth(kWideWidth - kNarrowWidth);
    createFunctionArea(fraExpand_);
    row->addWidget(fraExpand_);
    row->addStretch();
    setCentralWidget(central);
    createNumberPanel(column);
    createMenus();
    qApp->installEventFilter(this);
    session_.state().showSeparators = true;
    oznaka_[0]->setText("=");
    for (int k = 0; k < 7; ++k)
        SetTextColour(info_[static_cast<std::size_t>(k)], k == 0 || k == 4 ? kStartColour : kGrey);
    applyLayout();
}

MolvaMain::~MolvaMain() {
    qApp->removeEventFilter(this);
}

QAction* MolvaMain::action(const char* name) const {
    return findChild<QAction*>(name);
}

void MolvaMain::createMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->menuAction()->setObjectName("mnuFile");
    connect(platform::AddMenuItem(file, "mnuNew", "&New", QKeySequence("Ctrl+N")),
            &QAction::triggered, this, &MolvaMain::newList);
    connect(platform::AddMenuItem(file, "mnuOpen", "&Open...", QKeySequence("Ctrl+O")),
            &QAction::triggered, this, &MolvaMain::openTask);
    connect(platform::AddMenuItem(file, "mnuSave", "&Save...", QKeySequence("Ctrl+S")),
            &QAction::triggered, this, &MolvaMain::saveList);
    file->addSeparator();
    connect(platform::AddMenuItem(file, "mnuPrint", "&Print...", QKeySequence("Ctrl+P")),
            &QAction::triggered, this, &MolvaMain::printList);
    file->addSeparator();
    connect(platform::AddMenuItem(file, "mnuExit", "E&xit", QKeySequence("Ctrl+Q")),
            &QAction::triggered, this, [] { QCoreApplication::exit(0); });

    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->menuAction()->setObjectName("mnuEdit");
    connect(platform::AddMenuItem(edit, "mnuCut", "Cu&t", QKeySequence("Ctrl+X")),
            &QAction::triggered, this, &MolvaMain::cut);
    connect(platform::AddMenuItem(edit, "mnuCopy", "&Copy", QKeySequence("Ctrl+C")),
            &QAction::triggered, this, &MolvaMain::copy);
    connect(platform::AddMenuItem(edit, "mnuPaste", "&Paste", QKeySequence("Ctrl+V")),
            &QAction::triggered, this, &MolvaMain::paste);
    connect(platform::AddMenuItem(edit, "mnuDelete", "&Delete", QKeySequence("Shift+Del")),
            &QAction::triggered, this, &MolvaMain::deleteText);
    edit->addSeparator();
    connect(platform::AddMenuItem(edit, "mnuSelect", "Select &All", QKeySequence("Ctrl+A")),
            &QAction::triggered, this, &MolvaMain::selectAll);
    connect(platform::AddMenuItem(edit, "mnuClear", "Clear Displa&y   ", QKeySequence("Ctrl+Y")),
            &QAction::triggered, this, &MolvaMain::clearDisplay);

    QMenu* insert = menuBar()->addMenu("&Insert");
    insert->menuAction()->setObjectName("mnuInsert");
    const char* ions[] = {"H2O", "OH",  "CN", "CH2", "CO3", "-",   "NO2",  "NO3",
                          "NH3", "NH4", "-",  "SO3", "SO4", "PO4", "CrO4", "Cr2O7"};
    for (int k = 0; k < 16; ++k) {
        const QString ion = ions[k];
        QAction* item = ion == "-" ? insert->addSeparator() : insert->addAction(ion);
        item->setObjectName(QString("mnuIoni(%1)").arg(k));
        if (ion != "-")
            connect(item, &QAction::triggered, this, [this, ion] { insertIon(ion); });
    }

    QMenu* view = menuBar()->addMenu("&View");
    view->menuAction()->setObjectName("mnuView");
    QAction* expand =
        platform::AddMenuItem(view, "mnuExpand", "Expand Molva", QKeySequence(Qt::Key_F9));
    expand->setCheckable(true);
    connect(expand, &QAction::triggered, this, &MolvaMain::expandOrShrink);
    QAction* shortView = platform::AddMenuItem(view, "mnuShort", "Show Display only");
    shortView->setCheckable(true);
    connect(shortView, &QAction::triggered, this, &MolvaMain::toggleDisplayOnly);
    view->addSeparator();
    const char* constantCaptions[] = {"Classic Calculator", "&SI Units", "&Physical Constants",
                                      "&Custom Constant", "&New Custom Constant..."};
    for (int k = 0; k < 5; ++k) {
        QAction* item = platform::AddMenuItem(view, "", constantCaptions[k]);
        item->setObjectName(QString("mnuConstants(%1)").arg(k));
        item->setCheckable(true);
        if (k == 1)
            item->setShortcut(QKeySequence("Ctrl+U"));
        if (k == 2)
            item->setShortcut(QKeySequence(Qt::Key_F11));
        connect(item, &QAction::triggered, this, [this, k] { showConstants(k); });
    }
    findChild<QAction*>("mnuConstants(0)")->setChecked(true);
    view->addSeparator();
    connect(platform::AddMenuItem(view, "mnuNumber", "Number &Format...", QKeySequence("Ctrl+F")),
            &QAction::triggered, this, &MolvaMain::toggleNumberPanel);
    QAction* separator = platform::AddMenuItem(view, "mnuSeparator", "Function Separator");
    separator->setCheckable(true);
    separator->setChecked(true);
    connect(separator, &QAction::toggled, this,
            [this](bool on) { session_.state().showSeparators = on; });
    view->addSeparator();
    QAction* top = platform::AddMenuItem(view, "mnuTop", "Always On &Top", QKeySequence("Ctrl+T"));
    top->setCheckable(true);
    connect(top, &QAction::triggered, this, [this, top] {
        top->setChecked(!top->isChecked()); // the handler toggles the check itself
        toggleAlwaysOnTop();
    });

    QMenu* help = menuBar()->addMenu("&Help");
    help->menuAction()->setObjectName("mnuHelp");
    connect(platform::AddMenuItem(help, "mnuUsage", "Help &Topics ", QKeySequence(Qt::Key_F1)),
            &QAction::triggered, this, [this] { services_.help.showTopic(this, 1); });
    connect(platform::AddMenuItem(help, "mnuExample", "&Example"), &QAction::triggered, this,
            &MolvaMain::runExample);
    help->addSeparator();
    connect(platform::AddMenuItem(help, "mnuSplash", "&Splash Screen"), &QAction::triggered, this,
            [] { ShowSplashFromMenu(); });
    connect(platform::AddMenuItem(help, "mnuAbout", "&About Molva"), &QAction::triggered, this,
            [this] { ShowAbout(this); });
    topMenus_ = {file, edit, insert, view, help};
}

void MolvaMain::createCalculatorColumn(QWidget* column) {
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    auto* picMenu = new QWidget(column);
    picMenu->setObjectName("picMenu");
    auto* tools = new QHBoxLayout(picMenu);
    tools->setContentsMargins(0, 0, 0, 0);
    tools->setSpacing(1);
    const std::pair<const char*, const char*> images[] = {
        {"new", " New List "},       {"open", " Open Task "}, {"save", " Save List "},
        {"print", " Print List "},   {"cut", " Cut "},        {"copy", " Copy "},
        {"paste", " Paste "},        {"delete", " Delete "},  {"format", " Number Format "},
        {"expand", " Expand Molva "}};
    const std::array<void (MolvaMain::*)(), 10> handlers = {
        &MolvaMain::newList,       &MolvaMain::openTask,   &MolvaMain::saveList,
        &MolvaMain::printList,     &MolvaMain::cut,        &MolvaMain::copy,
        &MolvaMain::paste,         &MolvaMain::deleteText, &MolvaMain::toggleNumberPanel,
        &MolvaMain::expandOrShrink};
    for (std::size_t k = 0; k < std::size(images); ++k) {
        auto* image = new QToolButton(picMenu);
        image->setObjectName(QString("imgMenu(%1)").arg(k));
        image->setIcon(QIcon(QString(":/icons/%1.svg").arg(images[k].first)));
        image->setToolTip(images[k].second);
        image->setAutoRaise(true);
        image->setFixedSize(23, 22);
        connect(image, &QToolButton::clicked, this, handlers[k]);
        imgMenu_[k] = image;
        tools->addWidget(image);
    }
    tools->addStretch();
    layout->addWidget(picMenu);

    auto* display = new QFrame(column);
    display->setObjectName("picRezultat");
    display->setFrameShape(QFrame::Panel);
    display->setFrameShadow(QFrame::Sunken);
    display->setAutoFillBackground(true);
    QPalette paper = display->palette();
    paper.setColor(QPalette::Window, QColor(236, 244, 228));
    display->setPalette(paper);
    auto* grid = new QGridLayout(display);
    grid->setContentsMargins(3, 1, 3, 1);
    grid->setVerticalSpacing(0);
    auto* indicators = new QHBoxLayout;
    const std::pair<const char*, const char*> infos[] = {
        {"AUTO", " Number Format (F5) "}, {"SCI", " Number Format (F5) "},
        {"FIX", " Number Format (F5) "},  {"MEM", kMemoryTip},
        {"RAD", " Radians (F8) "},        {"DEG", " Degrees (F8) "},
        {"GRAD", " Grads (F8) "}};
    for (int k = 0; k < 7; ++k) {
        QLabel* label = IndexedLabel(display, "lblInfo", k, infos[k].first);
        label->setToolTip(infos[k].second);
        QFont small = label->font();
        small.setPointSize(7);
        label->setFont(small);
        label->installEventFilter(this);
        info_[static_cast<std::size_t>(k)] = label;
        indicators->addWidget(label);
    }
    grid->addLayout(indicators, 0, 0, 1, 2);
    for (int k = 0; k < 4; ++k)
        oznaka_[static_cast<std::size_t>(k)] = IndexedLabel(display, "lblOznaka", k);
    for (int k = 0; k < 3; ++k) {
        rezultat_[static_cast<std::size_t>(k)] = IndexedLabel(display, "lblRezultat", k);
        rezultat_[static_cast<std::size_t>(k)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rezultat_[static_cast<std::size_t>(k)]->installEventFilter(this);
    }
    for (int k = 0; k < 2; ++k) {
        unosFormule_[static_cast<std::size_t>(k)] = IndexedLabel(display, "lblUnosFormule", k);
        unosFormule_[static_cast<std::size_t>(k)]->installEventFilter(this);
    }
    QFont big = rezultat_[0]->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    rezultat_[0]->setFont(big);
    grid->addWidget(oznaka_[0], 1, 0);
    grid->addWidget(unosFormule_[1], 1, 1);
    grid->addWidget(oznaka_[1], 2, 0);
    grid->addWidget(rezultat_[1], 2, 1);
    auto* third = new QHBoxLayout;
    third->addWidget(unosFormule_[0], 1);
    third->addWidget(rezultat_[2]);
    grid->addWidget(oznaka_[2], 3, 0);
    grid->addLayout(third, 3, 1);
    grid->addWidget(oznaka_[3], 4, 0);
    grid->addWidget(rezultat_[0], 4, 1);
    grid->setColumnStretch(1, 1);
    layout->addWidget(display);

    fraWait_ = new QFrame(display);
    fraWait_->setObjectName("fraWait");
    fraWait_->setFrameShape(QFrame::Box);
    fraWait_->setAutoFillBackground(true);
    auto* wait = new QVBoxLayout(fraWait_);
    for (const char* text : {"PLEASE WAIT", "Calculating in progress!", "Press ESC for cancel"}) {
        auto* label = new QLabel(text, fraWait_);
        label->setAlignment(Qt::AlignCenter);
        wait->addWidget(label);
    }
    fraWait_->hide();

    auto* inputRow = new QHBoxLayout;
    inputRow->setSpacing(0);
    input_ = new QLineEdit(column);
    input_->setObjectName("txtUnosFormule");
    connect(input_, &QLineEdit::returnPressed, this, &MolvaMain::convertChem2Text);
    cmbLista_ = new QComboBox(column);
    cmbLista_->setObjectName("cmbLista");
    cmbLista_->setFixedWidth(18);
    // A fixed-size box: its size never depends on the items, so adding
    // thousands of lines never rescans them.
    cmbLista_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(cmbLista_, &QComboBox::activated, this,
            [this](int index) { insertText(cmbLista_->itemText(index)); });
    inputRow->addWidget(input_, 1);
    inputRow->addWidget(cmbLista_);
    layout->addLayout(inputRow);
    lstRezultat_ = new QListWidget(this);
    lstRezultat_->setObjectName("lstRezultat");
    lstRezultat_->hide();

    auto* keypad = new QGridLayout;
    keypad->setSpacing(1);
    // Keypad rows as on a pocket calculator: functions above, digits below.
    const std::array<std::array<int, 7>, 6> rows = {{{27, 28, 29, 30, 31, 32, 33},
                                                     {22, 23, 24, 25, 26, 21, 20},
                                                     {34, 35, 36, 17, 18, 19, 37},
                                                     {7, 8, 9, 14, 16, 11, 38},
                                                     {4, 5, 6, 15, 12, -1, -1},
                                                     {1, 2, 3, 13, 0, 10, -2}}};
    for (int k = 0; k < kKeyCount; ++k) {
        const KeyDef& def = kKeys[static_cast<std::size_t>(k)];
        auto* button = new QPushButton(QString::fromUtf8(def.caption), column);
        button->setObjectName(QString("cmdNum(%1)").arg(k));
        button->setToolTip(def.toolTip);
        button->setFixedHeight(24);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, k] { pressKey(k); });
        // A right click on any key offers the ion groups of the Insert menu.
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QWidget::customContextMenuRequested, this,
                [this, button](QPoint at) { topMenus_[2]->popup(button->mapToGlobal(at)); });
        cmdNum_[static_cast<std::size_t>(k)] = button;
    }
    chkInverse_ = new QCheckBox("Inv", column);
    chkInverse_->setObjectName("chkInverse");
    chkInverse_->setToolTip(" Inverse Function ");
    chkInverse_->setFocusPolicy(Qt::NoFocus);
    connect(chkInverse_, &QCheckBox::toggled, this, &MolvaMain::setInverse);
    auto* enter = new QPushButton("=", column);
    enter->setObjectName("cmdEnter");
    enter->setToolTip(" Enter ");
    enter->setFixedHeight(24);
    enter->setFocusPolicy(Qt::NoFocus);
    connect(enter, &QPushButton::clicked, this, &MolvaMain::convertChem2Text);
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 7; ++c) {
            const int k = rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            QWidget* widget = k >= 0    ? cmdNum_[static_cast<std::size_t>(k)]
                              : k == -1 ? static_cast<QWidget*>(chkInverse_)
                                        : enter;
            if (k == -1 && c == 6)
                continue;
            keypad->addWidget(widget, r, c, 1, k == -1 ? 2 : 1);
        }
    }
    layout->addLayout(keypad);
    layout->addStretch();
}

void MolvaMain::createFunctionArea(QWidget* area) {
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    auto* tabs = new QHBoxLayout;
    tabs->setSpacing(0);
    const char* captions[] = {"Classic", "SI Units", "Constants", "Prefix"};
    for (int k = 0; k < 4; ++k) {
        auto* tab = new QPushButton(captions[k], area);
        tab->setObjectName(QString("cmdConstant(%1)").arg(k));
        tab->setFocusPolicy(Qt::NoFocus);
        connect(tab, &QPushButton::clicked, this, [this, k] { showConstants(k); });
        cmdConstant_[static_cast<std::size_t>(k)] = tab;
        tabs->addWidget(tab);
    }
    layout->addLayout(tabs);
    fraOptMaska_ = new QFrame(area);
    fraOptMaska_->setObjectName("fraOptMaska");
    fraOptMaska_->setFixedHeight(3);
    fraOptMaska_->setAutoFillBackground(true);
    QPalette mask = fraOptMaska_->palette();
    mask.setColor(QPalette::Window, kActive);
    fraOptMaska_->setPalette(mask);
    fraOptMaska_->setGeometry(1, 28, 59, 3);
    layout->addSpacing(3);

    views_ = new QStackedWidget(area);
    picFunction_ = new QWidget(views_);
    picFunction_->setObjectName("picFunction");
    auto* functions = new QGridLayout(picFunction_);
    functions->setSpacing(1);
    auto* note = new QLabel("Classic calculator working only with result!", picFunction_);
    note->setObjectName("Label1");
    note->setWordWrap(true);
    functions->addWidget(note, 0, 0, 1, 6);
    for (int k = 0; k < kFunctionCount; ++k) {
        const FunctionDef& def = kFunctions[static_cast<std::size_t>(k)];
        auto* button = new QPushButton(QString::fromUtf8(def.caption), picFunction_);
        button->setObjectName(QString("cmdFunction(%1)").arg(k));
        button->setToolTip(def.toolTip);
        button->setFixedHeight(22);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, k] { pressFunction(k); });
        cmdFunction_[static_cast<std::size_t>(k)] = button;
        functions->addWidget(button, 1 + k / 6, k % 6);
    }
    auto* power = new QHBoxLayout;
    power->addWidget(new QLabel("y =", picFunction_));
    txtPower_ = new QLineEdit("3", picFunction_);
    txtPower_->setObjectName("txtPower");
    selectOnFocus_.append(txtPower_);
    vsbPower_ = new QScrollBar(Qt::Vertical, picFunction_);
    vsbPower_->setObjectName("vsbPower");
    vsbPower_->setRange(0, 308);
    vsbPower_->setValue(3);
    vsbPower_->setInvertedAppearance(true);
    connect(vsbPower_, &QScrollBar::valueChanged, this,
            [this](int value) { txtPower_->setText(QString::number(value)); });
    connect(txtPower_, &QLineEdit::textChanged, this, [this](const QString& text) {
        bool ok = false;
        const int value = text.trimmed().toInt(&ok);
        if (ok && value >= 0 && value <= 308)
            vsbPower_->setValue(value);
    });
    power->addWidget(txtPower_);
    power->addWidget(vsbPower_);
    functions->addLayout(power, 8, 0, 1, 6);
    auto* angleRow = new QHBoxLayout;
    const char* angles[] = {"Radians", "Degrees", "Grads"};
    for (int k = 0; k < 3; ++k) {
        auto* option = new QRadioButton(angles[k], picFunction_);
        option->setObjectName(QString("optRadiani(%1)").arg(k));
        connect(option, &QRadioButton::clicked, this, [this, k] {
            selectAngle(k);
            input_->setFocus();
        });
        optRadiani_[static_cast<std::size_t>(k)] = option;
        angleRow->addWidget(option);
    }
    functions->addLayout(angleRow, 9, 0, 1, 6);
    auto* quadratic = new QGroupBox(picFunction_);
    quadratic->setObjectName("fraKvadratna");
    auto* equation = new QHBoxLayout(quadratic);
    const char* pluses[] = {"= 0", "x +", "x\u00B2 +"};
    for (int k = 2; k >= 0; --k) {
        auto* box = new QLineEdit(quadratic);
        box->setObjectName(QString("txtKvadratna(%1)").arg(k));
        box->setFixedWidth(30);
        connect(box, &QLineEdit::returnPressed, this, &MolvaMain::calculateQuadratic);
        txtKvadratna_[static_cast<std::size_t>(k)] = box;
        selectOnFocus_.append(box);
        equation->addWidget(box);
        QLabel* plus = IndexedLabel(quadratic, "lblPlus", k, QString::fromUtf8(pluses[k]));
        equation->addWidget(plus);
    }
    auto* calc = new QPushButton("Calc", quadratic);
    calc->setObjectName("cmdKvadratna");
    calc->setToolTip(" Calculate square equation ");
    connect(calc, &QPushButton::clicked, this, &MolvaMain::calculateQuadratic);
    equation->addWidget(calc);
    functions->addWidget(quadratic, 10, 0, 1, 6);
    views_->addWidget(picFunction_);

    const QStringList builtIn[3] = {ReadConstantsResource("units.txt"),
                                    ReadConstantsResource("physical.txt"),
                                    ReadConstantsResource("prefixes.txt")};
    for (int k = 0; k < 4; ++k) {
        auto* list = new QListWidget(views_);
        list->setObjectName(QString("lstConstants(%1)").arg(k));
        if (k < 3)
            list->addItems(builtIn[k]);
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, k, list](QListWidgetItem* item) { insertConstant(k, list->row(item)); });
        list->installEventFilter(this);
        lstConstants_[static_cast<std::size_t>(k)] = list;
        views_->addWidget(list);
    }
    layout->addWidget(views_, 1);

    auto* fraInfo = new QFrame(area);
    fraInfo->setObjectName("fraInfo");
    auto* infoRow = new QHBoxLayout(fraInfo);
    auto* logo = new QToolButton(fraInfo);
    logo->setObjectName("imgTavo");
    logo->setIcon(QIcon(":/icons/molva.svg"));
    logo->setAutoRaise(true);
    connect(logo, &QToolButton::clicked, this, [this] { ShowAbout(this); });
    infoRow->addWidget(logo);
    auto* texts = new QVBoxLayout;
    texts->addWidget(new QLabel("Molecular weights and more", fraInfo));
    auto* link = new QLabel("<a href=\"help\">Molva help</a>", fraInfo);
    link->setObjectName("lblURL");
    connect(link, &QLabel::linkActivated, this,
            [this](const QString&) { services_.help.showTopic(this, 1); });
    texts->addWidget(link);
    infoRow->addLayout(texts, 1);
    layout->addWidget(fraInfo);
    optRadiani_[0]->setChecked(true);
    SetTextColour(optRadiani_[0], QColor(0, 0, 255));
}

void MolvaMain::createNumberPanel(QWidget* parent) {
    frmNumber_ = new QGroupBox("Number format ", parent);
    frmNumber_->setObjectName("frmNumber");
    frmNumber_->setAutoFillBackground(true);
    auto* grid = new QGridLayout(frmNumber_);
    const char* formats[] = {"&Automatic", "&Scientific", "&Fixed"};
    const char* angles[] = {"&Rad", "&Deg", "&Grad"};
    for (int k = 0; k < 3; ++k) {
        auto* format = new QRadioButton(formats[k], frmNumber_);
        format->setObjectName(QString("optNumber(%1)").arg(k));
        connect(format, &QRadioButton::clicked, this, [this, k] { selectFormat(k); });
        optNumber_[static_cast<std::size_t>(k)] = format;
        grid->addWidget(format, k, 0);
        auto* angle = new QRadioButton(angles[k], frmNumber_);
        angle->setObjectName(QString("optRadDeg(%1)").arg(k));
        connect(angle, &QRadioButton::clicked, this, [this, k] { selectAngle(k); });
        optRadDeg_[static_cast<std::size_t>(k)] = angle;
        grid->addWidget(angle, k, 2);
    }
    auto* formatGroup = new QButtonGroup(frmNumber_);
    auto* angleGroup = new QButtonGroup(frmNumber_);
    for (int k = 0; k < 3; ++k) {
        formatGroup->addButton(optNumber_[static_cast<std::size_t>(k)]);
        angleGroup->addButton(optRadDeg_[static_cast<std::size_t>(k)]);
    }
    optNumber_[0]->setChecked(true);
    optRadDeg_[0]->setChecked(true);
    lblDecimala_ = new QLabel("Decimal places:", frmNumber_);
    lblDecimala_->setObjectName("lblDecimala");
    txtDecimala_ = new QLineEdit("2", frmNumber_);
    txtDecimala_->setObjectName("txtDecimala");
    vsbDecimala_ = new QScrollBar(Qt::Vertical, frmNumber_);
    vsbDecimala_->setObjectName("vsbDecimala");
    vsbDecimala_->setRange(0, 12);
    vsbDecimala_->setValue(2);
    vsbDecimala_->setInvertedAppearance(true);
    chkTisuca_ = new QCheckBox("1000 separator", frmNumber_);
    chkTisuca_->setObjectName("chkTisuca");
    grid->addWidget(lblDecimala_, 3, 0);
    grid->addWidget(txtDecimala_, 3, 1);
    grid->addWidget(vsbDecimala_, 3, 2);
    grid->addWidget(chkTisuca_, 4, 0, 1, 3);
    auto* hide = new QPushButton("&Close", frmNumber_);
    hide->setObjectName("cmdHide");
    grid->addWidget(hide, 5, 0, 1, 3);
    connect(txtDecimala_, &QLineEdit::textChanged, this, &MolvaMain::setDecimalPlacesText);
    connect(vsbDecimala_, &QScrollBar::valueChanged, this,
            [this](int value) { txtDecimala_->setText(QString::number(value)); });
    connect(chkTisuca_, &QCheckBox::clicked, this, &MolvaMain::setGrouping);
    connect(hide, &QPushButton::clicked, this, [this] {
        input_->setFocus();
        frmNumber_->hide();
    });
    for (QWidget* control :
         {static_cast<QWidget*>(txtDecimala_), static_cast<QWidget*>(lblDecimala_),
          static_cast<QWidget*>(vsbDecimala_), static_cast<QWidget*>(chkTisuca_)})
        control->setEnabled(false);
    frmNumber_->setGeometry(10, 60, kNarrowWidth - 20, 200);
    frmNumber_->hide();
}

void MolvaMain::applyLayout() {
    const int width = expanded_ && !displayOnly_ ? kWideWidth : kNarrowWidth;
    const int height = displayOnly_ ? kDisplayOnlyHeight : kNormalHeight;
    setFixedSize(width, height);
}

void MolvaMain::showDisplay() {
    const DisplayTexts& display = session_.display();
    for (int k = 0; k < 3; ++k)
        rezultat_[static_cast<std::size_t>(k)]->setText(
            FromUtf8(display.rezultat[static_cast<std::size_t>(k)]));
    for (int k = 1; k < 4; ++k)
        oznaka_[static_cast<std::size_t>(k)]->setText(
            FromUtf8(display.oznaka[static_cast<std::size_t>(k)]));
    for (int k = 0; k < 2; ++k) {
        unosFormule_[static_cast<std::size_t>(k)]->setText(
            FromUtf8(display.unosFormule[static_cast<std::size_t>(k)]));
        unosFormule_[static_cast<std::size_t>(k)]->setToolTip(
            FromUtf8(display.unosFormuleTip[static_cast<std::size_t>(k)]));
    }
}

void MolvaMain::addHistory(const QString& input, const QString& result) {
    cmbLista_->insertItem(0, input);
    lstRezultat_->insertItem(0, result);
}

void MolvaMain::convertChem2Text() {
    const QString line = input_->text();
    const Entry entry = session_.Enter(line.toUtf8().toStdString());
    addHistory(FromUtf8(entry.historyText), FromUtf8(entry.resultLine));
    if (entry.command) {
        updateMemoryIndicator();
        updateIndicators();
        showDisplay();
        input_->clear();
    } else if (entry.tooLong) {
        rezultat_[0]->setText(FromUtf8(entry.resultLine));
    } else {
        showDisplay();
        if (entry.selectionStart) {
            input_->setText(FromUtf8(entry.inputLine));
            input_->setSelection(static_cast<int>(*entry.selectionStart),
                                 static_cast<int>(entry.selectionLength));
        } else {
            input_->clear();
        }
    }
    input_->setFocus();
}

void MolvaMain::insertText(const QString& text) {
    input_->insert(text);
    input_->setFocus();
}

QString MolvaMain::standardText(double value) const {
    return FromUtf8(PlainText(value, session_.state().decimalSeparator));
}

void MolvaMain::setInverse(bool checked) {
    if (chkInverse_->isChecked() != checked) {
        chkInverse_->setChecked(checked);
        return;
    }
    for (int k : {27, 28, 29, 30, 31, 32, 36, 38}) {
        const KeyDef& def = kKeys[static_cast<std::size_t>(k)];
        cmdNum_[static_cast<std::size_t>(k)]->setText(
            checked && def.inverseCaption ? def.inverseCaption : def.caption);
    }
    input_->setFocus();
}

void MolvaMain::pressKey(int index) {
    const KeyDef& def = kKeys[static_cast<std::size_t>(index)];
    const bool inverse = chkInverse_->isChecked();
    switch (def.action) {
    case KeyAction::Write: {
        QString text = inverse && def.inverseText ? def.inverseText : def.text;
        if (def.prefixed && session_.state().showSeparators)
            text.prepend(':');
        insertText(text);
        break;
    }
    case KeyAction::PowerOrRoot:
        insertText(inverse ? def.inverseText : def.text);
        if (inverse)
            input_->setCursorPosition(static_cast<int>(input_->text().size()) - 1);
        break;
    case KeyAction::Enclose:
        if (input_->hasSelectedText()) {
            insertText("(" + input_->selectedText() + ")");
        } else {
            input_->setText("(" + input_->text() + ")");
            input_->end(false);
        }
        break;
    case KeyAction::MemoryStore:
        memoryStore();
        break;
    case KeyAction::MemoryRecall:
        memoryRecall();
        break;
    case KeyAction::MemoryAdd:
        memoryAdd();
        break;
    case KeyAction::Backspace:
        if (input_->hasSelectedText())
            input_->del();
        else if (input_->cursorPosition() > 0)
            input_->backspace();
        break;
    case KeyAction::Clear:
        if (inverse) {
            session_.state().statValues.clear();
            session_.state().statCount = 0;
            session_.ClearMemory();
            SetTextColour(info_[3], kGrey);
        } else {
            input_->clear();
        }
        break;
    }
    setInverse(false);
    input_->setFocus();
}

QString MolvaMain::operandFor(int index) {
    QString operand;
    if (input_->hasSelectedText()) {
        operand = input_->selectedText();
    } else if (!input_->text().isEmpty() && index < 22) {
        input_->selectAll();
        operand = input_->text();
    } else if (!input_->text().isEmpty()) {
        operand = input_->text();
    } else {
        const QString result = rezultat_[0]->text();
        const bool numeric =
            IsNumeric(result.toUtf8().toStdString(), session_.state().decimalSeparator);
        return numeric ? result : QString("???");
    }
    return ContainsAny(operand, kOperandBrackets) ? "(" + operand + ")" : operand;
}

void MolvaMain::pressFunction(int index) {
    const FunctionDef& def = kFunctions[static_cast<std::size_t>(index)];
    switch (def.action) {
    case FunctionAction::Calculate:
        insertText(QString(def.text).arg(operandFor(index)));
        convertChem2Text();
        break;
    case FunctionAction::PowerCalculate:
        insertText(QString(def.text).arg(operandFor(index), txtPower_->text()));
        convertChem2Text();
        break;
    case FunctionAction::Insert:
        insertText(def.text);
        break;
    case FunctionAction::DataEntry: {
        const std::string& result = session_.state().resultText;
        if (!input_->text().isEmpty()) {
            input_->setText(":dat(" + input_->text() + ")");
            convertChem2Text();
        } else if (IsNumeric(result, session_.state().decimalSeparator)) {
            input_->setText(":dat" + FromUtf8(result));
            convertChem2Text();
        } else {
            rezultat_[0]->setText("No valid data!");
        }
        break;
    }
    case FunctionAction::DataList:
        insertDataList();
        break;
    default:
        insertStatistic(index);
        break;
    }
    input_->setFocus();
}

void MolvaMain::insertDataList() {
    const CalcState& state = session_.state();
    if (state.statCount == 0) {
        rezultat_[0]->setText("No data for calculate!");
        return;
    }
    QStringList values;
    for (const double value : state.statValues)
        values << standardText(value);
    insertText(":sum(" + values.join('+') + ")");
}

void MolvaMain::insertStatistic(int index) {
    const CalcState& state = session_.state();
    const double n = state.statCount;
    double s1 = 0;
    double s2 = 0;
    for (const double value : state.statValues) {
        s1 += value;
        s2 += value * value;
    }
    if (n == 0) {
        rezultat_[0]->setText(index == 34 ? "No data!" : "No data for calculate!");
        return;
    }
    if (index == 33 && n == 1) {
        rezultat_[0]->setText("Must bee min. two data!");
        return;
    }
    double value = 0;
    switch (kFunctions[static_cast<std::size_t>(index)].action) {
    case FunctionAction::SumOfValues:
        value = s1;
        break;
    case FunctionAction::SumOfSquares:
        value = s2;
        break;
    case FunctionAction::PopulationDeviation:
        value = std::pow((s2 - s1 * s1 / n) / n, 0.5);
        break;
    case FunctionAction::SampleDeviation:
        value = std::pow((s2 - s1 * s1 / n) / (n - 1), 0.5);
        break;
    case FunctionAction::Count:
        value = n;
        break;
    default:
        value = s1 / n;
        break;
    }
    insertText(standardText(value));
}

void MolvaMain::calculateQuadratic() {
    const QString a = txtKvadratna_[2]->text();
    const QString b = txtKvadratna_[1]->text();
    const QString c = txtKvadratna_[0]->text();
    auto startsWithMinus = [](const QString& text) {
        QString trimmed = text;
        while (trimmed.startsWith(' ') || trimmed.startsWith('\t'))
            trimmed.remove(0, 1);
        return trimmed.startsWith('-');
    };
    QString line = a + (startsWithMinus(b) ? "x^2" : "x^2+");
    line += b + (startsWithMinus(c) ? "x" : "x+");
    line += c;
    input_->setText(line);
    convertChem2Text();
}

void MolvaMain::cut() {
    services_.clipboard.clear();
    if (input_->hasSelectedText()) {
        services_.clipboard.setText(input_->selectedText());
        input_->del();
    } else {
        services_.clipboard.setText(input_->text());
        input_->clear();
    }
    input_->setFocus();
}

void MolvaMain::copy() {
    services_.clipboard.clear();
    services_.clipboard.setText(input_->hasSelectedText() ? input_->selectedText()
                                                          : rezultat_[0]->text());
    input_->setFocus();
}

void MolvaMain::paste() {
    insertText(services_.clipboard.text());
}

void MolvaMain::deleteText() {
    if (input_->hasSelectedText())
        input_->del();
    else
        input_->clear();
    input_->setFocus();
}

void MolvaMain::selectAll() {
    input_->setSelection(0, static_cast<int>(input_->text().size()));
    input_->setFocus();
}

void MolvaMain::clearDisplay() {
    for (QLabel* label : {unosFormule_[0], unosFormule_[1], oznaka_[1], oznaka_[2], oznaka_[3],
                          rezultat_[2], rezultat_[1], rezultat_[0]})
        label->clear();
    input_->setFocus();
}

void MolvaMain::insertIon(const QString& ion) {
    insertText("(" + ion + ")");
}

void MolvaMain::expandOrShrink() {
    QToolButton* image = imgMenu_[9];
    QAction* item = action("mnuExpand");
    if (expanded_) {
        image->setIcon(QIcon(":/icons/expand.svg"));
        image->setToolTip(" Expand Molva ");
        item->setChecked(false);
        expanded_ = false;
    } else {
        image->setIcon(QIcon(":/icons/shrink.svg"));
        image->setToolTip(" Shrink Molva ");
        item->setChecked(true);
        expanded_ = true;
    }
    applyLayout();
}

void MolvaMain::toggleDisplayOnly() {
    QAction* item = action("mnuShort");
    const bool menusVisible = topMenus_[0]->menuAction()->isVisible();
    displayOnly_ = menusVisible;
    for (QMenu* menu : topMenus_)
        menu->menuAction()->setVisible(!menusVisible);
    item->setChecked(menusVisible);
    if (menusVisible) {
        setWindowTitle(kDisplayOnlyCaption);
        topmost_ = true;
    } else {
        setWindowTitle(kNormalCaption);
        topmost_ = false;
        if (action("mnuExpand")->isChecked()) {
            expanded_ = false;
            expandOrShrink();
        }
    }
    setWindowFlag(Qt::WindowStaysOnTopHint, topmost_);
    applyLayout();
    show();
}

void MolvaMain::toggleAlwaysOnTop() {
    QAction* item = action("mnuTop");
    item->setChecked(!item->isChecked());
    topmost_ = item->isChecked();
    setWindowFlag(Qt::WindowStaysOnTopHint, topmost_);
    show();
}

bool MolvaMain::isTopmost() const {
    return topmost_;
}

void MolvaMain::updateMemoryIndicator() {
    const double memory = session_.state().memory;
    SetTextColour(info_[3], memory == 0 ? kGrey : kActive);
    info_[3]->setToolTip(memory == 0 ? QString(kMemoryTip)
                                     : QString(" ") + FromUtf8(session_.MemoryText()) + " ");
}

void MolvaMain::memoryStore() {
    session_.MemoryStore();
    updateMemoryIndicator();
}

void MolvaMain::memoryRecall() {
    if (session_.state().memory != 0)
        insertText(FromUtf8(session_.MemoryText()));
}

void MolvaMain::memoryAdd() {
    session_.MemoryAdd();
    updateMemoryIndicator();
}

void MolvaMain::clickMemoryIndicator() {
    if (session_.state().memory == 0) {
        if (IsNumeric(session_.state().resultText, session_.state().decimalSeparator))
            session_.MemoryStore();
    } else {
        memoryRecall();
    }
    if (session_.state().memory != 0)
        updateMemoryIndicator();
    else
        SetTextColour(info_[3], kGrey);
    input_->setFocus();
}

void MolvaMain::updateIndicators() {
    const int format = static_cast<int>(session_.formatKind());
    const int angle = static_cast<int>(session_.state().angleUnit);
    for (int k = 0; k < 3; ++k) {
        SetTextColour(info_[static_cast<std::size_t>(k)], k == format ? kActive : kGrey);
        SetTextColour(info_[static_cast<std::size_t>(k + 4)], k == angle ? kActive : kGrey);
        optNumber_[static_cast<std::size_t>(k)]->setChecked(k == format);
        optRadDeg_[static_cast<std::size_t>(k)]->setChecked(k == angle);
        optRadiani_[static_cast<std::size_t>(k)]->setChecked(k == angle);
        SetTextColour(optRadiani_[static_cast<std::size_t>(k)],
                      k == angle ? QColor(0, 0, 255) : QColor(0, 0, 0));
    }
    const bool grouping = session_.state().groupThousands;
    txtDecimala_->setEnabled(format != 0 && !(format == 2 && grouping));
    vsbDecimala_->setEnabled(format != 0 && !(format == 2 && grouping));
    lblDecimala_->setEnabled(format != 0 && !grouping && !(format == 2 && grouping));
    chkTisuca_->setEnabled(format == 2);
    updatingPlaces_ = true;
    txtDecimala_->setText(QString::number(session_.decimalPlaces()));
    vsbDecimala_->setValue(session_.decimalPlaces());
    updatingPlaces_ = false;
}

void MolvaMain::selectFormat(int index) {
    session_.SelectFormat(static_cast<FormatKind>(index));
    updateIndicators();
    showDisplay();
}

void MolvaMain::selectAngle(int index) {
    session_.SelectAngle(static_cast<AngleUnit>(index));
    updateIndicators();
}

void MolvaMain::setDecimalPlacesText(const QString& text) {
    if (updatingPlaces_)
        return;
    const int before = session_.decimalPlaces();
    const int places = session_.SetDecimalPlacesText(text.toStdString());
    if (places != before || text.trimmed() != QString::number(places)) {
        bool whole = false;
        text.trimmed().toInt(&whole);
        if (whole) {
            updatingPlaces_ = true;
            txtDecimala_->setText(QString::number(places));
            vsbDecimala_->setValue(places);
            updatingPlaces_ = false;
        }
    } else {
        updatingPlaces_ = true;
        vsbDecimala_->setValue(places);
        updatingPlaces_ = false;
    }
    showDisplay();
}

void MolvaMain::setGrouping(bool grouping) {
    session_.SetGrouping(grouping);
    chkTisuca_->setChecked(grouping);
    updatingPlaces_ = true;
    if (grouping)
        txtDecimala_->setText(QString::number(session_.decimalPlaces()));
    vsbDecimala_->setValue(session_.decimalPlaces());
    updatingPlaces_ = false;
    lblDecimala_->setEnabled(!grouping);
    showDisplay();
}

void MolvaMain::toggleNumberPanel() {
    frmNumber_->setVisible(frmNumber_->isHidden());
    frmNumber_->raise();
    input_->setFocus();
}

void MolvaMain::showConstants(int view) {
    for (int j = 0; j < 4; ++j)
        findChild<QAction*>(QString("mnuConstants(%1)").arg(j))->setChecked(j == view);
    findChild<QAction*>("mnuConstants(4)")->setChecked(view == 4);
    struct Tab {
        int left;
        int width;
    };
    const Tab tabs[] = {{1, 59}, {59, 61}, {119, 61}, {179, 59}};
    auto underTab = [&](int k) {
        fraOptMaska_->setGeometry(tabs[k].left, 28, tabs[k].width, 3);
        fraOptMaska_->raise();
    };
    if (view == 1 || view == 2) {
        underTab(view);
        views_->setCurrentWidget(lstConstants_[static_cast<std::size_t>(view - 1)]);
    } else if (view == 3) {
        underTab(3);
        views_->setCurrentWidget(lstConstants_[customLoaded_ ? 3u : 2u]);
    } else if (view == 4) {
        loadConstantsFile();
        return;
    } else {
        views_->setCurrentWidget(picFunction_);
        underTab(0);
        findChild<QAction*>("mnuConstants(0)")->setChecked(true);
    }
    if (!expanded_)
        expandOrShrink();
}

void MolvaMain::insertConstant(int list, int row) {
    QListWidget* widget = lstConstants_[static_cast<std::size_t>(list)];
    if (!findChild<QAction*>("mnuConstants(3)")->isChecked())
        row = 2 * (row / 2) + 1;
    if (row < 0 || row >= widget->count())
        return;
    widget->setCurrentRow(row);
    insertText(widget->item(row)->text());
}

void MolvaMain::loadConstantsFile() {
    findChild<QAction*>("mnuConstants(4)")->setChecked(false);
    const auto path = services_.dialogs.openFile(
        this, "Open", "All Files (*.*);;Text Files(*.txt);;Constants (*.con)");
    if (path) {
        QFile file(*path);
        if (file.open(QIODevice::ReadOnly)) {
            customLoaded_ = true;
            lstConstants_[3]->clear();
            lstConstants_[3]->addItems(DecodedLines(file.readAll()));
            const QString name = QFileInfo(*path).fileName();
            cmdConstant_[3]->setText(name.contains('.') ? name.left(name.indexOf('.')) : name);
        }
    }
    showConstants(3);
}

void MolvaMain::newList() {
    input_->clear();
    for (QLabel* label : {rezultat_[0], rezultat_[1], unosFormule_[0], unosFormule_[1]})
        label->clear();
    CalcState& state = session_.state();
    state.prevResultText.clear();
    state.resultText.clear();
    state.normalText.clear();
    state.prevNormalText.clear();
    cmbLista_->clear();
    lstRezultat_->clear();
    input_->setFocus();
}

void MolvaMain::runLines(const QStringList& lines, bool exampleFormat, bool hideLabels) {
    cancelRequested_ = false;
    fraWait_->setGeometry(4, 4, kNarrowWidth - 16, 90);
    fraWait_->show();
    fraWait_->raise();
    const std::array<QLabel*, 4> labels = {unosFormule_[0], unosFormule_[1], rezultat_[0],
                                           rezultat_[1]};
    if (hideLabels) {
        for (QLabel* label : labels)
            label->hide();
    }
    // Painting every line would dominate a long run: the window is redrawn
    // about ten times a second instead, while events (Esc) are handled
    // between every two lines.
    constexpr int kRepaintMilliseconds = 100;
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    centralWidget()->setUpdatesEnabled(false);
    for (const QString& line : lines) {
        if (sinceRepaint.elapsed() >= kRepaintMilliseconds) {
            centralWidget()->setUpdatesEnabled(true);
            centralWidget()->repaint();
            centralWidget()->setUpdatesEnabled(false);
            sinceRepaint.restart();
        }
        QCoreApplication::processEvents();
        if (cancelRequested_)
            break;
        QString text = line;
        if (exampleFormat) {
            const qsizetype equals = line.indexOf('=');
            if (equals == 0)
                continue;
            if (equals > 0)
                text = line.left(equals);
        } else if (line.isEmpty()) {
            continue;
        }
        input_->setText(text);
        convertChem2Text();
    }
    centralWidget()->setUpdatesEnabled(true);
    if (hideLabels) {
        for (QLabel* label : labels)
            label->show();
    }
    fraWait_->hide();
}

void MolvaMain::openTask() {
    const auto path = services_.dialogs.openFile(
        this, "Open Task", "All Files (*.*);;Text Files(*.txt);;Task Files (*.tsk)");
    if (path)
        runTaskFile(*path);
}

void MolvaMain::runTaskFile(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        runLines(DecodedLines(file.readAll()), false, true);
}

void MolvaMain::runExample() {
    QFile file(exampleDirectory_ + "/Example.tsk");
    if (file.open(QIODevice::ReadOnly))
        runLines(DecodedLines(file.readAll()), true, false);
}

void MolvaMain::saveList() {
    const auto path = services_.dialogs.saveFile(
        this, "Save List", "All Files (*.*);;Text Files(*.txt);;Task Files (*.tsk)");
    if (!path)
        return;
    QString text;
    for (int i = 0; i < cmbLista_->count(); ++i) {
        const QString result = lstRezultat_->item(i)->text();
        text += cmbLista_->itemText(i) + (result.isEmpty() ? QString() : " = " + result) + "\r\n";
    }
    platform::ReplaceFile(*path, text.toUtf8());
}

void MolvaMain::printList() {
    auto jobs = services_.printer.startCopies(this);
    QString text;
    for (int i = 0; i < cmbLista_->count(); ++i)
        text += cmbLista_->itemText(i) + " = " + lstRezultat_->item(i)->text() + "\r\n";
    for (auto& job : jobs) {
        if (!(job->printText(text) && job->end()))
            break;
    }
}

bool MolvaMain::handleKey(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool alt = modifiers & Qt::AltModifier;
    switch (event->key()) {
    case Qt::Key_F2:
        insertText(unosFormule_[0]->text());
        return true;
    case Qt::Key_F3:
        insertText(rezultat_[1]->text());
        return true;
    case Qt::Key_F4:
        insertText(unosFormule_[1]->text());
        return true;
    case Qt::Key_F5:
        selectFormat((static_cast<int>(session_.formatKind()) + 1) % 3);
        return true;
    case Qt::Key_F6:
        memoryStore();
        return true;
    case Qt::Key_F7:
        memoryRecall();
        return true;
    case Qt::Key_F8:
        selectAngle((static_cast<int>(session_.state().angleUnit) + 1) % 3);
        return true;
    case Qt::Key_F12:
        toggleDisplayOnly();
        return true;
    case Qt::Key_Escape:
        cancelRequested_ = true;
        input_->clear();
        return true;
    default:
        break;
    }
    const int key = event->key();
    if (key < Qt::Key_1 || key > Qt::Key_9 || !(ctrl || alt))
        return false;
    const int n = key - Qt::Key_0;
    QString selection = input_->selectedText();
    if (ContainsAny(selection, kSelectionBrackets))
        selection = "(" + selection + ")";
    if ((ctrl && shift) || alt)
        insertText(selection + QString("^(1/%1)").arg(n));
    else
        insertText(selection + QString("^%1").arg(n));
    return true;
}

bool MolvaMain::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::FocusIn && type != QEvent::MouseButtonRelease)
        return QMainWindow::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::FocusIn && selectOnFocus_.contains(widget)) {
        auto* box = static_cast<QLineEdit*>(widget);
        QTimer::singleShot(0, box, [box] { box->selectAll(); });
    }
    if (event->type() == QEvent::KeyPress && widget && widget->window() == this) {
        auto* key = static_cast<QKeyEvent*>(event);
        for (int k = 0; k < 4; ++k) {
            if (watched == lstConstants_[static_cast<std::size_t>(k)] &&
                (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
                insertConstant(k, lstConstants_[static_cast<std::size_t>(k)]->currentRow());
                return true;
            }
        }
        if (handleKey(key))
            return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int k = 0; k < 7; ++k) {
            if (watched != info_[static_cast<std::size_t>(k)])
                continue;
            if (k == 3)
                clickMemoryIndicator();
            else if (k < 3)
                selectFormat(k);
            else
                selectAngle(k - 4);
            input_->setFocus();
            return true;
        }
        for (int k = 0; k < 3; ++k) {
            if (watched == rezultat_[static_cast<std::size_t>(k)]) {
                insertText(rezultat_[static_cast<std::size_t>(k)]->text());
                return true;
            }
        }
        for (int k = 0; k < 2; ++k) {
            if (watched != unosFormule_[static_cast<std::size_t>(k)])
                continue;
            insertText(unosFormule_[static_cast<std::size_t>(k)]->text());
            const int mode = static_cast<int>(session_.state().mode);
            if ((mode == 1 || mode == -1) && k == 0)
                insertText(rezultat_[2]->text());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace molva::ui
