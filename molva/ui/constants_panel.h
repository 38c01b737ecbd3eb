// The function area of the wide layout: four tabs choose between the
// function field and the lists of unit factors, physical constants and
// prefixes (or the lines of a constants file); a double click or Enter on a
// list line offers its value to the input line.
#pragma once

#include <QWidget>
#include <array>

class QFrame;
class QGridLayout;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QStackedWidget;

namespace molva::ui {

class FunctionPanel;

// The tabs, left to right.
enum class ConstantsView { Classic, Units, Physical, Custom };

class ConstantsPanel : public QWidget {
    Q_OBJECT

  public:
    explicit ConstantsPanel(QWidget* parent);

    FunctionPanel* functions() const { return functions_; }
    // Shows a view with the highlight under its tab; the custom view is the
    // prefix list until a constants file has been loaded.
    void showView(ConstantsView view);
    ConstantsView view() const { return view_; }
    // The lines of a constants file, shown under the custom tab, which takes
    // the file's name up to its first ".".
    void showCustomFile(const QString& path, const QStringList& lines);
    // The lists: 0 units, 1 physical constants, 2 prefixes, 3 the constants file.
    QListWidget* list(int index) const;
    QPushButton* tab(ConstantsView view) const;
    QListWidget* shownList() const;
    // A line chosen in a list: in the built-in lists the value line of its
    // pair, in the custom view the line itself; false when there is none.
    bool chooseLine(int row);

  Q_SIGNALS:
    void tabClicked(ConstantsView view);
    void valueChosen(const QString& text);
    void aboutRequested();
    void helpRequested();

  private:
    QWidget* createInfoRow();

    FunctionPanel* functions_ = nullptr;
    QStackedWidget* views_ = nullptr;
    QGridLayout* tabRow_ = nullptr;
    QFrame* highlight_ = nullptr;
    std::array<QPushButton*, 4> tabs_{};
    std::array<QListWidget*, 4> lists_{};
    ConstantsView view_ = ConstantsView::Classic;
    bool customLoaded_ = false;
};

} // namespace molva::ui
