#include "qt_services.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontMetrics>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace platform {

QtSettingsStore::QtSettingsStore(QString application) : application_(std::move(application)) {}

QString QtSettingsStore::read(const QString& section, const QString& key,
                              const QString& defaultValue) const {
    const QSettings store(QSettings::IniFormat, QSettings::UserScope, application_, application_);
    return store.value(section + "/" + key, defaultValue).toString();
}

void QtSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    QSettings store(QSettings::IniFormat, QSettings::UserScope, application_, application_);
    store.setValue(section + "/" + key, value);
    store.sync();
}

namespace {

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ToQt(MessageButton button) {
    switch (button) {
    case MessageButton::Yes:
        return QMessageBox::Yes;
    case MessageButton::No:
        return QMessageBox::No;
    case MessageButton::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

MessageButton QtMessageBoxes::show(QWidget* parent, const MessageRequest& request) {
    QMessageBox box(ToQt(request.icon), request.title, request.text, QMessageBox::NoButton, parent);
    if (request.buttons == MessageButtons::YesNo)
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    else
        box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(ToQt(request.defaultButton));
    const int pressed = box.exec();
    if (request.buttons == MessageButtons::Ok)
        return MessageButton::Ok;
    return pressed == QMessageBox::Yes ? MessageButton::Yes : MessageButton::No;
}

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::setText(const QString& plain, const QString& html) {
    auto* data = new QMimeData;
    data->setText(plain);
    if (!html.isEmpty())
        data->setHtml(html);
    QGuiApplication::clipboard()->setMimeData(data);
}

QString QtClipboard::text() const {
    return QGuiApplication::clipboard()->text();
}

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kPageMarginTwips = 1000;
constexpr double kPageShrinkTwips = 2500;

class QtPrintJob : public PrintJob {
  public:
    QtPrintJob() : printer_(QPrinter::HighResolution) { printer_.setFullPage(true); }

    QPrinter& printer() { return printer_; }

    bool setFont(const QString& family, int pointSize) override {
        if (!ensureStarted())
            return false;
        painter_.setFont(QFont(family, pointSize));
        return true;
    }

    bool preparePage() override {
        if (!ensureStarted())
            return false;
        const double unit = printer_.resolution() / kTwipsPerInch;
        const QRect page = printer_.pageLayout().fullRectPixels(printer_.resolution());
        margin_ = qRound(kPageMarginTwips * unit);
        bottom_ = margin_ + page.height() - qRound(kPageShrinkTwips * unit);
        y_ = margin_;
        return printLine(QString());
    }

    bool printText(const QString& text) override {
        if (!ensureStarted())
            return false;
        QString lines = text;
        lines.replace("\r\n", "\n");
        if (lines.endsWith('\n'))
            lines.chop(1);
        for (const QString& line : lines.split('\n')) {
            if (!printLine(line))
                return false;
        }
        return true;
    }

    bool end() override { return ensureStarted() && painter_.end(); }

  private:
    bool ensureStarted() {
        if (!started_) {
            started_ = true;
            ok_ = painter_.begin(&printer_);
        }
        return ok_ && painter_.isActive();
    }

    bool printLine(const QString& line) {
        const QFontMetrics metrics(painter_.font(), &printer_);
        if (y_ + metrics.height() > bottom_ && y_ > margin_) {
            if (!printer_.newPage())
                return false;
            y_ = margin_;
        }
        painter_.drawText(margin_, y_ + metrics.ascent(), line);
        y_ += metrics.height();
        return true;
    }

    QPrinter printer_;
    QPainter painter_;
    bool started_ = false;
    bool ok_ = false;
    int margin_ = 0;
    int bottom_ = 0;
    int y_ = 0;
};

} // namespace

std::unique_ptr<PrintJob> QtPrinter::start(QWidget* parent) {
    auto job = std::make_unique<QtPrintJob>();
    QPrintDialog dialog(&job->printer(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return job;
}

std::vector<std::unique_ptr<PrintJob>> QtPrinter::startCopies(QWidget* parent) {
    QPrinter chosen(QPrinter::HighResolution);
    QPrintDialog dialog(&chosen, parent);
    std::vector<std::unique_ptr<PrintJob>> jobs;
    if (dialog.exec() != QDialog::Accepted)
        return jobs;
    const int copies = std::max(1, chosen.copyCount());
    for (int copy = 1; copy <= copies; ++copy) {
        auto job = std::make_unique<QtPrintJob>();
        QPrinter& printer = job->printer();
        printer.setPrinterName(chosen.printerName());
        printer.setOutputFormat(chosen.outputFormat());
        printer.setPageLayout(chosen.pageLayout());
        QString file = chosen.outputFileName();
        if (!file.isEmpty() && copies > 1)
            file.insert(file.lastIndexOf('.') > 0 ? file.lastIndexOf('.') : file.size(),
                        QString("-%1").arg(copy));
        printer.setOutputFileName(file);
        printer.setCopyCount(1);
        jobs.push_back(std::move(job));
    }
    return jobs;
}

std::unique_ptr<PrintJob> MakePdfPrintJob(const QString& path) {
    auto job = std::make_unique<QtPrintJob>();
    job->printer().setOutputFormat(QPrinter::PdfFormat);
    job->printer().setOutputFileName(path);
    return job;
}

std::optional<QString> QtDialogs::openFile(QWidget* parent, const QString& title,
                                           const QString& filter, const QString& selectedFilter) {
    QString chosenFilter = selectedFilter;
    const QString path = QFileDialog::getOpenFileName(parent, title, {}, filter, &chosenFilter);
    return path.isEmpty() ? std::nullopt : std::optional(path);
}

std::optional<QString> QtDialogs::saveFile(QWidget* parent, const QString& title,
                                           const QString& filter, const QString& selectedFilter) {
    QString chosenFilter = selectedFilter;
    const QString path = QFileDialog::getSaveFileName(parent, title, {}, filter, &chosenFilter);
    return path.isEmpty() ? std::nullopt : std::optional(path);
}

std::optional<QFont> QtDialogs::chooseFont(QWidget* parent, const QFont& initial) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent);
    return ok ? std::optional(font) : std::nullopt;
}

std::optional<QColor> QtDialogs::chooseColor(QWidget* parent, const QColor& initial) {
    const QColor color = QColorDialog::getColor(initial, parent);
    return color.isValid() ? std::optional(color) : std::nullopt;
}

StartResult QtProgramStarter::start(const QString& path) {
    const QFileInfo file(path);
    if (path.trimmed().isEmpty() || !file.exists() || file.isDir())
        return StartResult::InvalidPath;
    return QProcess::startDetached(path, {}) ? StartResult::Started : StartResult::Failed;
}

void QtDesktop::beep() {
    QApplication::beep();
}

void QtDesktop::setBusy(bool busy) {
    if (busy) {
        ++busyDepth_;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0) {
        --busyDepth_;
        QApplication::restoreOverrideCursor();
    }
}

class HelpWindow : public QWidget {
  public:
    explicit HelpWindow(const QString& title) {
        setObjectName("HelpWindow");
        setWindowTitle(title);
        auto* layout = new QVBoxLayout(this);
        browser_ = new QTextBrowser(this);
        browser_->setObjectName("helpBrowser");
        browser_->setOpenExternalLinks(true);
        browser_->setSearchPaths({":/help"});
        layout->addWidget(browser_);
        resize(640, 480);
    }
    QTextBrowser* browser() { return browser_; }

  private:
    QTextBrowser* browser_;
};

HtmlHelp::HtmlHelp(QString windowTitle, QMap<int, QString> pages)
    : windowTitle_(std::move(windowTitle)), pages_(std::move(pages)) {}
HtmlHelp::~HtmlHelp() = default;

QString HtmlHelp::pageFor(int topic) const {
    return pages_.value(topic, QString("topic-%1.html").arg(topic));
}

void HtmlHelp::showTopic(QWidget*, int topic) {
    const QString page = pageFor(topic);
    showPage(QFile::exists(":/help/" + page) ? page : pageFor(1));
}

void HtmlHelp::showIndex(QWidget*) {
    showPage("index.html");
}

void HtmlHelp::showPage(const QString& page) {
    if (!window_)
        window_ = std::make_unique<HelpWindow>(windowTitle_);
    window_->browser()->setSource(QUrl("qrc:/help/" + page));
    window_->show();
    window_->raise();
    window_->activateWindow();
}

QtServices::QtServices(const QString& application, const QString& helpTitle,
                       QMap<int, QString> helpPages)
    : settings_(application), help_(helpTitle, std::move(helpPages)) {}

Services QtServices::services() {
    return {settings_, messages_, clipboard_, printer_, dialogs_, programs_, desktop_, help_};
}

} // namespace platform
