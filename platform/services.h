// The outside world as the windows of both programs reach it: settings,
// message boxes, clipboard, printer, common dialogs, program start, help and a
// few desktop effects. Each is a small interface so that tests can replace it.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace platform {

// Per-user settings: text values by section and key.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& section, const QString& key,
                         const QString& defaultValue) const = 0;
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
};

enum class MessageIcon { None, Information, Question, Exclamation, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageButton { Ok, Yes, No };

struct MessageRequest {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageButton defaultButton = MessageButton::Ok;

    bool operator==(const MessageRequest&) const = default;
};

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual MessageButton show(QWidget* parent, const MessageRequest& request) = 0;
};

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    // Plain text, and optionally the same text as HTML for rich-text readers.
    virtual void setText(const QString& plain, const QString& html = {}) = 0;
    virtual QString text() const = 0;
};

// One print job. Every operation answers false when the printer failed.
class PrintJob {
  public:
    virtual ~PrintJob() = default;
    virtual bool setFont(const QString& family, int pointSize) = 0;
    // The page set-up every print starts with: the printed area begins 1000
    // twips inside the top-left corner and is 2500 twips narrower and shorter
    // than the page; the print position moves to its origin, then one empty
    // line is printed.
    virtual bool preparePage() = 0;
    // Prints text line by line; a line end moves to the next line.
    virtual bool printText(const QString& text) = 0;
    virtual bool end() = 0;
};

class Printer {
  public:
    virtual ~Printer() = default;
    // Asks for the printer (and the number of copies); nullptr when the user
    // cancelled. A job that cannot start fails on its first operation.
    virtual std::unique_ptr<PrintJob> start(QWidget* parent) = 0;
    // Asks for the printer and the number of copies; one job per copy, none
    // when the user cancelled.
    virtual std::vector<std::unique_ptr<PrintJob>> startCopies(QWidget* parent) = 0;
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // `filter` lists the choices ("Text (*.txt);;All (*)"); `selectedFilter`,
    // one of them, is the one chosen when the dialog opens.
    virtual std::optional<QString> openFile(QWidget* parent, const QString& title,
                                            const QString& filter,
                                            const QString& selectedFilter = {}) = 0;
    virtual std::optional<QString> saveFile(QWidget* parent, const QString& title,
                                            const QString& filter,
                                            const QString& selectedFilter = {}) = 0;
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) = 0;
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
};

enum class StartResult { Started, InvalidPath, Failed };

class ProgramStarter {
  public:
    virtual ~ProgramStarter() = default;
    virtual StartResult start(const QString& path) = 0;
};

class Desktop {
  public:
    virtual ~Desktop() = default;
    virtual void beep() = 0;
    virtual void setBusy(bool busy) = 0;
};

// The program's help pages, by topic number.
class Help {
  public:
    virtual ~Help() = default;
    virtual void showTopic(QWidget* parent, int topic) = 0;
    virtual void showIndex(QWidget* parent) = 0;
};

// Everything a window may reach outside itself.
struct Services {
    SettingsStore& settings;
    MessageBoxes& messages;
    Clipboard& clipboard;
    Printer& printer;
    Dialogs& dialogs;
    ProgramStarter& programs;
    Desktop& desktop;
    Help& help;
};

} // namespace platform
