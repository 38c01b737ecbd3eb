// Form7: the list of elements with symbol, name and atomic number.
#include "form7.h"

#include "appearance.h"
#include "chem_output.h"
#include "controls.h"
#include "core/elements.h"
#include "galvix_context.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QVBoxLayout>

namespace galvix::ui {

namespace {

const QString kHeading = "Sym.      Name              At.No.";

} // namespace

Form7::Form7(GalvixContext& context) : context_(context) {
    setObjectName("Form7");
    setWindowTitle("Galvix -- List of Elements");
    auto* layout = new QVBoxLayout(this);
    auto* menus = new QMenuBar(this);
    QMenu* file = menus->addMenu("&File");
    QAction* searchItem = file->addAction("&Search");
    QAction* closeItem = file->addAction("&Close");
    QMenu* edit = menus->addMenu("&Edit");
    QAction* copyItem = edit->addAction("&Copy");
    QAction* printItem = edit->addAction("&Print");
    QMenu* help = menus->addMenu("&Help");
    QAction* helpItem = help->addAction("&Help");
    layout->setMenuBar(menus);
    auto* label1 = NamedLabel(
        this, "Label1",
        "Here you can find names, symbols and atomic numbers of elements used in Galvix.");
    label1->setWordWrap(true);
    layout->addWidget(label1);
    auto* headings = new QHBoxLayout;
    headings->addWidget(NamedLabel(this, "Label3", "Sym."));
    headings->addWidget(NamedLabel(this, "Label4", "Name"), 1);
    headings->addWidget(NamedLabel(this, "Label5", "At. No."));
    layout->addLayout(headings);
    list1_ = new QListWidget(this);
    list1_->setObjectName("List1");
    UseChemFont(list1_);
    layout->addWidget(list1_, 1);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(NamedLabel(this, "Label2", "Search:"));
    text1_ = NamedTextBox(this, "Text1");
    searchRow->addWidget(text1_, 1);
    auto* ok = NamedButton(this, "Command1", "OK");
    ok->setDefault(true);
    searchRow->addWidget(ok);
    layout->addLayout(searchRow);
    connect(ok, &QPushButton::clicked, this, &Form7::search);
    connect(searchItem, &QAction::triggered, this, &Form7::search);
    connect(closeItem, &QAction::triggered, this, &QDialog::hide);
    connect(copyItem, &QAction::triggered, this, &Form7::copy);
    connect(printItem, &QAction::triggered, this, &Form7::print);
    connect(helpItem, &QAction::triggered, this,
            [this] { context_.services.help.showTopic(this, 29); });
    for (const std::string& line : lines())
        list1_->addItem(ChemDisplay(line));
    context_.registerWindow(this);
    ApplyAppearance(this, ReadAppearance(context_.services.settings));
    resize(420, 480);
}

std::vector<std::string> Form7::lines() const {
    std::vector<std::string> result;
    for (const ElementRecord& record :
         ReadElements(context_.dataFile(ElementFileName).toStdString()).records)
        result.push_back(ElementListLine(record));
    return result;
}

void Form7::search() {
    const ElementRead read = ReadElements(context_.dataFile(ElementFileName).toStdString());
    const auto found = FindElement(read.records, text1_->text().toStdString());
    if (!found || static_cast<int>(*found) >= list1_->count()) {
        context_.message(this, "Sorry, your input was not found. Please try again.");
        return;
    }
    const int row = static_cast<int>(*found);
    list1_->setCurrentRow(row);
    if (row - 6 >= 0)
        list1_->scrollToItem(list1_->item(row - 6), QAbstractItemView::PositionAtTop);
}

void Form7::copy() {
    QString text = "Galvix Ver. 3.0" + OutputHeader().mid(OutputHeader().indexOf("\r\n"));
    text += kHeading + "\r\n\r\n";
    for (int row = 0; row < list1_->count(); ++row)
        text += list1_->item(row)->text() + "\r\n";
    context_.services.clipboard.setText(text);
}

void Form7::print() {
    if (!context_.askToPrint(this, "Do you want to print this?"))
        return;
    QString text = OutputHeader() + kHeading + "\r\n\r\n";
    for (const std::string& line : lines())
        text += ChemDisplay(line) + "\r\n";
    if (!context_.printChemText(this, text))
        context_.message(this, "Error printing!", platform::MessageIcon::Critical);
}

} // namespace galvix::ui
