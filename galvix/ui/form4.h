// Form4: the splash window that starts Galvix3: font check, data directory,
// main screen, then the tip of the day.
#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;

namespace galvix::ui {

class GalvixContext;

class Form4 : public QWidget {
  public:
    explicit Form4(GalvixContext& context);

    // Runs the start-up; false when the program must end (no Chem font).
    bool start();
    // What the timer does after 4000 ms.
    void timerFired();
    QTimer& timer() { return timer1_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool chemFontPresent() const;

    GalvixContext& context_;
    QLabel* labelfont_;
    QLabel* status_;
    QTimer timer1_;
};

} // namespace galvix::ui
