// The menus the main screen and the reaction data window share: File, Edit,
// the Options items and Help. Item names differ between the two windows.
#pragma once

#include <functional>

class QMainWindow;
class QMenu;

namespace galvix::ui {

class GalvixWindows;

// "&File": "&New" (Ctrl+N) when onNew is given, "&Save" (Ctrl+S), "&Open"
// (Ctrl+O), a separator and "E&xit", which closes the window.
QMenu* AddFileMenu(QMainWindow* window, GalvixWindows& windows,
                   const std::function<void()>& onNew = {});

struct EditItems {
    const char* copyName;
    const char* printName;
    std::function<void()> copy;
    std::function<void()> print;
};

// "&Edit": "&Copy" (Ctrl+C) and "&Print" (Ctrl+P).
QMenu* AddEditMenu(QMainWindow* window, const EditItems& items);

// "&Customize" (the options window) and "Show &Tips", added to `menu`.
void AddOptionsItems(QMenu* menu, QMainWindow* window, GalvixWindows& windows,
                     const char* customizeName, const char* tipsName);

// "&Help": "&Contents" (F1), "&Index", "&About" and "&List of Elements" (F8).
QMenu* AddHelpMenu(QMainWindow* window, GalvixWindows& windows, const char* elementsName);

} // namespace galvix::ui
