// The windows of Galvix3, each created on first use and then kept, and the
// session they show.
#pragma once

#include <memory>
#include <tuple>

class QWidget;

namespace galvix {
class ReactionSession;
}

namespace galvix::ui {

class GalvixContext;
class AboutDialog;
class ApplicationsDialog;
class ConditionsWindow;
class CustomReactionsDialog;
class ElementListWindow;
class HalfReactionDataDialog;
class JumpDialog;
class ListOutputDialog;
class MainScreen;
class OpenReactionDialog;
class OptionsDialog;
class ProgressWindow;
class ReactionDataWindow;
class SaveReactionDialog;
class SearchDialog;
class TipDialog;

class GalvixWindows {
  public:
    GalvixWindows(GalvixContext& context, ReactionSession& session);
    ~GalvixWindows();
    GalvixWindows(const GalvixWindows&) = delete;
    GalvixWindows& operator=(const GalvixWindows&) = delete;

    GalvixContext& context() { return context_; }
    ReactionSession& session() { return session_; }

    // The window of this class, created the first time it is asked for.
    template <class Window> Window& get() {
        std::unique_ptr<Window>& window = std::get<std::unique_ptr<Window>>(windows_);
        if (!window)
            window = std::make_unique<Window>(*this);
        return *window;
    }
    template <class Window> bool has() const {
        return std::get<std::unique_ptr<Window>>(windows_) != nullptr;
    }
    // Drops a window, so that the next request builds it afresh.
    template <class Window> void unload() { std::get<std::unique_ptr<Window>>(windows_).reset(); }

    // The list of elements, modal (key F8 in most windows); a fault of Ele.dat
    // is reported over the window that asked.
    void showElements(QWidget* from);
    // Key F8 in a window shows the list of elements.
    void installElementsKey(QWidget* window);
    // Applies the stored appearance to every window created so far.
    void applyAppearanceToAll();

  private:
    GalvixContext& context_;
    ReactionSession& session_;
    std::tuple<std::unique_ptr<MainScreen>, std::unique_ptr<ReactionDataWindow>,
               std::unique_ptr<CustomReactionsDialog>, std::unique_ptr<OpenReactionDialog>,
               std::unique_ptr<HalfReactionDataDialog>, std::unique_ptr<ElementListWindow>,
               std::unique_ptr<JumpDialog>, std::unique_ptr<TipDialog>,
               std::unique_ptr<OptionsDialog>, std::unique_ptr<ProgressWindow>,
               std::unique_ptr<SearchDialog>, std::unique_ptr<ListOutputDialog>,
               std::unique_ptr<AboutDialog>, std::unique_ptr<ApplicationsDialog>,
               std::unique_ptr<SaveReactionDialog>, std::unique_ptr<ConditionsWindow>>
        windows_;
};

} // namespace galvix::ui
