// Galvix3 meeting missing, unreadable and damaged data files: at start-up, while
// it runs, and when it chooses its data folder.
#include "galvix_fixture.h"
#include "ui/custom_reactions_dialog.h"
#include "ui/data_folder.h"
#include "ui/element_list_window.h"
#include "ui/jump_dialog.h"
#include "ui/splash_window.h"
#include "ui/tip_dialog.h"

#include <QDir>
#include <QFontDatabase>
#include <QLineEdit>

using namespace galvix;
using namespace galvix::ui;
using namespace galvix::ui::testing;

class DataFaultsTest : public QObject, public GalvixFixture {
    Q_OBJECT

    // `text` with %1 standing for the data directory.
    QString inDataDirectory(const QString& text) const {
        return text.arg(QString::fromStdString(dataDirectory()));
    }

    void damage(const QString& file, const QByteArray& bytes) {
        QFile::remove(dir_->filePath(file));
        if (bytes == "folder")
            QDir(dir_->path()).mkdir(file);
        else if (!bytes.isNull())
            writeFile(file, bytes);
    }

  private Q_SLOTS:
    void initTestCase() { QVERIFY(QFontDatabase::addApplicationFont(GALVIX_CHEM_FONT) >= 0); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void aDataFaultAtStartUpShowsOnlyItsMessage_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes"); // a null array: no file at all
        QTest::addColumn<QString>("message");
        QTest::newRow("Data.dat missing")
            << "Data.dat" << QByteArray() << "Data.dat was not found in the folder %1";
        QTest::newRow("Data.dat unreadable") << "Data.dat" << QByteArray("folder")
                                             << "Data.dat in the folder %1 cannot be read: Is a "
                                                "directory";
        QTest::newRow("Custom.dat damaged")
            << "Custom.dat" << QByteArray("400\r\n")
            << "Custom.dat, record 1: the count must be a whole number from 0 to 300";
    }

    void aDataFaultAtStartUpShowsOnlyItsMessage() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        damage(file, bytes);
        SplashWindow splash(*windows_);
        QVERIFY(!splash.start());
        QCOMPARE(doubles_->messages.shown.size(), 1u);
        QCOMPARE(lastMessage(),
                 (MessageRequest{"Galvix", inDataDirectory(message), MessageIcon::Critical,
                                 MessageButtons::Ok, MessageButton::Ok}));
        QVERIFY(!splash.timer().isActive());
        QVERIFY(splash.isHidden());
        QVERIFY(!windows_->has<MainScreen>());
        QVERIFY(!windows_->has<TipDialog>());
        QVERIFY(!doubles_->desktop.busyNow);
    }

    void dataFolderProblemsAreShownWhereTheyHappen_data() {
        QTest::addColumn<bool>("dataLoads");
        QTest::newRow("data loads all the same") << true;
        QTest::newRow("data then fails to load") << false;
    }

    void dataFolderProblemsAreShownWhereTheyHappen() {
        QFETCH(bool, dataLoads);
        if (!dataLoads)
            damage("Data.dat", QByteArray());
        const QString problem = "Data.dat cannot be copied into the data folder /x/: disk full";
        SplashWindow splash(*windows_);
        QCOMPARE(splash.start({problem}), dataLoads);
        QCOMPARE(doubles_->messages.shown.size(), 1u);
        if (dataLoads) {
            QCOMPARE(lastMessage(), (MessageRequest{"Galvix", problem, MessageIcon::Exclamation,
                                                    MessageButtons::Ok, MessageButton::Ok}));
            QVERIFY(windows_->get<MainScreen>().isVisible());
            QVERIFY2(splash.timer().isActive(), "the tip of the day still follows");
        } else {
            QCOMPARE(lastMessage().text,
                     problem + "\n" + inDataDirectory("Data.dat was not found in the folder %1"));
            QCOMPARE(lastMessage().icon, MessageIcon::Critical);
        }
    }

    void theInstalledDataIsSeededSourcesIncluded() {
        QTemporaryDir root;
        const QString installed = root.filePath("share/galvix3");
        const QString user = root.filePath("home/Galvix3");
        QVERIFY(QDir().mkpath(installed));
        for (const char* name : {"Data.dat", "Ele.dat", "Sources.dat", "Custom.dat"})
            QVERIFY(QFile::copy(kShippedData + name, installed + "/" + name));
        const platform::DataDirectory folder =
            ChooseDataDirectory(root.filePath("bin"), installed, user);
        QCOMPARE(folder.problems, QStringList());
        for (const char* name : {"Data.dat", "Ele.dat", "Sources.dat", "Custom.dat"})
            QVERIFY2(QFile::exists(user + "/" + name), name);
    }

    void noEmptyDataFolderIsMadeWhenNoFolderHoldsTheData() {
        QTemporaryDir root;
        const QString program = root.filePath("bin");
        const QString installed = root.filePath("share/galvix3");
        const QString user = root.filePath("home/Galvix3");
        QCOMPARE(ChooseDataDirectory(program, installed, user).path, user + "/");
        QVERIFY(!QDir(root.filePath("home")).exists());

        QVERIFY(QDir().mkpath(installed));
        QVERIFY(QFile::copy(kShippedData + "Data.dat", installed + "/Data.dat"));
        QCOMPARE(ChooseDataDirectory(program, installed, user).path, user + "/");
        QVERIFY(QFile::exists(user + "/Data.dat"));

        QVERIFY(QDir().mkpath(program));
        QVERIFY(QFile::copy(kShippedData + "Data.dat", program + "/Data.dat"));
        QCOMPARE(ChooseDataDirectory(program, installed, user).path, program + "/");
    }

    void customDamageFoundByAddIsReportedAsLoadReportsIt_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("count not a number")
            << QByteArray("abc\r\n")
            << "An error has occured!62\nCustom.dat, record 1: \"abc\" is not a number";
        QTest::newRow("record cut short")
            << QByteArray("2\r\n\"A -> B + e\",0.5\r\n")
            << "An error has occured!62\nCustom.dat, record 3: the file ends before this field";
        QTest::newRow("file gone") << QByteArray()
                                   << "An error has occured!53\nCustom.dat was not found in the "
                                      "folder %1";
    }

    void customDamageFoundByAddIsReportedAsLoadReportsIt() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        mainScreen();
        CustomReactionsDialog& editor = window<CustomReactionsDialog>();
        editor.show();
        damage("Custom.dat", bytes);
        editor.formulaBox()->setText("Ag+ + e -> Ag");
        editor.potentialBox()->setText("0.8");
        editor.add();
        QCOMPARE(lastMessage().text, inDataDirectory(message));
        QCOMPARE(readFile("Custom.dat"), bytes.isNull() ? QByteArray() : bytes);
        QCOMPARE(editor.formulaBox()->text(), QString("Ag+ + e -> Ag"));
    }

    void aMissingOrDamagedElementFileIsNamed_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QByteArray() << "Ele.dat was not found in the folder %1";
        QTest::newRow("cut short")
            << QByteArray("1,\"H\"\r\n") << "Ele.dat, record 1: the file ends before this field";
    }

    void aMissingOrDamagedElementFileIsNamed() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        mainScreen();
        damage("Ele.dat", bytes);
        const MessageRequest expected{"Galvix", inDataDirectory(message), MessageIcon::Exclamation,
                                      MessageButtons::Ok, MessageButton::Ok};
        bool opened = false;
        WhenModalOpens([&](QWidget*) { opened = true; });
        windows_->showElements(&window<MainScreen>());
        QVERIFY(!opened);
        QCOMPARE(lastMessage(), expected);
        JumpDialog& jump = window<JumpDialog>();
        jump.symbolBox()->setText("fe");
        jump.jump();
        QCOMPARE(lastMessage(), expected);
        QTest::qWait(1);
    }
};

QTEST_MAIN(DataFaultsTest)
#include "data_faults_test.moc"
