// Saves what an X display shows of one window (or of the whole screen) as a PNG,
// for the tests that drive a program on a real display.
// Usage: grab_window WINDOW_ID|root OUTPUT.png
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("Usage: grab_window WINDOW_ID|root OUTPUT.png\n", stderr);
        return 2;
    }
    const QString window = argv[1];
    bool ok = true;
    const WId id = window == "root" ? 0 : window.toULongLong(&ok, 0);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!ok || !screen) {
        std::fprintf(stderr, "grab_window: no window '%s' or no screen\n", argv[1]);
        return 1;
    }
    const QPixmap picture = screen->grabWindow(id);
    if (picture.isNull() || !picture.save(argv[2])) {
        std::fprintf(stderr, "grab_window: cannot grab or save %s\n", argv[2]);
        return 1;
    }
    return 0;
}
