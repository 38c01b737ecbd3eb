// The list of elements: symbol, name and atomic number in three columns, with
// search, copy and print.
#include "element_list_window.h"

#include "appearance.h"
#include "chem_output.h"
#include "controls.h"
#include "core/reaction_session.h"
#include "galvix_context.h"
#include "galvix_windows.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace galvix::ui {

namespace {

enum Column { SymbolColumn, NameColumn, NumberColumn };

QTreeWidget* ElementTable(QWidget* parent) {
    auto* table = new QTreeWidget(parent);
    table->setObjectName("List1");
    table->setColumnCount(3);
    table->setHeaderLabels({"Sym.", "Name", "At. No."});
    table->headerItem()->setTextAlignment(NumberColumn, Qt::AlignRight | Qt::AlignVCenter);
    table->setRootIsDecorated(false);
    table->setUniformRowHeights(true);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->header()->setStretchLastSection(false);
    table->header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    UseChemFont(table);
    return table;
}

} // namespace

ElementListWindow::ElementListWindow(GalvixWindows& windows)
    : windows_(windows), context_(windows.context()) {
    setObjectName("Form7");
    setWindowTitle("Galvix -- List of Elements");
    auto* layout = new QVBoxLayout(this);
    auto* menus = new QMenuBar(this);
    QMenu* file = menus->addMenu("&File");
    connect(file->addAction("&Search"), &QAction::triggered, this, &ElementListWindow::search);
    connect(file->addAction("&Close"), &QAction::triggered, this, &QDialog::hide);
    QMenu* edit = menus->addMenu("&Edit");
    connect(edit->addAction("&Copy"), &QAction::triggered, this, &ElementListWindow::copy);
    connect(edit->addAction("&Print"), &QAction::triggered, this, &ElementListWindow::print);
    connect(menus->addMenu("&Help")->addAction("&Help"), &QAction::triggered, this,
            [this] { context_.showHelp(this, HelpTopic::ListOfElements); });
    layout->setMenuBar(menus);
    auto* introduction = NamedLabel(
        this, "Label1",
        "Here you can find names, symbols and atomic numbers of elements used in Galvix.");
    introduction->setWordWrap(true);
    layout->addWidget(introduction);
    table_ = ElementTable(this);
    layout->addWidget(table_, 1);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(NamedLabel(this, "Label2", "Search:"));
    searchBox_ = NamedTextBox(this, "Text1");
    searchRow->addWidget(searchBox_, 1);
    auto* ok = NamedButton(this, "Command1", "OK");
    ok->setDefault(true);
    searchRow->addWidget(ok);
    layout->addLayout(searchRow);
    connect(ok, &QPushButton::clicked, this, &ElementListWindow::search);
    context_.applyAppearance(this);
    resize(420, 480);
}

bool ElementListWindow::load(QWidget* reportTo) {
    ElementRead read = ReadElements(windows_.session().dataFile(ElementFileName));
    if (!read.ok()) {
        context_.message(reportTo, QString::fromStdString(read.error),
                         platform::MessageIcon::Exclamation);
        return false;
    }
    records_ = std::move(read.records);
    fillTable();
    return true;
}

void ElementListWindow::fillTable() {
    table_->clear();
    for (const ElementRecord& record : records_) {
        auto* row = new QTreeWidgetItem(table_);
        row->setText(SymbolColumn, ChemDisplay(ShownSymbol(record.symbol)));
        row->setText(NameColumn, ChemDisplay(record.name));
        row->setText(NumberColumn, QString::number(record.atomicNumber));
        row->setTextAlignment(NumberColumn, Qt::AlignRight | Qt::AlignVCenter);
    }
    table_->resizeColumnToContents(SymbolColumn);
    table_->resizeColumnToContents(NumberColumn);
}

void ElementListWindow::search() {
    const auto found = FindElement(records_, searchBox_->text().toStdString());
    if (!found || static_cast<int>(*found) >= table_->topLevelItemCount()) {
        context_.message(this, "Sorry, your input was not found. Please try again.");
        return;
    }
    const int row = static_cast<int>(*found);
    table_->setCurrentItem(table_->topLevelItem(row));
    if (row - 6 >= 0)
        table_->scrollToItem(table_->topLevelItem(row - 6), QAbstractItemView::PositionAtTop);
}

void ElementListWindow::copy() {
    context_.services.clipboard.setText(
        ChemDisplay(ElementListText(records_, ElementTextUse::Copy)));
}

void ElementListWindow::print() {
    if (!context_.ask(this, "Do you want to print this?", platform::MessageIcon::Question))
        return;
    if (!context_.printChemText(this,
                                ChemDisplay(ElementListText(records_, ElementTextUse::Print))))
        context_.message(this, "Error printing!", platform::MessageIcon::Critical);
}

} // namespace galvix::ui
