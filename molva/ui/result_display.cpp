// The calculator's display: the indicator row, then the previous input and
// result, the current input and the current result or message, each row with
// its marker, and a line of hint under them. A click on a text offers it to
// the input line.
#include "result_display.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <functional>

namespace molva::ui {

namespace {

const QColor kGrey(192, 192, 192);
const QColor kActive(0, 92, 64);
const QColor kStartColour(64, 64, 0);
const QColor kPaper(236, 244, 228);
constexpr int kSmallPoints = 7;
constexpr int kResultPoints = 12;

struct IndicatorText {
    const char* caption;
    const char* toolTip;
};

const std::array<IndicatorText, 7> kIndicators = {{{"AUTO", " Number Format (F5) "},
                                                   {"SCI", " Number Format (F5) "},
                                                   {"FIX", " Number Format (F5) "},
                                                   {"MEM", " Memory (F6-store / F7-recall) "},
                                                   {"RAD", " Radians (F8) "},
                                                   {"DEG", " Degrees (F8) "},
                                                   {"GRAD", " Grads (F8) "}}};

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QFont WithPoints(QFont font, int points, bool bold = false) {
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

QString IndexedName(const char* name, std::size_t index) {
    return QString("%1(%2)").arg(name).arg(index);
}

} // namespace

// A display text that reports clicks. A fitted label shows its whole text:
// it takes a smaller font, down to the small one, and then wraps, rather than
// losing the start of a long message.
class ResultLabel : public QLabel {
  public:
    ResultLabel(QWidget* parent, const QString& name, std::function<void()> onClick)
        : QLabel(parent), onClick_(std::move(onClick)) {
        setObjectName(name);
        QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        policy.setRetainSizeWhenHidden(true); // the rows stay put while a task file runs
        setSizePolicy(policy);
    }

    void setFitted(const QFont& font) {
        fittedFont_ = font;
        setFont(font);
        setMinimumHeight(QFontMetrics(font).height());
    }

    void showText(const QString& text) {
        setText(text);
        fit();
    }

  protected:
    void mouseReleaseEvent(QMouseEvent*) override {
        if (onClick_)
            onClick_();
    }

    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        fit();
    }

  private:
    void fit() {
        if (fittedFont_.pointSize() <= 0)
            return;
        const int available = contentsRect().width();
        QFont font = fittedFont_;
        while (font.pointSize() > kSmallPoints &&
               QFontMetrics(font).horizontalAdvance(text()) > available)
            font.setPointSize(font.pointSize() - 1);
        setFont(font);
        setWordWrap(QFontMetrics(font).horizontalAdvance(text()) > available);
    }

    std::function<void()> onClick_;
    QFont fittedFont_;
};

ResultDisplay::ResultDisplay(QWidget* parent) : QFrame(parent) {
    setObjectName("picRezultat");
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette paper = palette();
    paper.setColor(QPalette::Window, kPaper);
    setPalette(paper);

    const QFont small = WithPoints(font(), kSmallPoints);
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    for (std::size_t k = 0; k < indicators_.size(); ++k) {
        const auto which = static_cast<Indicator>(k);
        auto* label = new ResultLabel(this, IndexedName("lblInfo", k),
                                      [this, which] { Q_EMIT indicatorClicked(which); });
        label->setText(kIndicators[k].caption);
        label->setToolTip(kIndicators[k].toolTip);
        label->setFont(small);
        label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        SetTextColour(label, k == 0 || k == 4 ? kStartColour : kGrey);
        indicators_[k] = label;
        row->addWidget(label);
    }
    row->addStretch();
    for (std::size_t k = 0; k < markers_.size(); ++k) {
        markers_[k] = new QLabel(this);
        markers_[k]->setObjectName(IndexedName("lblOznaka", k));
        markers_[k]->setFont(small);
    }
    for (std::size_t k = 0; k < results_.size(); ++k) {
        const int rowIndex = static_cast<int>(k);
        results_[k] = new ResultLabel(this, IndexedName("lblRezultat", k),
                                      [this, rowIndex] { Q_EMIT resultClicked(rowIndex); });
        results_[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    for (std::size_t k = 0; k < inputs_.size(); ++k) {
        const int rowIndex = static_cast<int>(k);
        inputs_[k] = new ResultLabel(this, IndexedName("lblUnosFormule", k),
                                     [this, rowIndex] { Q_EMIT inputClicked(rowIndex); });
    }
    results_[0]->setFitted(WithPoints(font(), kResultPoints, true));
    QSizePolicy thirdRow = results_[2]->sizePolicy();
    thirdRow.setHorizontalPolicy(QSizePolicy::Preferred);
    results_[2]->setSizePolicy(thirdRow);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(3, 1, 3, 2);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(0);
    grid->addLayout(row, 0, 0, 1, 2);
    grid->addWidget(markers_[0], 1, 0);
    grid->addWidget(inputs_[1], 1, 1);
    grid->addWidget(markers_[1], 2, 0);
    grid->addWidget(results_[1], 2, 1);
    auto* third = new QHBoxLayout;
    third->addWidget(inputs_[0], 1);
    third->addWidget(results_[2]);
    grid->addWidget(markers_[2], 3, 0);
    grid->addLayout(third, 3, 1);
    grid->addWidget(markers_[3], 4, 0);
    grid->addWidget(results_[0], 4, 1);
    hint_ = new QLabel(this);
    hint_->setObjectName("lblHint");
    hint_->setFont(small);
    hint_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    hint_->setFixedHeight(QFontMetrics(small).height());
    SetTextColour(hint_, kActive);
    grid->addWidget(hint_, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
}

void ResultDisplay::showTexts(const DisplayTexts& texts) {
    for (std::size_t k = 0; k < results_.size(); ++k)
        results_[k]->showText(QString::fromStdString(texts.results[k]));
    for (std::size_t k = 0; k < markers_.size(); ++k)
        markers_[k]->setText(QString::fromStdString(texts.markers[k]));
    for (std::size_t k = 0; k < inputs_.size(); ++k) {
        inputs_[k]->showText(QString::fromStdString(texts.inputs[k]));
        inputs_[k]->setToolTip(QString::fromStdString(texts.inputTips[k]));
    }
}

void ResultDisplay::showHint(const QString& hint) {
    hint_->setText(hint);
}

void ResultDisplay::showMessage(const QString& message) {
    results_[0]->showText(message);
}

QString ResultDisplay::currentResult() const {
    return results_[0]->text();
}

QString ResultDisplay::resultText(int row) const {
    return resultLabel(row)->text();
}

QString ResultDisplay::inputText(int row) const {
    return inputLabel(row)->text();
}

void ResultDisplay::colourGroup(int first, int selected) {
    for (int k = 0; k < 3; ++k)
        SetTextColour(indicators_[static_cast<std::size_t>(first + k)],
                      k == selected ? kActive : kGrey);
}

void ResultDisplay::showFormat(FormatKind kind) {
    colourGroup(static_cast<int>(Indicator::Automatic), static_cast<int>(kind));
}

void ResultDisplay::showAngle(AngleUnit unit) {
    colourGroup(static_cast<int>(Indicator::Radians), static_cast<int>(unit));
}

void ResultDisplay::showMemory(bool set, const QString& toolTip) {
    QLabel* memory = indicator(Indicator::Memory);
    SetTextColour(memory, set ? kActive : kGrey);
    memory->setToolTip(toolTip);
}

void ResultDisplay::hideTexts(bool hidden) {
    for (QLabel* label : {inputs_[0], inputs_[1], results_[0], results_[1]})
        label->setVisible(!hidden);
}

QLabel* ResultDisplay::resultLabel(int row) const {
    return results_[static_cast<std::size_t>(row)];
}

QLabel* ResultDisplay::inputLabel(int row) const {
    return inputs_[static_cast<std::size_t>(row)];
}

QLabel* ResultDisplay::markerLabel(int row) const {
    return markers_[static_cast<std::size_t>(row)];
}

QLabel* ResultDisplay::hint() const {
    return hint_;
}

QLabel* ResultDisplay::indicator(Indicator which) const {
    return indicators_[static_cast<std::size_t>(which)];
}

} // namespace molva::ui
