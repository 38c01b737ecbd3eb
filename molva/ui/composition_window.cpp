// The Composition window: the formula of the input line by element, with
// atom count, mass and mass percent, copied as tab-separated text; and, in
// the same view, the empirical formula that mass percentages give.
#include "composition_window.h"

#include "calculator_menus.h"
#include "engine/composition.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace molva::ui {

namespace {

constexpr int kWidth = 430;
constexpr int kHeight = 400;
constexpr int kColumns = 5;

QString FromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPushButton* AddButton(QWidget* parent, QBoxLayout* row, const char* name, const char* caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    row->addWidget(button);
    return button;
}

} // namespace

CompositionWindow::CompositionWindow(QWidget* parent, platform::Clipboard& clipboard,
                                     char decimalSeparator)
    : QWidget(parent, Qt::Window), clipboard_(clipboard), decimalSeparator_(decimalSeparator) {
    setObjectName("frmComposition");
    setWindowTitle("Composition");
    setFixedSize(kWidth, kHeight);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createFormulaRow());
    table_ = new QTableWidget(0, kColumns, this);
    table_->setObjectName("grdComposition");
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    showHeader(CompositionTable(Composition()).front());
    layout->addWidget(table_, 1);
    message_ = new QLabel(this);
    message_->setObjectName("lblMessage");
    message_->setWordWrap(true);
    layout->addWidget(message_);
    layout->addWidget(createEmpiricalPanel());
    auto* buttons = new QHBoxLayout;
    copy_ = AddButton(this, buttons, "cmdCopy", "&Copy");
    buttons->addStretch();
    QPushButton* close = AddButton(this, buttons, "cmdClose", "C&lose");
    layout->addLayout(buttons);
    connect(copy_, &QPushButton::clicked, this, &CompositionWindow::copyTable);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

QWidget* CompositionWindow::createFormulaRow() {
    auto* rowWidget = new QWidget(this);
    auto* row = new QHBoxLayout(rowWidget);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel("&Formula:", rowWidget);
    formula_ = new QLineEdit(rowWidget);
    formula_->setObjectName("txtFormula");
    label->setBuddy(formula_);
    row->addWidget(label);
    row->addWidget(formula_, 1);
    QPushButton* show = AddButton(rowWidget, row, "cmdShow", "&Show");
    connect(show, &QPushButton::clicked, this, &CompositionWindow::showComposition);
    connect(formula_, &QLineEdit::returnPressed, this, &CompositionWindow::showComposition);
    return rowWidget;
}

QWidget* CompositionWindow::createEmpiricalPanel() {
    auto* panel = new QGroupBox("Empirical formula from mass percentages", this);
    panel->setObjectName("fraEmpirical");
    auto* lines = new QVBoxLayout(panel);
    auto* row = new QHBoxLayout;
    percentages_ = new QLineEdit(panel);
    percentages_->setObjectName("txtPercentages");
    percentages_->setPlaceholderText("C=40.0 H=6.7 O=53.3");
    row->addWidget(percentages_, 1);
    QPushButton* find = AddButton(panel, row, "cmdFind", "F&ind");
    lines->addLayout(row);
    empirical_ = new QLabel(panel);
    empirical_->setObjectName("lblEmpirical");
    empirical_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lines->addWidget(empirical_);
    connect(find, &QPushButton::clicked, this, &CompositionWindow::findEmpiricalFormula);
    connect(percentages_, &QLineEdit::returnPressed, this,
            &CompositionWindow::findEmpiricalFormula);
    return panel;
}

void CompositionWindow::showFormula(const QString& formula, AtomicWeights weights) {
    weights_ = weights;
    formula_->setText(formula);
    showComposition();
}

void CompositionWindow::showComposition() {
    const Composition composition =
        ComputeComposition(formula_->text().toStdString(), weights_, decimalSeparator_);
    message_->setText(composition.failed() ? FromStd(composition.message)
                                           : QString(AtomicWeightsCaption(weights_)));
    table_->setRowCount(0);
    tableText_.clear();
    copy_->setEnabled(!composition.failed());
    if (composition.failed())
        return;
    const CompositionCells cells = CompositionTable(composition, decimalSeparator_);
    tableText_ = FromStd(TabSeparated(cells));
    table_->setRowCount(static_cast<int>(cells.size()) - 1);
    for (std::size_t r = 1; r < cells.size(); ++r) {
        for (std::size_t c = 0; c < cells[r].size(); ++c) {
            auto* item = new QTableWidgetItem(FromStd(cells[r][c]));
            if (c >= 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (r + 1 == cells.size()) {
                QFont total = item->font();
                total.setBold(true);
                item->setFont(total);
            }
            table_->setItem(static_cast<int>(r) - 1, static_cast<int>(c), item);
        }
    }
}

void CompositionWindow::showHeader(const std::array<std::string, 5>& titles) {
    QStringList header;
    for (const std::string& title : titles)
        header << FromStd(title);
    table_->setHorizontalHeaderLabels(header);
}

void CompositionWindow::copyTable() {
    clipboard_.clear();
    clipboard_.setText(tableText_);
}

void CompositionWindow::findEmpiricalFormula() {
    const EmpiricalFormula found =
        FindEmpiricalFormula(percentages_->text().toStdString(), weights_);
    empirical_->setText(found.message.empty() ? "Empirical formula: " + FromStd(found.formula)
                                              : FromStd(found.message));
}

} // namespace molva::ui
