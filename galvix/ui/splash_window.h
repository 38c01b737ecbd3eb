// The splash window that starts Galvix3: the Chem font check, the data files,
// the main screen, then the tip of the day.
#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>

class QLabel;

namespace galvix::ui {

class GalvixContext;
class GalvixWindows;

class SplashWindow : public QWidget {
  public:
    explicit SplashWindow(GalvixWindows& windows);

    // Runs the start-up; false when the program must end: the Chem font is
    // missing or the data files cannot be loaded. Nothing but the message is
    // left open then. `folderProblems` are what preparing the data folder
    // could not do: shown before a load failure they caused, or as a warning
    // over the main screen when the data loads all the same.
    bool start(const QStringList& folderProblems = {});
    // What the timer does after 4000 ms.
    void timerFired();
    QTimer& timer() { return timer_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool chemFontPresent() const;
    void stop(const QString& title, const QString& text);

    GalvixWindows& windows_;
    GalvixContext& context_;
    QLabel* fontCheck_;
    QLabel* status_;
    QTimer timer_;
};

} // namespace galvix::ui
