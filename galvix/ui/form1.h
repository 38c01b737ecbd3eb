// Form1: the main screen, with the oxidation and reduction lists, Calculate,
// the arrangements, Find Next and the menus that reach every other window.
#pragma once

#include "core/half_reaction_table.h"

#include <QMainWindow>
#include <array>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace galvix::ui {

class GalvixContext;

class Form1 : public QMainWindow {
  public:
    explicit Form1(GalvixContext& context);

    // Reads the settings, builds the Applications menu and fills both lists
    // in the Alphabetical arrangement.
    void load();

    void calculate();
    void rearrange(Arrangement arrangement);
    void findNext();
    void showHalfReactionData(QListWidget* list, QListWidgetItem* item);
    void startApplication(int index);
    // Rebuilds the Applications menu from the settings store.
    void loadApplications();
    // Shows the save window when both lists have a selected entry.
    void saveSelected();
    void showJump(char list);
    void showOutput(int outputMode);

    QListWidget* list1() const { return list1_; }
    QListWidget* list2() const { return list2_; }
    // The Chem bytes of a list item.
    static std::string ItemBytes(const QListWidgetItem* item);
    // The Chem bytes of every item of a list, in list order.
    static std::vector<std::string> ListBytes(const QListWidget* list);
    // True when both lists have a selected entry.
    bool bothSelected() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    void createMenus();
    void createApplicationsMenu(QMenu* menu);
    void fillLists(const ListItems& items);
    std::optional<HalfReactionTable> loadTable();
    void setArrangementChecks(Arrangement arrangement);
    void setJumpEnabled(bool enabled);
    void scaleToScreen();

    GalvixContext& context_;
    QListWidget* list1_ = nullptr;
    QListWidget* list2_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
    struct {
        QAction* asce = nullptr;
        QAction* des = nullptr;
        QAction* alpha = nullptr;
        QAction* ox = nullptr;
        QAction* red = nullptr;
    } actions_;
    std::array<QAction*, 21> m_{}; // m(0) is the separator, m(1..20) the helper applications
    Arrangement arrangement_ = Arrangement::Alphabetical;
    bool rearranging_ = false;
};

} // namespace galvix::ui
