#include "window_menus.h"

#include "about_dialog.h"
#include "galvix_context.h"
#include "galvix_windows.h"
#include "main_screen.h"
#include "open_reaction_dialog.h"
#include "options_dialog.h"
#include "platform/menus.h"
#include "tip_dialog.h"

#include <QMainWindow>
#include <QMenuBar>

namespace galvix::ui {

namespace {

void AddItem(QMenu* menu, QWidget* window, const char* name, const char* text,
             const std::function<void()>& action, const QKeySequence& key = {}) {
    QObject::connect(platform::AddMenuItem(menu, name, text, key), &QAction::triggered, window,
                     action);
}

} // namespace

QMenu* AddFileMenu(QMainWindow* window, GalvixWindows& windows,
                   const std::function<void()>& onNew) {
    QMenu* file = window->menuBar()->addMenu("&File");
    if (onNew)
        AddItem(file, window, "New", "&New", onNew, QKeySequence("Ctrl+N"));
    AddItem(
        file, window, "Save", "&Save", [&windows] { windows.get<MainScreen>().saveSelected(); },
        QKeySequence("Ctrl+S"));
    AddItem(
        file, window, "Open", "&Open", [&windows] { windows.get<OpenReactionDialog>().exec(); },
        QKeySequence("Ctrl+O"));
    file->addSeparator();
    AddItem(file, window, "Exit", "E&xit", [window] { window->close(); });
    return file;
}

QMenu* AddEditMenu(QMainWindow* window, const EditItems& items) {
    QMenu* edit = window->menuBar()->addMenu("&Edit");
    AddItem(edit, window, items.copyName, "&Copy", items.copy, QKeySequence("Ctrl+C"));
    AddItem(edit, window, items.printName, "&Print", items.print, QKeySequence("Ctrl+P"));
    return edit;
}

void AddOptionsItems(QMenu* menu, QMainWindow* window, GalvixWindows& windows,
                     const char* customizeName, const char* tipsName) {
    AddItem(menu, window, customizeName, "&Customize",
            [&windows] { windows.get<OptionsDialog>().exec(); });
    AddItem(menu, window, tipsName, "Show &Tips", [&windows] { windows.get<TipDialog>().exec(); });
}

QMenu* AddHelpMenu(QMainWindow* window, GalvixWindows& windows, const char* elementsName) {
    QMenu* help = window->menuBar()->addMenu("&Help");
    GalvixContext& context = windows.context();
    AddItem(
        help, window, "Instructions", "&Contents",
        [&context, window] { context.showHelp(window, HelpTopic::Contents); },
        QKeySequence(Qt::Key_F1));
    AddItem(help, window, "index", "&Index",
            [&context, window] { context.services.help.showIndex(window); });
    AddItem(help, window, "About", "&About", [&windows] { windows.get<AboutDialog>().exec(); });
    AddItem(
        help, window, elementsName, "&List of Elements",
        [&windows, window] { windows.showElements(window); }, QKeySequence(Qt::Key_F8));
    return help;
}

} // namespace galvix::ui
