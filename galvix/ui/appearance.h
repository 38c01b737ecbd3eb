// The appearance settings every Galvix3 window applies when it loads: font
// name, background colour and tool tips; plus the start-up tips switch.
#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace platform {
class SettingsStore;
}

namespace galvix::ui {

inline constexpr const char* kChemFamily = "Chem";
inline constexpr const char* kDefaultFont = "MS Sans Serif";
inline constexpr int kDefaultColor = 16777215;        // white
inline constexpr int kDefaultsButtonColor = 12632256; // light grey, RGB(192, 192, 192)

struct Appearance {
    QString fontName = kDefaultFont;
    int color = kDefaultColor; // a decimal RGB number: red + 256 green + 65536 blue
    int tool = 1;              // 1 tool tips shown, 0 none; other values change nothing
    int tips = 1;              // 1 the tip of the day at start-up
};

// Reads section "Options"; a value that is not a number takes its default.
Appearance ReadAppearance(const platform::SettingsStore& settings);
// Writes "tips", "font", "color" and "tool", numbers with a leading space.
void WriteAppearance(platform::SettingsStore& settings, const Appearance& appearance);

// "potentials" of section "Options": whether the main screen's lists show E°
// ("1"), off by default.
bool ReadShowPotentials(const platform::SettingsStore& settings);
void WriteShowPotentials(platform::SettingsStore& settings, bool shown);

// The numeric value of a stored text (leading blanks allowed), or the default.
int StoredNumber(const QString& text, int defaultValue);

// The family a font request is drawn in: the family itself when the machine
// has it, otherwise the one the font system puts in its place.
QString FamilyInUse(const QString& family);

QColor ColorFromNumber(int number);
int NumberFromColor(const QColor& color);

// Marks a control whose font the settings never change.
void KeepOwnFont(QWidget* control);
// Marks a control as drawn in the Chem font, which it keeps whatever the settings.
void UseChemFont(QWidget* control, int pointSize = 0);
// Gives a control its designed tool tip, kept as its tag for the tool-tip switch.
void SetTag(QWidget* control, const QString& toolTip);

// Applies the appearance to a window and every control in it.
void ApplyAppearance(QWidget* window, const Appearance& appearance);

} // namespace galvix::ui
