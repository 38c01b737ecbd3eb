// A temporary data directory with the shipped data, scripted services and a
// context whose fatal errors and quits are recorded instead of ending the test.
#pragma once

#include "core/reaction_session.h"
#include "platform/qt_services.h"
#include "platform/testing/test_services.h"
#include "ui/chem_output.h"
#include "ui/galvix_context.h"
#include "ui/galvix_windows.h"
#include "ui/main_screen.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace galvix::ui::testing {

using platform::MessageButton;
using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageRequest;

inline const QString kShippedData = GALVIX_SHIPPED_DATA_DIR;

inline std::string Chem(const char* text) {
    return text;
}

// Runs `inspect` on the next modal dialog and closes it.
inline void WhenModalOpens(std::function<void(QWidget*)> inspect) {
    QTimer::singleShot(0, [inspect] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal) {
            inspect(modal);
            modal->close();
        }
    });
}

class GalvixFixture {
  public:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<platform::testing::TestServices> doubles_;
    std::unique_ptr<GalvixContext> context_;
    std::unique_ptr<ReactionSession> session_;
    std::unique_ptr<GalvixWindows> windows_;
    QStringList fatalMessages_;
    int quits_ = 0;

    void setUp() {
        dir_ = std::make_unique<QTemporaryDir>();
        QFile::copy(kShippedData + "Data.dat", dir_->filePath("Data.dat"));
        QFile::copy(kShippedData + "Ele.dat", dir_->filePath("Ele.dat"));
        writeFile("Custom.dat", "0\r\n");
        doubles_ = std::make_unique<platform::testing::TestServices>();
        fatalMessages_.clear();
        quits_ = 0;
        makeContext(doubles_->services());
    }

    void tearDown() {
        windows_.reset();
        session_.reset();
        context_.reset();
        doubles_.reset();
        dir_.reset();
    }

    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(dir_->filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    QByteArray readFile(const QString& name) {
        QFile file(dir_->filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The data directory, ending with "/".
    std::string dataDirectory() const { return dir_->path().toStdString() + "/"; }

    void makeContext(platform::Services services) {
        windows_.reset();
        context_ = std::make_unique<GalvixContext>(services);
        context_->fatal = [this](const QString& text) { fatalMessages_ << text; };
        context_->quit = [this] { ++quits_; };
        session_ = std::make_unique<ReactionSession>(dataDirectory());
        windows_ = std::make_unique<GalvixWindows>(*context_, *session_);
    }

    template <class Window> Window& window() { return windows_->get<Window>(); }

    MainScreen& mainScreen() {
        MainScreen& main = window<MainScreen>();
        main.load();
        main.show();
        return main;
    }

    const MessageRequest& lastMessage() { return doubles_->messages.shown.back(); }

    void calculatePair(const std::string& oxidation, const std::string& reduction) {
        MainScreen& main = mainScreen();
        QVERIFY(main.selectItem(ListSide::Oxidation, oxidation));
        QVERIFY(main.selectItem(ListSide::Reduction, reduction));
        main.calculate();
    }
};

} // namespace galvix::ui::testing
