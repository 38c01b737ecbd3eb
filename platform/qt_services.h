// The real services over Qt and the operating system.
#pragma once

#include "services.h"

#include <QMap>
#include <QString>
#include <memory>

class QPrinter;

namespace platform {

// Settings in the per-user INI store of the application.
class QtSettingsStore : public SettingsStore {
  public:
    explicit QtSettingsStore(QString application);
    QString read(const QString& section, const QString& key,
                 const QString& defaultValue) const override;
    void write(const QString& section, const QString& key, const QString& value) override;

  private:
    QString application_;
};

class QtMessageBoxes : public MessageBoxes {
  public:
    MessageButton show(QWidget* parent, const MessageRequest& request) override;
};

class QtClipboard : public Clipboard {
  public:
    void clear() override;
    void setText(const QString& plain, const QString& html) override;
    QString text() const override;
};

class QtPrinter : public Printer {
  public:
    std::unique_ptr<PrintJob> start(QWidget* parent) override;
    std::vector<std::unique_ptr<PrintJob>> startCopies(QWidget* parent) override;
};

// A print job straight into a PDF file, without asking.
std::unique_ptr<PrintJob> MakePdfPrintJob(const QString& path);

class QtDialogs : public Dialogs {
  public:
    std::optional<QString> openFile(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& selectedFilter = {}) override;
    std::optional<QString> saveFile(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& selectedFilter = {}) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
};

class QtProgramStarter : public ProgramStarter {
  public:
    StartResult start(const QString& path) override;
};

class QtDesktop : public Desktop {
  public:
    void beep() override;
    void setBusy(bool busy) override;

  private:
    int busyDepth_ = 0;
};

// Help pages in the program's resources, shown in one help window: the page
// the map names for a topic (":/help/topic-N.html" for a topic it does not
// name), ":/help/index.html" for the index.
class HtmlHelp : public Help {
  public:
    explicit HtmlHelp(QString windowTitle, QMap<int, QString> pages = {});
    ~HtmlHelp() override;
    void showTopic(QWidget* parent, int topic) override;
    void showIndex(QWidget* parent) override;

  private:
    void showPage(const QString& page);

    QString pageFor(int topic) const;

    QString windowTitle_;
    QMap<int, QString> pages_;
    std::unique_ptr<class HelpWindow> window_;
};

// The real services, owned together.
class QtServices {
  public:
    // helpPages names the help page of each topic (see HtmlHelp).
    explicit QtServices(const QString& application, const QString& helpTitle,
                        QMap<int, QString> helpPages = {});
    Services services();

  private:
    QtSettingsStore settings_;
    QtMessageBoxes messages_;
    QtClipboard clipboard_;
    QtPrinter printer_;
    QtDialogs dialogs_;
    QtProgramStarter programs_;
    QtDesktop desktop_;
    HtmlHelp help_;
};

} // namespace platform
