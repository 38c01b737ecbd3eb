#include "platform/chem_text.h"
#include "platform/data_location.h"
#include "platform/files.h"
#include "platform/qt_services.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

namespace {

// While it lives, no file of this process may grow beyond `bytes`: a write past
// it fails as on a full disk (EFBIG; the signal that would end the process is
// ignored). The old limit and signal handling come back at the end.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        if (getrlimit(RLIMIT_FSIZE, &old_) != 0)
            return;
        rlimit limited = old_;
        limited.rlim_cur = bytes;
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        active_ = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() {
        if (active_)
            setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool active() const { return active_; }

  private:
    rlimit old_{};
    void (*oldHandler_)(int) = SIG_DFL;
    bool active_ = false;
};

constexpr rlim_t kLimit = 1024;

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

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

    void aRewriteTheDiskRefusesKeepsTheOldFile_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("within the write buffer") << 8000;
        QTest::newRow("beyond the write buffer") << 100000;
    }

    void aRewriteTheDiskRefusesKeepsTheOldFile() {
        QFETCH(int, size);
        QTemporaryDir dir;
        const QString path = dir.filePath("Custom.dat");
        WriteAll(path, "1\r\n\"A -> B + e\",1\r\n");
        platform::FileWrite written;
        {
            FileSizeLimit full(kLimit);
            if (!full.active())
                QSKIP("no file-size limit can be set here, so no full disk can be imitated");
            written = platform::ReplaceFile(path, QByteArray(size, 'x'));
        }
        QVERIFY(!written.ok);
        QVERIFY(!written.reason.isEmpty());
        QCOMPARE(ReadAll(path), QByteArray("1\r\n\"A -> B + e\",1\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Custom.dat"});
    }

    void anAppendStartsOnANewLine_data() {
        QTest::addColumn<QByteArray>("before"); // null: no file
        QTest::addColumn<QByteArray>("after");
        const QByteArray record = "\"b\",\"x\",\"y\"\r\n";
        QTest::newRow("no file") << QByteArray() << record;
        QTest::newRow("empty file") << QByteArray("") << record;
        QTest::newRow("ends with CR LF")
            << QByteArray("\"a\",\"x\",\"y\"\r\n") << "\"a\",\"x\",\"y\"\r\n" + record;
        QTest::newRow("ends with LF")
            << QByteArray("\"a\",\"x\",\"y\"\n") << "\"a\",\"x\",\"y\"\n" + record;
        QTest::newRow("no final line end")
            << QByteArray("\"a\",\"x\",\"y\"") << "\"a\",\"x\",\"y\"\r\n" + record;
    }

    void anAppendStartsOnANewLine() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath("Saved.dat");
        if (!before.isNull())
            WriteAll(path, before);
        QVERIFY(platform::AppendRecord(path, "\"b\",\"x\",\"y\"\r\n").ok);
        QCOMPARE(ReadAll(path), after);
    }

    void anAppendTheDiskRefusesLeavesTheFileAsItWas() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Saved.dat");
        const QByteArray before = "\"a\",\"x\",\"y\"";
        WriteAll(path, before);
        platform::FileWrite written;
        {
            FileSizeLimit full(kLimit);
            if (!full.active())
                QSKIP("no file-size limit can be set here, so no full disk can be imitated");
            written = platform::AppendRecord(path, QByteArray(4000, 'n'));
        }
        QVERIFY(!written.ok);
        QCOMPARE(ReadAll(path), before);
        QVERIFY(platform::AppendRecord(path, "\"b\",\"x\",\"y\"\r\n").ok);
        QCOMPARE(ReadAll(path), before + "\r\n\"b\",\"x\",\"y\"\r\n");
    }

    void aLockHeldByAnotherHolderKeepsTheWorkWaiting() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Custom.dat");
        int runs = 0;
        QCOMPARE(platform::WithFileLock(path, [&] { ++runs; }), QString());
        QCOMPARE(runs, 1);
        QVERIFY(!QFile::exists(path + ".lock"));
        QLockFile other(path + ".lock");
        QVERIFY(other.tryLock(0));
        QCOMPARE(platform::WithFileLock(
                     path, [&] { ++runs; }, 50),
                 QString("another program is still changing it"));
        QCOMPARE(runs, 1);
    }

    void dataFolderProblemsNameTheFolder_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("problem"); // %1: the user's folder
        QTest::newRow("folder cannot be made") << "user folder is a file"
                                               << "The data folder %1 cannot be created.";
        QTest::newRow("copy cannot be written")
            << "user copy is a folder"
            << "Data.dat cannot be copied into the data folder %1: ";
        QTest::newRow("installed copy unreadable")
            << "installed copy is a folder"
            << "Data.dat cannot be copied into the data folder %1: ";
    }

    void dataFolderProblemsNameTheFolder() {
        QFETCH(QString, fault);
        QFETCH(QString, problem);
        QTemporaryDir root;
        const QString installed = root.filePath("share");
        const QString user = root.filePath("home/Galvix3");
        QVERIFY(QDir().mkpath(installed));
        WriteAll(installed + "/Ele.dat", "elements");
        if (fault == "installed copy is a folder")
            QVERIFY(QDir().mkpath(installed + "/Data.dat"));
        else
            WriteAll(installed + "/Data.dat", "data");
        if (fault == "user folder is a file") {
            QVERIFY(QDir().mkpath(root.filePath("home")));
            WriteAll(user, "not a folder");
        }
        if (fault == "user copy is a folder")
            QVERIFY(QDir().mkpath(user + "/Data.dat/inside"));
        const platform::DataDirectory prepared = platform::PrepareDataDirectory(
            root.filePath("bin"), installed, user, "Data.dat", {{"Data.dat", "Ele.dat"}, {}});
        QCOMPARE(prepared.path, user + "/");
        QCOMPARE(prepared.problems.size(), 1);
        QVERIFY2(prepared.problems[0].startsWith(problem.arg(user + "/")),
                 qPrintable(prepared.problems[0]));
        if (fault != "user folder is a file")
            QCOMPARE(ReadAll(user + "/Ele.dat"), QByteArray("elements"));
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
