// Scripted stand-ins for the services, for window tests: they record every
// call and answer from what the test scripted.
#pragma once

#include "platform/services.h"

#include <QMap>
#include <QStringList>
#include <deque>
#include <vector>

namespace platform::testing {

class MemorySettings : public SettingsStore {
  public:
    QString read(const QString& section, const QString& key,
                 const QString& defaultValue) const override {
        return values.value(section + "/" + key, defaultValue);
    }
    void write(const QString& section, const QString& key, const QString& value) override {
        values[section + "/" + key] = value;
        writes.append(section + "/" + key + "=" + value);
    }

    QMap<QString, QString> values;
    QStringList writes;
};

class ScriptedMessageBoxes : public MessageBoxes {
  public:
    MessageButton show(QWidget*, const MessageRequest& request) override {
        shown.push_back(request);
        if (answers.empty())
            return request.buttons == MessageButtons::YesNo ? request.defaultButton
                                                            : MessageButton::Ok;
        const MessageButton answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<MessageRequest> shown;
    std::deque<MessageButton> answers;
};

class RecordingClipboard : public Clipboard {
  public:
    void clear() override {
        plain.clear();
        html.clear();
        ++clears;
    }
    void setText(const QString& plainText, const QString& htmlText) override {
        plain = plainText;
        html = htmlText;
    }
    QString text() const override { return plain; }

    QString plain;
    QString html;
    int clears = 0;
};

struct PrintedJob {
    QString font;
    int pointSize = 0;
    int pagesPrepared = 0;
    QString text;
    bool ended = false;
};

class RecordingPrinter : public Printer {
  public:
    std::unique_ptr<PrintJob> start(QWidget*) override {
        if (cancelDialog)
            return nullptr;
        jobs.emplace_back();
        return std::make_unique<Job>(*this, jobs.size() - 1);
    }

    std::vector<std::unique_ptr<PrintJob>> startCopies(QWidget* parent) override {
        std::vector<std::unique_ptr<PrintJob>> copies;
        for (int copy = 0; copy < copiesChosen; ++copy) {
            if (auto job = start(parent))
                copies.push_back(std::move(job));
        }
        return copies;
    }

    bool cancelDialog = false;
    bool failing = false;
    int copiesChosen = 1;
    std::vector<PrintedJob> jobs;

  private:
    class Job : public PrintJob {
      public:
        Job(RecordingPrinter& printer, std::size_t index) : printer_(printer), index_(index) {}
        bool setFont(const QString& family, int size) override {
            record().font = family;
            record().pointSize = size;
            return !printer_.failing;
        }
        bool preparePage() override {
            ++record().pagesPrepared;
            return !printer_.failing;
        }
        bool printText(const QString& text) override {
            record().text += text;
            return !printer_.failing;
        }
        bool end() override {
            record().ended = true;
            return !printer_.failing;
        }

      private:
        PrintedJob& record() { return printer_.jobs[index_]; }
        RecordingPrinter& printer_;
        std::size_t index_;
    };
};

class ScriptedDialogs : public Dialogs {
  public:
    std::optional<QString> openFile(QWidget*, const QString&, const QString& filter,
                                    const QString& selectedFilter = {}) override {
        filters.append(filter);
        selectedFilters.append(selectedFilter);
        return take(files);
    }
    std::optional<QString> saveFile(QWidget*, const QString&, const QString& filter,
                                    const QString& selectedFilter = {}) override {
        filters.append(filter);
        selectedFilters.append(selectedFilter);
        return take(files);
    }
    std::optional<QFont> chooseFont(QWidget*, const QFont&) override { return take(fonts); }
    std::optional<QColor> chooseColor(QWidget*, const QColor& initial) override {
        colorAskedFrom = initial;
        return take(colors);
    }

    std::deque<std::optional<QString>> files;
    std::deque<std::optional<QFont>> fonts;
    std::deque<std::optional<QColor>> colors;
    QStringList filters;
    QStringList selectedFilters;
    QColor colorAskedFrom;

  private:
    template <class T> std::optional<T> take(std::deque<std::optional<T>>& queue) {
        if (queue.empty())
            return std::nullopt;
        auto answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

class RecordingPrograms : public ProgramStarter {
  public:
    StartResult start(const QString& path) override {
        started.append(path);
        return result;
    }
    QStringList started;
    StartResult result = StartResult::Started;
};

class QuietDesktop : public Desktop {
  public:
    void beep() override { ++beeps; }
    void setBusy(bool busy) override { busyNow = busy; }
    int beeps = 0;
    bool busyNow = false;
};

class RecordingHelp : public Help {
  public:
    void showTopic(QWidget*, int topic) override { topics.push_back(topic); }
    void showIndex(QWidget*) override { ++indexShown; }
    std::vector<int> topics;
    int indexShown = 0;
};

// All doubles together.
struct TestServices {
    MemorySettings settings;
    ScriptedMessageBoxes messages;
    RecordingClipboard clipboard;
    RecordingPrinter printer;
    ScriptedDialogs dialogs;
    RecordingPrograms programs;
    QuietDesktop desktop;
    RecordingHelp help;

    Services services() {
        return {settings, messages, clipboard, printer, dialogs, programs, desktop, help};
    }
};

} // namespace platform::testing
