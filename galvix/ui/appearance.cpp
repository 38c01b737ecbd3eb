#include "appearance.h"

#include "platform/services.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QWidget>

namespace galvix::ui {

namespace {

constexpr const char* kKeepFontProperty = "keepFont";
constexpr const char* kTagProperty = "tag";
constexpr int kLargestColor = 0xFFFFFF;

bool TakesSettingFont(QWidget* control) {
    return qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control) ||
           qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control) ||
           qobject_cast<QListWidget*>(control) || qobject_cast<QGroupBox*>(control);
}

void ApplyFont(QWidget* control, const QString& family) {
    if (control->property(kKeepFontProperty).toBool() || !TakesSettingFont(control))
        return;
    QFont font = control->font();
    font.setFamily(family);
    control->setFont(font);
}

void ApplyToolTip(QWidget* control, int tool) {
    const QVariant tag = control->property(kTagProperty);
    if (!tag.isValid())
        return;
    if (tool == 1)
        control->setToolTip(tag.toString());
    else if (tool == 0)
        control->setToolTip(QString());
}

} // namespace

int StoredNumber(const QString& text, int defaultValue) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

Appearance ReadAppearance(const platform::SettingsStore& settings) {
    Appearance appearance;
    appearance.fontName = settings.read("Options", "font", kDefaultFont);
    const int color = StoredNumber(settings.read("Options", "color", "16777215"), kDefaultColor);
    appearance.color = color >= 0 && color <= kLargestColor ? color : kDefaultColor;
    appearance.tool = StoredNumber(settings.read("Options", "tool", "1"), 1);
    appearance.tips = StoredNumber(settings.read("Options", "tips", "1"), 1);
    return appearance;
}

void WriteAppearance(platform::SettingsStore& settings, const Appearance& appearance) {
    settings.write("Options", "tips", " " + QString::number(appearance.tips));
    settings.write("Options", "font", appearance.fontName);
    settings.write("Options", "color", " " + QString::number(appearance.color));
    settings.write("Options", "tool", " " + QString::number(appearance.tool));
}

bool ReadShowPotentials(const platform::SettingsStore& settings) {
    return StoredNumber(settings.read("Options", "potentials", "0"), 0) == 1;
}

void WriteShowPotentials(platform::SettingsStore& settings, bool shown) {
    settings.write("Options", "potentials", shown ? " 1" : " 0");
}

QString FamilyInUse(const QString& family) {
    if (QFontDatabase::hasFamily(family))
        return family;
    return QFontInfo(QFont(family)).family();
}

QColor ColorFromNumber(int number) {
    return QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
}

int NumberFromColor(const QColor& color) {
    return color.red() + 256 * color.green() + 65536 * color.blue();
}

void KeepOwnFont(QWidget* control) {
    control->setProperty(kKeepFontProperty, true);
}

void UseChemFont(QWidget* control, int pointSize) {
    KeepOwnFont(control);
    QFont font(kChemFamily);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    control->setFont(font);
}

void SetTag(QWidget* control, const QString& toolTip) {
    control->setProperty(kTagProperty, toolTip);
    control->setToolTip(toolTip);
}

void ApplyAppearance(QWidget* window, const Appearance& appearance) {
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, ColorFromNumber(appearance.color));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    ApplyToolTip(window, appearance.tool);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        ApplyFont(control, appearance.fontName);
        ApplyToolTip(control, appearance.tool);
    }
}

} // namespace galvix::ui
