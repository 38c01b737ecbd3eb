// The main screen: the oxidation and reduction lists of the session, Calculate,
// the arrangements, Find Next and the menus that reach every other window.
#pragma once

#include "core/half_reaction_table.h"

#include <QMainWindow>
#include <array>
#include <string>

class QAction;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace galvix {
class ReactionSession;
}

namespace galvix::ui {

class GalvixContext;
class GalvixWindows;
class PotentialColumn;
enum class OutputMode;

class MainScreen : public QMainWindow {
  public:
    explicit MainScreen(GalvixWindows& windows);

    // Reads the settings, builds the Applications menu and shows both lists
    // in the Alphabetical arrangement.
    void load();

    void calculate();
    void rearrange(Arrangement arrangement);
    void findNext();
    void showHalfReactionData(ListSide side, const QListWidgetItem* item);
    void startApplication(int index);
    // Rebuilds the Applications menu from the settings store.
    void loadApplications();
    // Shows the save window when both lists have a selected entry.
    void saveSelected();
    void showJump(ListSide side);
    void showListOutput(OutputMode mode);

    QListWidget* list(ListSide side) const;
    // Selects every entry of a list that shows these Chem bytes; false when none does.
    bool selectItem(ListSide side, const std::string& bytes);
    // True when both lists have a selected entry.
    bool bothSelected() const;
    // Shows or hides E° beside the entries of both lists, and stores the choice.
    void showPotentials(bool shown);
    PotentialColumn* potentialColumn(ListSide side) const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    void createMenus();
    void createArrangementMenu(QMenu* options);
    void createApplicationsMenu(QMenu* menu);
    void showLists();
    void showArrangement();
    void sortLists(Arrangement direction);
    void scaleToScreen();

    GalvixWindows& windows_;
    GalvixContext& context_;
    ReactionSession& session_;
    QListWidget* oxidationList_ = nullptr;
    QListWidget* reductionList_ = nullptr;
    PotentialColumn* oxidationPotentials_ = nullptr;
    PotentialColumn* reductionPotentials_ = nullptr;
    QPushButton* oxidationJump_ = nullptr;
    QPushButton* reductionJump_ = nullptr;
    struct {
        QAction* ascending = nullptr;
        QAction* descending = nullptr;
        QAction* alphabetical = nullptr;
        QAction* oxidationJump = nullptr;
        QAction* reductionJump = nullptr;
        QAction* potentials = nullptr;
    } actions_;
    // Item 0 is the separator, items 1..20 the helper applications.
    std::array<QAction*, 21> applications_{};
    bool rearranging_ = false;
};

} // namespace galvix::ui
