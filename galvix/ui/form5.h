// Form5: reopens a saved pair by its name and calculates it again.
#pragma once

#include <QDialog>

class QComboBox;

namespace galvix::ui {

class GalvixContext;

class Form5 : public QDialog {
  public:
    explicit Form5(GalvixContext& context);

    void open();
    QComboBox* combo1() const { return combo1_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void notFound();

    GalvixContext& context_;
    QComboBox* combo1_;
};

} // namespace galvix::ui
