// The data of one half reaction double-clicked in a main-screen list, with
// copy and print.
#pragma once

#include "core/result_text.h"

#include <QDialog>

class QLabel;

namespace galvix::ui {

class GalvixContext;
class GalvixWindows;

class HalfReactionDataDialog : public QDialog {
  public:
    explicit HalfReactionDataDialog(GalvixWindows& windows);

    void showData(const HalfReactionData& shown);
    // The text Copy and Print give.
    QString dataText() const;
    void copy();
    void print();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showAbbreviations();

    GalvixWindows& windows_;
    GalvixContext& context_;
    HalfReactionData data_;
    QLabel* type_;
    QLabel* potential_;
    QLabel* logK_;
    QLabel* formula_;
    QLabel* source_; // "Source: ..." of a built-in half reaction, hidden for others
};

} // namespace galvix::ui
