// The number-format panel: automatic, scientific or fixed results, the
// decimal places, grouping by thousands and the angle unit.
#pragma once

#include "engine/calc_state.h"

#include <QGroupBox>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace molva::ui {

class NumberFormatPanel : public QGroupBox {
    Q_OBJECT

  public:
    explicit NumberFormatPanel(QWidget* parent);

    // Shows the chosen format, places, grouping and angle unit, and enables
    // the places controls and the grouping box as the format allows.
    void showState(FormatKind kind, int places, bool grouping, AngleUnit unit);

    QLineEdit* placesBox() const { return places_; }
    QScrollBar* placesBar() const { return placesBar_; }
    QCheckBox* groupingBox() const { return grouping_; }
    QLabel* placesLabel() const { return placesLabel_; }
    QRadioButton* formatOption(FormatKind kind) const;
    QRadioButton* angleOption(AngleUnit unit) const;

  Q_SIGNALS:
    void formatChosen(FormatKind kind);
    void placesEdited(const QString& text);
    void groupingClicked(bool on);
    void angleChosen(AngleUnit unit);
    void closeRequested();

  private:
    std::array<QRadioButton*, 3> formats_{};
    std::array<QRadioButton*, 3> angles_{};
    QLabel* placesLabel_ = nullptr;
    QLineEdit* places_ = nullptr;
    QScrollBar* placesBar_ = nullptr;
    QCheckBox* grouping_ = nullptr;
};

} // namespace molva::ui
