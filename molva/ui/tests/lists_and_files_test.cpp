// The calculator's list, task files and constants lists: the dialogs they
// open, the files they read and write, and what the lists offer the input line.
#include "ui/constants_panel.h"
#include "window_fixture.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <sys/stat.h>

using molva::ui::ConstantsView;
using molva::ui::KeypadKey;

class ListsAndFilesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowUnderTest> under_;

    molva::ui::CalculatorWindow& w() { return under_->window; }
    platform::testing::TestServices& services() { return under_->services; }
    void enter(const QString& line) { under_->enter(line); }
    QString input() { return under_->input(); }
    QString result() { return under_->currentResult(); }
    void press(KeypadKey key) { w().keypad()->button(key)->click(); }
    void keyClick(Qt::Key key) { QTest::keyClick(w().input(), key); }

    static QString writeFile(const QTemporaryDir& dir, const QString& name,
                             const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return dir.filePath(name);
    }

  private Q_SLOTS:
    void init() {
        under_ = std::make_unique<WindowUnderTest>();
        QVERIFY(under_->ready());
    }

    void cleanup() { under_.reset(); }

    void fileDialogsOpenOnTheirOwnFileType_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("selected");
        QTest::newRow("open task") << "mnuOpen"
                                   << "Task Files (*.tsk)";
        QTest::newRow("save list") << "mnuSave"
                                   << "Text Files(*.txt)";
        QTest::newRow("constants file") << "mnuConstants(4)"
                                        << "Constants (*.con)";
    }

    void fileDialogsOpenOnTheirOwnFileType() {
        QFETCH(QString, command);
        QFETCH(QString, selected);
        w().findChild<QAction*>(command)->trigger();
        QCOMPARE(services().dialogs.selectedFilters.size(), 1);
        QCOMPARE(services().dialogs.selectedFilters[0], selected);
        QVERIFY(services().dialogs.filters[0].split(";;").contains(selected));
    }

    void constantsListsOfferTheirValues() {
        w().showConstants(2);
        QVERIFY(w().expanded());
        QListWidget* physical = w().constantsPanel()->list(1);
        const int faraday =
            physical->row(physical->findItems("Faraday Constant (C/mol)", Qt::MatchExactly)[0]);
        Q_EMIT physical->itemActivated(physical->item(faraday));
        QCOMPARE(input(), QString(" 96485.309"));
        w().input()->clear();
        physical->setCurrentRow(faraday);
        QTest::keyClick(physical, Qt::Key_Return);
        QCOMPARE(input(), QString(" 96485.309"));
        w().input()->clear();
        w().showConstants(1);
        Q_EMIT w().constantsPanel()->list(0)->itemActivated(
            w().constantsPanel()->list(0)->item(22));
        QCOMPARE(input(), QString());
        w().showConstants(3);
        QListWidget* prefixes = w().constantsPanel()->list(2);
        Q_EMIT prefixes->itemActivated(
            prefixes->findItems("Prefiks - kilo (k)", Qt::MatchExactly)[0]);
        QCOMPARE(input(), QString("Prefiks - kilo (k)"));
        QCOMPARE(w().constantsPanel()->list(0)->count(), 214);
        QCOMPARE(physical->count(), 86);
        QCOMPARE(prefixes->count(), 32);
    }

    void loadingAConstantsFile() {
        QTemporaryDir dir;
        services().dialogs.files = {writeFile(dir, "lab.con", "Water\r\n 18.0153\r\n")};
        w().actions().constants[4]->trigger();
        QCOMPARE(w().constantsPanel()->tab(ConstantsView::Custom)->text(), QString("lab"));
        QCOMPARE(w().constantsPanel()->shownList()->count(), 2);
        QVERIFY(!w().actions().constants[4]->isChecked());
        QVERIFY(w().actions().constants[3]->isChecked());
    }

    void taskFilesSkipEmptyLinesAndSaveTheList() {
        QTemporaryDir dir;
        w().runTaskFile(writeFile(dir, "t.tsk", "2+3\r\n\r\n4*5"));
        QCOMPARE(w().history()->count(), 2);
        QCOMPARE(w().resultList()[1], QString("5"));
        enter("#deg");
        services().dialogs.files = {dir.filePath("list.txt")};
        w().saveList();
        QFile saved(dir.filePath("list.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("#deg\r\n4*5 = 20\r\n2+3 = 5\r\n"));
        services().printer.copiesChosen = 2;
        w().printList();
        QCOMPARE(services().printer.jobs.size(), 2u);
        QVERIFY(services().printer.jobs[1].text.startsWith("#deg = \r\n4*5 = 20"));
    }

    void aListThatCannotBeSavedSaysSo() {
        QTemporaryDir dir;
        enter("1+1");
        const QString path = dir.filePath("missing-folder/list.txt");
        services().dialogs.files = {path};
        w().saveList();
        QVERIFY2(result().startsWith("The list could not be saved to " + path + ": "),
                 qPrintable(result()));
    }

    void onlyRegularTaskFilesAreRun_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("folder") << "folder"
                                << "%1 is a folder, not a file";
        QTest::newRow("pipe") << "pipe"
                              << "%1 is not a regular file";
    }

    void onlyRegularTaskFilesAreRun() {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath("task.tsk");
        if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        else
            QCOMPARE(mkfifo(path.toLocal8Bit().constData(), 0600), 0);
        services().dialogs.files = {path};
        w().openTask();
        QCOMPARE(result(), message.arg(path));
        QCOMPARE(w().history()->count(), 0);
    }

    void escapeStopsARunAfterTheCurrentLine() {
        QTemporaryDir dir;
        const QString task = writeFile(dir, "t.tsk", "1\n2\n3\n4\n");
        QTimer::singleShot(0, this, [this] { keyClick(Qt::Key_Escape); });
        w().runTaskFile(task);
        QVERIFY(w().cancelRequested());
        QVERIFY(w().history()->count() < 4);
    }

    void theExampleGivesTheResultsItStates() {
        w().runExample();
        QFile file(QString(MOLVA_EXAMPLE_DIR) + "/Example.tsk");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines =
            QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(w().history()->count(), lines.size());
        for (int k = 0; k < lines.size(); ++k) {
            const qsizetype equals = lines[k].indexOf(" = ");
            const QString expected = equals < 0 ? QString() : lines[k].mid(equals + 3);
            QCOMPARE(w().resultList()[static_cast<int>(lines.size()) - 1 - k], expected);
        }
    }

    void newListKeepsTheMemory() {
        enter("7");
        press(KeypadKey::MemoryStore);
        w().newList();
        QCOMPARE(w().history()->count(), 0);
        QVERIFY(w().resultList().isEmpty());
        QVERIFY(result().isEmpty());
        QCOMPARE(w().session().state().memory, 7.0);
    }
};

QTEST_MAIN(ListsAndFilesTest)
#include "lists_and_files_test.moc"
