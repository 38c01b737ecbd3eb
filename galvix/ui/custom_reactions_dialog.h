// The editor of the user's own half reactions, kept in Custom.dat through the
// session.
#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace galvix {
class ReactionSession;
struct CustomEdit;
} // namespace galvix

namespace galvix::ui {

class GalvixContext;
class GalvixWindows;

class CustomReactionsDialog : public QDialog {
  public:
    explicit CustomReactionsDialog(GalvixWindows& windows);

    void add();
    void remove();
    void showRecord(int row);
    void clearAndHide();

    QLineEdit* formulaBox() const { return formula_; }
    QLineEdit* potentialBox() const { return potential_; }
    QListWidget* reactionList() const { return reactions_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void fillList();
    // Shows what went wrong; false when the edit did not change Custom.dat.
    bool changed(const CustomEdit& edit);
    void afterChange();
    void inform(const QString& text);

    GalvixWindows& windows_;
    GalvixContext& context_;
    ReactionSession& session_;
    QLineEdit* formula_;
    QLineEdit* potential_;
    QListWidget* reactions_;
};

} // namespace galvix::ui
