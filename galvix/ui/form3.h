// Form3: the editor of the user's own half reactions in Custom.dat.
#pragma once

#include "core/custom_reactions.h"

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace galvix::ui {

class GalvixContext;

class Form3 : public QDialog {
  public:
    explicit Form3(GalvixContext& context);

    void add();
    void remove();
    void showRecord(int row);
    void clearAndHide();

    QLineEdit* text1() const { return text1_; }
    QLineEdit* text2() const { return text2_; }
    QListWidget* list1() const { return list1_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void fillList();
    bool writeRecords(const std::vector<CustomRecord>& records);
    void afterChange();
    void failure(int code);

    GalvixContext& context_;
    QLineEdit* text1_;
    QLineEdit* text2_;
    QListWidget* list1_;
};

} // namespace galvix::ui
