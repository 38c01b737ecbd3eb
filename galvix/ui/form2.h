// Form2: the reaction data window, showing one Calculate's result, with copy,
// print and the way back to the main screen.
#pragma once

#include "core/cell_reaction.h"

#include <QMainWindow>
#include <map>

class QGroupBox;
class QLabel;
class QPushButton;

namespace galvix::ui {

class GalvixContext;

class Form2 : public QMainWindow {
  public:
    explicit Form2(GalvixContext& context);

    // Sets the labels from a Calculate, as the main screen does.
    void fill(const CellReactionResult& result);

    // The text that Copy and Print build from the labels as they are.
    QString resultText() const;
    void copy();
    void print();

    QLabel* label(int index) const { return labels_.at(index); }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    void createMenus();
    void setLabel(int index, const QString& text);
    void labelsChanged();
    void showAbbreviations();
    void ensureLoaded();

    GalvixContext& context_;
    std::map<int, QLabel*> labels_; // the label array Label(4..23)
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label4_ = nullptr;
    QLabel* label5_ = nullptr;
    QLabel* label6_ = nullptr;
    QLabel* label7_ = nullptr;
    QLabel* label8_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    QGroupBox* frame3_ = nullptr;
    bool loaded_ = false;
};

} // namespace galvix::ui
