// A temporary data directory with the shipped data, scripted services and a
// context whose fatal errors and quits are recorded instead of ending the test.
#pragma once

#include "core/half_reaction_table.h"
#include "platform/qt_services.h"
#include "platform/testing/test_services.h"
#include "ui/form1.h"
#include "ui/galvix_context.h"

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

    void makeContext(platform::Services services) {
        context_ = std::make_unique<GalvixContext>(services, dir_->path().toStdString() + "/");
        context_->fatal = [this](const QString& text) { fatalMessages_ << text; };
        context_->quit = [this] { ++quits_; };
    }

    Form1& mainScreen() {
        Form1& form1 = context_->form1();
        form1.load();
        form1.show();
        return form1;
    }

    // Selects the item whose Chem bytes are `bytes`.
    static bool Select(QListWidget* list, const std::string& bytes) {
        for (int row = 0; row < list->count(); ++row) {
            if (Form1::ItemBytes(list->item(row)) == bytes) {
                list->setCurrentRow(row);
                return true;
            }
        }
        return false;
    }

    const MessageRequest& lastMessage() { return doubles_->messages.shown.back(); }

    void calculatePair(const std::string& oxidation, const std::string& reduction) {
        Form1& form1 = mainScreen();
        QVERIFY(Select(form1.list1(), oxidation));
        QVERIFY(Select(form1.list2(), reduction));
        form1.calculate();
    }
};

} // namespace galvix::ui::testing
