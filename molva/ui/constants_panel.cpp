// The function area of the wide layout: four tabs choose between the
// function field and the lists of unit factors, physical constants and
// prefixes (or the lines of a constants file); a double click or Enter on a
// list line offers its value to the input line.
#include "constants_panel.h"

#include "function_panel.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace molva::ui {

namespace {

const QColor kHighlight(0, 92, 64);
constexpr int kHighlightHeight = 3;
constexpr int kCustomList = 3;
constexpr int kPrefixList = 2;

// A built-in list: name and value lines alternating, one per line of the file.
QStringList BuiltInLines(const QString& name) {
    QFile file(":/constants/" + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

ConstantsPanel::ConstantsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("fraExpand");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    tabRow_ = new QGridLayout;
    tabRow_->setHorizontalSpacing(0);
    tabRow_->setVerticalSpacing(0);
    const char* captions[] = {"Classic", "SI Units", "Constants", "Prefix"};
    for (std::size_t k = 0; k < tabs_.size(); ++k) {
        tabs_[k] = new QPushButton(captions[k], this);
        tabs_[k]->setObjectName(QString("cmdConstant(%1)").arg(k));
        tabs_[k]->setFocusPolicy(Qt::NoFocus);
        tabs_[k]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        connect(tabs_[k], &QPushButton::clicked, this,
                [this, k] { Q_EMIT tabClicked(static_cast<ConstantsView>(k)); });
        tabRow_->addWidget(tabs_[k], 0, static_cast<int>(k));
    }
    highlight_ = new QFrame(this);
    highlight_->setObjectName("fraOptMaska");
    highlight_->setFixedHeight(kHighlightHeight);
    highlight_->setAutoFillBackground(true);
    QPalette colour = highlight_->palette();
    colour.setColor(QPalette::Window, kHighlight);
    highlight_->setPalette(colour);
    tabRow_->addWidget(highlight_, 1, 0);
    layout->addLayout(tabRow_);

    views_ = new QStackedWidget(this);
    functions_ = new FunctionPanel(views_);
    views_->addWidget(functions_);
    const QStringList builtIn[] = {BuiltInLines("units.txt"), BuiltInLines("physical.txt"),
                                   BuiltInLines("prefixes.txt")};
    for (std::size_t k = 0; k < lists_.size(); ++k) {
        auto* list = new QListWidget(views_);
        list->setObjectName(QString("lstConstants(%1)").arg(k));
        if (k < std::size(builtIn))
            list->addItems(builtIn[k]);
        // Activation is a double click or Enter.
        connect(list, &QListWidget::itemActivated, this,
                [this, list](QListWidgetItem* item) { chooseLine(list->row(item)); });
        lists_[k] = list;
        views_->addWidget(list);
    }
    layout->addWidget(views_, 1);
    layout->addWidget(createInfoRow());
}

QWidget* ConstantsPanel::createInfoRow() {
    auto* info = new QFrame(this);
    info->setObjectName("fraInfo");
    auto* row = new QHBoxLayout(info);
    row->setContentsMargins(0, 0, 0, 0);
    auto* logo = new QToolButton(info);
    logo->setObjectName("imgTavo");
    logo->setIcon(QIcon(":/icons/molva.svg"));
    logo->setToolTip(" About Molva ");
    logo->setAutoRaise(true);
    logo->setFocusPolicy(Qt::NoFocus);
    connect(logo, &QToolButton::clicked, this, &ConstantsPanel::aboutRequested);
    row->addWidget(logo);
    row->addWidget(new QLabel("Molecular weights and more", info), 1);
    auto* link = new QLabel("<a href=\"help\">Help</a>", info);
    link->setObjectName("lblURL");
    connect(link, &QLabel::linkActivated, this, [this] { Q_EMIT helpRequested(); });
    row->addWidget(link);
    return info;
}

void ConstantsPanel::showView(ConstantsView view) {
    view_ = view;
    const int tab = static_cast<int>(view);
    tabRow_->removeWidget(highlight_);
    tabRow_->addWidget(highlight_, 1, tab);
    switch (view) {
    case ConstantsView::Classic:
        views_->setCurrentWidget(functions_);
        break;
    case ConstantsView::Units:
    case ConstantsView::Physical:
        views_->setCurrentWidget(lists_[static_cast<std::size_t>(tab - 1)]);
        break;
    case ConstantsView::Custom:
        views_->setCurrentWidget(lists_[customLoaded_ ? kCustomList : kPrefixList]);
        break;
    }
}

void ConstantsPanel::showCustomFile(const QString& path, const QStringList& lines) {
    customLoaded_ = true;
    lists_[kCustomList]->clear();
    lists_[kCustomList]->addItems(lines);
    const QString name = QFileInfo(path).fileName();
    const QString base = name.section('.', 0, 0);
    tabs_[kCustomList]->setText(base.isEmpty() ? name : base);
}

QListWidget* ConstantsPanel::list(int index) const {
    return lists_[static_cast<std::size_t>(index)];
}

QPushButton* ConstantsPanel::tab(ConstantsView view) const {
    return tabs_[static_cast<std::size_t>(view)];
}

QListWidget* ConstantsPanel::shownList() const {
    return qobject_cast<QListWidget*>(views_->currentWidget());
}

bool ConstantsPanel::chooseLine(int row) {
    QListWidget* list = shownList();
    if (!list)
        return false;
    if (view_ != ConstantsView::Custom)
        row = 2 * (row / 2) + 1;
    if (row < 0 || row >= list->count())
        return false;
    list->setCurrentRow(row);
    Q_EMIT valueChosen(list->item(row)->text());
    return true;
}

} // namespace molva::ui
