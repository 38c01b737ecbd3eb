// The list of elements: symbol, name and atomic number in three columns, with
// search, copy and print.
#pragma once

#include "core/elements.h"

#include <QDialog>
#include <vector>

class QLineEdit;
class QTreeWidget;

namespace galvix::ui {

class GalvixContext;
class GalvixWindows;

class ElementListWindow : public QDialog {
  public:
    explicit ElementListWindow(GalvixWindows& windows);

    // Reads Ele.dat into the columns; a missing or damaged file is reported by
    // name and fault over `reportTo` instead, and the answer is false.
    bool load(QWidget* reportTo);
    void search();
    void copy();
    void print();
    QLineEdit* searchBox() const { return searchBox_; }
    QTreeWidget* elementTable() const { return table_; }

  private:
    void fillTable();

    GalvixWindows& windows_;
    GalvixContext& context_;
    std::vector<ElementRecord> records_;
    QLineEdit* searchBox_;
    QTreeWidget* table_;
};

} // namespace galvix::ui
