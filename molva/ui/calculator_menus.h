// The calculator window's menus and tool bar: every command by name, with its
// caption, shortcut and tool tip. The window connects them to what they do.
#pragma once

#include "engine/elements.h"

#include <QList>
#include <array>

class QAction;
class QKeySequence;
class QMenu;
class QMenuBar;
class QToolButton;
class QWidget;

namespace molva::ui {

struct CalculatorActions {
    QAction* newList = nullptr;
    QAction* open = nullptr;
    QAction* save = nullptr;
    QAction* print = nullptr;
    QAction* exit = nullptr;
    QAction* cut = nullptr;
    QAction* copy = nullptr;
    QAction* paste = nullptr;
    QAction* deleteText = nullptr;
    QAction* selectAll = nullptr;
    QAction* clearDisplay = nullptr;
    QAction* expand = nullptr;
    QAction* displayOnly = nullptr;
    std::array<QAction*, 5> constants{}; // the four views and a new constants file
    QAction* numberFormat = nullptr;
    QAction* separator = nullptr;
    QAction* composition = nullptr;
    std::array<QAction*, 2> weights{}; // classic table, IUPAC 2021
    QAction* adductDot = nullptr;      // writes the hydrate dot
    QAction* alwaysOnTop = nullptr;
    QAction* helpTopics = nullptr;
    QAction* example = nullptr;
    QAction* splash = nullptr;
    QAction* about = nullptr;
    // File, Edit, Insert, View, Help; the Insert menu holds the adduct dot and the ion groups.
    std::array<QMenu*, 5> menus{};

    QMenu* ionGroups() const { return menus[2]; }
    QList<QAction*> all() const;
    QList<QKeySequence> shortcuts() const;
};

CalculatorActions CreateMenus(QMenuBar* bar);

// The caption of a table of atomic weights in the View menu, "Atomic weights: classic table".
const char* AtomicWeightsCaption(AtomicWeights weights);

// The tool bar images, left to right; a click runs the menu command beside it.
inline constexpr int kToolImageCount = 10;
inline constexpr int kExpandImage = 9;
std::array<QToolButton*, kToolImageCount> CreateToolBar(QWidget* strip,
                                                        const CalculatorActions& actions);

} // namespace molva::ui
