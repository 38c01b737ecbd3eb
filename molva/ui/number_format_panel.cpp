// The number-format panel: automatic, scientific or fixed results, the
// decimal places, grouping by thousands and the angle unit.
#include "number_format_panel.h"

#include "step_bar.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace molva::ui {

namespace {

constexpr int kMaximumPlaces = 12;

bool IsWholeNumber(const QString& text) {
    bool whole = false;
    text.trimmed().toInt(&whole);
    return whole;
}

} // namespace

NumberFormatPanel::NumberFormatPanel(QWidget* parent) : QGroupBox("Number format ", parent) {
    setObjectName("frmNumber");
    setAutoFillBackground(true);
    auto* grid = new QGridLayout(this);
    auto* formatGroup = new QButtonGroup(this);
    auto* angleGroup = new QButtonGroup(this);
    const char* formats[] = {"&Automatic", "&Scientific", "&Fixed"};
    const char* angles[] = {"&Rad", "&Deg", "&Grad"};
    for (std::size_t k = 0; k < formats_.size(); ++k) {
        formats_[k] = new QRadioButton(formats[k], this);
        formats_[k]->setObjectName(QString("optNumber(%1)").arg(k));
        connect(formats_[k], &QRadioButton::clicked, this,
                [this, k] { Q_EMIT formatChosen(static_cast<FormatKind>(k)); });
        formatGroup->addButton(formats_[k]);
        grid->addWidget(formats_[k], static_cast<int>(k), 0, 1, 2);
        angles_[k] = new QRadioButton(angles[k], this);
        angles_[k]->setObjectName(QString("optRadDeg(%1)").arg(k));
        connect(angles_[k], &QRadioButton::clicked, this,
                [this, k] { Q_EMIT angleChosen(static_cast<AngleUnit>(k)); });
        angleGroup->addButton(angles_[k]);
        grid->addWidget(angles_[k], static_cast<int>(k), 2);
    }
    placesLabel_ = new QLabel("Decimal places:", this);
    placesLabel_->setObjectName("lblDecimala");
    places_ = new QLineEdit("2", this);
    places_->setObjectName("txtDecimala");
    places_->setMaximumWidth(40);
    placesBar_ = CreateStepBar(places_, "vsbDecimala", kMaximumPlaces, 2);
    grouping_ = new QCheckBox("1000 separator", this);
    grouping_->setObjectName("chkTisuca");
    auto* close = new QPushButton("&Close", this);
    close->setObjectName("cmdHide");
    grid->addWidget(placesLabel_, 3, 0);
    grid->addWidget(places_, 3, 1);
    grid->addWidget(placesBar_, 3, 2, Qt::AlignLeft);
    grid->addWidget(grouping_, 4, 0, 1, 3);
    grid->addWidget(close, 5, 0, 1, 3);
    connect(places_, &QLineEdit::textChanged, this, &NumberFormatPanel::placesEdited);
    connect(grouping_, &QCheckBox::clicked, this, &NumberFormatPanel::groupingClicked);
    connect(close, &QPushButton::clicked, this, &NumberFormatPanel::closeRequested);
    showState(FormatKind::Automatic, 2, false, AngleUnit::Radians);
}

void NumberFormatPanel::showState(FormatKind kind, int places, bool grouping, AngleUnit unit) {
    const int format = static_cast<int>(kind);
    formatOption(kind)->setChecked(true);
    angleOption(unit)->setChecked(true);
    grouping_->setChecked(grouping);
    const bool placesOpen =
        kind != FormatKind::Automatic && !(kind == FormatKind::Fixed && grouping);
    places_->setEnabled(placesOpen);
    placesBar_->setEnabled(placesOpen);
    placesLabel_->setEnabled(placesOpen && !grouping);
    grouping_->setEnabled(format == static_cast<int>(FormatKind::Fixed));
    const QSignalBlocker quietBox(places_);
    const QSignalBlocker quietBar(placesBar_);
    placesBar_->setValue(places);
    // A whole number the session changed (15 becomes 12) is shown corrected;
    // any other text stays as typed.
    if (IsWholeNumber(places_->text()) && places_->text().trimmed() != QString::number(places))
        places_->setText(QString::number(places));
}

QRadioButton* NumberFormatPanel::formatOption(FormatKind kind) const {
    return formats_[static_cast<std::size_t>(kind)];
}

QRadioButton* NumberFormatPanel::angleOption(AngleUnit unit) const {
    return angles_[static_cast<std::size_t>(unit)];
}

} // namespace molva::ui
