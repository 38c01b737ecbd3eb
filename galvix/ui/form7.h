// Form7: the list of elements with symbol, name and atomic number.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;

namespace galvix::ui {

class GalvixContext;

class Form7 : public QDialog {
  public:
    explicit Form7(GalvixContext& context);

    void search();
    void copy();
    void print();
    QLineEdit* text1() const { return text1_; }
    QListWidget* list1() const { return list1_; }

  private:
    std::vector<std::string> lines() const;

    GalvixContext& context_;
    QLineEdit* text1_;
    QListWidget* list1_;
};

} // namespace galvix::ui
