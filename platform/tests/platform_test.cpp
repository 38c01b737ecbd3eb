#include "platform/chem_text.h"
#include "platform/data_location.h"
#include "platform/files.h"
#include "platform/qt_services.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class PlatformTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void chemBytesRoundTripThroughTheCodec() {
        std::string all;
        for (int byte = 1; byte < 256; ++byte)
            all += static_cast<char>(byte);
        const QString decoded = platform::DecodeCp1252(all);
        QCOMPARE(decoded.size(), 255);
        QCOMPARE(platform::EncodeCp1252(decoded), all);
        QCOMPARE(decoded.at(140 - 1).unicode(), char16_t(0x0152));
        QCOMPARE(decoded.at(141 - 1).unicode(), char16_t(0x008D));
        QCOMPARE(decoded.at(183 - 1).unicode(), char16_t(0x00B7));
        QCOMPARE(platform::EncodeCp1252(QString::fromUtf16(u"\u4E2D")), std::string("?"));
    }

    void settingsStoreWritesIniTextAndReadsDefaults() {
        QTemporaryDir dir;
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
        platform::QtSettingsStore store("Galvix3Test");
        QCOMPARE(store.read("Options", "color", "16777215"), QString("16777215"));
        store.write("Options", "color", " 12632256");
        store.write("Applications", "App 1", "Calculator");
        QCOMPARE(store.read("Options", "color", "16777215"), QString(" 12632256"));
        QCOMPARE(store.read("Applications", "App 1", ""), QString("Calculator"));
    }

    void pdfJobWritesAFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("out.pdf");
        auto job = platform::MakePdfPrintJob(path);
        QVERIFY(job->setFont("DejaVu Sans", 10));
        QVERIFY(job->preparePage());
        QVERIFY(job->printText("Line one\r\nLine two\r\n"));
        QVERIFY(job->end());
        QVERIFY(QFileInfo(path).size() > 0);
    }

    void replacingAFileInAReadOnlyFolderKeepsTheOldOne() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Custom.dat");
        QVERIFY(platform::ReplaceFile(path, "1\r\n\"A -> B + e\",1\r\n").ok);
        QFile(dir.path()).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        const bool replaced = platform::ReplaceFile(path, "0\r\n").ok;
        QFile(dir.path()).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (replaced)
            QSKIP("running with permissions that ignore a read-only folder");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("1\r\n\"A -> B + e\",1\r\n"));
    }

    void dataDirectoryIsTheProgramsWhileItHoldsTheData() {
        QTemporaryDir program;
        QFile data(program.filePath("Data.dat"));
        QVERIFY(data.open(QIODevice::WriteOnly));
        data.close();
        QCOMPARE(platform::PrepareDataDirectory(program.path(), "/nowhere", "/nowhere/user",
                                                "Data.dat", {})
                     .path,
                 program.path() + "/");
    }

    void installedLayoutSeedsAndUpgradesWithoutTouchingUserFiles() {
        QTemporaryDir root;
        const QString installed = root.filePath("share");
        const QString user = root.filePath("home/Galvix3");
        QDir().mkpath(installed);
        auto write = [](const QString& path, const QByteArray& bytes) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        auto read = [](const QString& path) {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
        };
        write(installed + "/Data.dat", "data 1");
        write(installed + "/Custom.dat", "0\r\n");
        const platform::DataFiles files{{"Data.dat", "Ele.dat"}, {"Custom.dat"}};
        const platform::DataDirectory directory = platform::PrepareDataDirectory(
            root.filePath("bin"), installed, user, "Data.dat", files);
        QCOMPARE(directory.path, user + "/");
        QCOMPARE(directory.problems, QStringList());
        QCOMPARE(read(user + "/Data.dat"), QByteArray("data 1"));
        QCOMPARE(read(user + "/Custom.dat"), QByteArray("0\r\n"));
        write(user + "/Custom.dat", "1\r\n\"A -> B + e\",1\r\n");
        write(user + "/Saved.dat", "\"mine\",\"a\",\"b\"\r\n");
        write(installed + "/Data.dat", "data 2");
        write(installed + "/Custom.dat", "0\r\n");
        platform::PrepareDataDirectory(root.filePath("bin"), installed, user, "Data.dat", files);
        QCOMPARE(read(user + "/Data.dat"), QByteArray("data 2"));
        QCOMPARE(read(user + "/Custom.dat"), QByteArray("1\r\n\"A -> B + e\",1\r\n"));
        QCOMPARE(read(user + "/Saved.dat"), QByteArray("\"mine\",\"a\",\"b\"\r\n"));
    }

    void programStarterRefusesPathsThatAreNoPrograms() {
        platform::QtProgramStarter starter;
        QCOMPARE(starter.start(""), platform::StartResult::InvalidPath);
        QCOMPARE(starter.start("/no/such/program"), platform::StartResult::InvalidPath);
        QCOMPARE(starter.start("/tmp"), platform::StartResult::InvalidPath);
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
