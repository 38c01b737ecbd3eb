// The splash window that starts Molva, and shows again from the Help menu.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

namespace molva::ui {

class SplashWindow : public QWidget {
  public:
    // onClose runs when the splash closes (it shows the main window).
    SplashWindow(bool timed, std::function<void()> onClose);

    void tick();
    int ticks() const { return ticks_; }
    QTimer& timer() { return timer_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void closeSplash();

    std::function<void()> onClose_;
    QTimer timer_;
    int ticks_ = 0;
};

// Help > Splash Screen: the splash without its timer, closed by a key or a click.
void ShowSplashFromMenu();

} // namespace molva::ui
