// The search window: finds text in one of the main screen's lists and leaves
// the criteria in the session for Find Next.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace galvix::ui {

class GalvixContext;
class GalvixWindows;

class SearchDialog : public QDialog {
  public:
    explicit SearchDialog(GalvixWindows& windows);

    void find();
    QLineEdit* searchBox() const { return text_; }
    QRadioButton* reductionChoice() const { return reduction_; }
    QCheckBox* wholeWord() const { return wholeWord_; }
    QCheckBox* matchCase() const { return matchCase_; }

  private:
    void cancel();

    GalvixWindows& windows_;
    GalvixContext& context_;
    QLineEdit* text_;
    QRadioButton* oxidation_;
    QRadioButton* reduction_;
    QCheckBox* wholeWord_;
    QCheckBox* matchCase_;
};

} // namespace galvix::ui
