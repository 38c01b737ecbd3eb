// Form6: the data of one half reaction double-clicked in a main-screen list,
// with copy and print.
#pragma once

#include <QDialog>
#include <string>

class QLabel;

namespace galvix::ui {

class GalvixContext;

class Form6 : public QDialog {
  public:
    explicit Form6(GalvixContext& context);

    void fill(const std::string& halfReaction, const QString& type, const std::string& potential,
              const std::string& logK);
    QString dataText() const;
    void copy();
    void print();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showAbbreviations();

    GalvixContext& context_;
    QLabel* labels_[10] = {}; // Label1..Label9
};

} // namespace galvix::ui
