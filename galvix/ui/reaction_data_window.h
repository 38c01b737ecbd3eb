// The reaction data window: the session's last result, with copy, print,
// save and open, and the way back to the main screen.
#pragma once

#include <QMainWindow>
#include <map>

class QGroupBox;
class QLabel;

namespace galvix {
class ReactionSession;
}

namespace galvix::ui {

class GalvixContext;
class GalvixWindows;

class ReactionDataWindow : public QMainWindow {
  public:
    explicit ReactionDataWindow(GalvixWindows& windows);

    // Shows the session's last result.
    void showLastResult();

    // The text that Copy and Print give.
    QString resultText() const;
    void copy();
    void print();
    // The Conditions window for the shown reaction, modal.
    void showConditions();

    // A label of the array Label(4..23).
    QLabel* label(int index) const { return labels_.at(index); }
    QLabel* netEquation() const { return net_.equation; }
    QLabel* mediaNote() const { return net_.mediaNote; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createLabels();
    QWidget* createResultsFrame(QWidget* parent);
    QWidget* createReactionFrame(QWidget* parent);
    QLayout* createButtons(QWidget* parent);
    void createMenus();
    void backToMainScreen();
    void showAbbreviations();
    void ensureLoaded();

    GalvixWindows& windows_;
    GalvixContext& context_;
    ReactionSession& session_;
    std::map<int, QLabel*> labels_; // the label array Label(4..23)
    // The single labels: "Will it occur: ", then the E(cell), K and free
    // energy captions and values, shown only for a reaction that occurs.
    struct {
        QLabel* willOccurCaption = nullptr;
        QLabel* cellCaption = nullptr;
        QLabel* cellPotential = nullptr;
        QLabel* constantCaption = nullptr;
        QLabel* equilibriumConstant = nullptr;
        QLabel* delta = nullptr;
        QLabel* freeEnergyCaption = nullptr;
        QLabel* freeEnergy = nullptr;
    } single_;
    QGroupBox* reactionFrame_ = nullptr;
    // Below the two sides: the net equation, and the note when the media differ.
    struct {
        QLabel* caption = nullptr;
        QLabel* equation = nullptr;
        QLabel* mediaNote = nullptr;
    } net_;
    bool loaded_ = false;
};

} // namespace galvix::ui
