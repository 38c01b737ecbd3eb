// Two Galvix3 processes editing one Custom.dat at the same time.
#include "core/custom_reactions.h"

#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

class TwoInstancesTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void concurrentAddsAreAllKept() {
        constexpr int kEach = 100;
        QTemporaryDir dir;
        QFile custom(dir.filePath("Custom.dat"));
        QVERIFY(custom.open(QIODevice::WriteOnly));
        custom.write("0\r\n");
        custom.close();
        QProcess first;
        QProcess second;
        const QString directory = dir.path() + "/";
        first.start(CUSTOM_WRITER, {directory, "A", QString::number(kEach)});
        second.start(CUSTOM_WRITER, {directory, "B", QString::number(kEach)});
        for (QProcess* writer : {&first, &second}) {
            QVERIFY(writer->waitForFinished(120000));
            QCOMPARE(writer->exitCode(), 0);
            QVERIFY2(writer->readAllStandardError().isEmpty(), "every add reported success");
        }
        const galvix::CustomRead read =
            galvix::ReadCustomRecords(dir.filePath("Custom.dat").toStdString());
        QVERIFY(read.ok());
        QSet<QString> texts;
        for (const galvix::CustomRecord& record : read.records)
            texts.insert(QString::fromStdString(record.text));
        QCOMPARE(read.records.size(), std::size_t(2 * kEach));
        QCOMPARE(texts.size(), 2 * kEach);
        QVERIFY(texts.contains("A99 -> Q + e") && texts.contains("B0 -> Q + e"));
    }
};

QTEST_GUILESS_MAIN(TwoInstancesTest)
#include "two_instances_test.moc"
