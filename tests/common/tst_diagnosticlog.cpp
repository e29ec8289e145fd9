#include "common/LWAssert.h"
#include "LWTestMain.h"
#include "common/LWDiagnosticLog.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <unistd.h>

namespace {
QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
void writeMask(const LWDiagnosticLog &log, const QByteArray &value)
{
    QFile ini(log.settingsFilePath());
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[errorlog]\nerrorid=" + value + "\n");
}
void resize(const QString &path, qint64 size)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.resize(size));
}
} // namespace

class TstDiagnosticLog : public QObject
{
    Q_OBJECT
private slots:
    void lineFormat()
    {
        QTemporaryDir dir;
        LWDiagnosticLog log(dir.path(), 1700000000);
        log.setEcho(false);
        QCOMPARE(log.logFilePath(), dir.path() + "/lw_1700000000.txt");
        log.log(4, 3, "%s\n", "Upload timed out");
        log.log(8, 0, "undo %d\n", 7);
        log.log(8, 2, "w\n");
        log.log(8, 1, "i\n");
        log.log(8, 42, "other\n");
        const QList<QByteArray> lines = readAll(log.logFilePath()).split('\n');
        QCOMPARE(lines.size(), 6);
        const QRegularExpression stamp(R"(^\[ERROR\]\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3}\]: Upload timed out$)");
        QVERIFY2(stamp.match(QString::fromUtf8(lines.at(0))).hasMatch(), lines.at(0).constData());
        QVERIFY(lines.at(1).startsWith("[DEBUG][") && lines.at(1).endsWith("]: undo 7"));
        QVERIFY(lines.at(2).startsWith("[WARNING]["));
        QVERIFY(lines.at(3).startsWith("[INFO]["));
        QVERIFY(lines.at(4).startsWith("[INFO]["));
    }

    void categoryAndMask_data()
    {
        QTest::addColumn<QByteArray>("mask"); // empty: no settings file
        QTest::addColumn<int>("category");
        QTest::addColumn<bool>("written");
        QTest::newRow("no mask file, network") << QByteArray() << 4 << true;
        QTest::newRow("no mask file, category 0") << QByteArray() << 0 << false;
        QTest::newRow("no mask file, negative") << QByteArray() << -4 << false;
        QTest::newRow("mask 0 stops everything") << QByteArray("0") << 8 << false;
        QTest::newRow("mask selects undo") << QByteArray("8") << 8 << true;
        QTest::newRow("mask excludes network") << QByteArray("8") << 4 << false;
        QTest::newRow("mask -1 all") << QByteArray("-1") << 8 << true;
        QTest::newRow("garbage mask counts as all") << QByteArray("#!?") << 4 << true;
    }
    void categoryAndMask()
    {
        QFETCH(QByteArray, mask);
        QFETCH(int, category);
        QFETCH(bool, written);
        QTemporaryDir dir;
        LWDiagnosticLog log(dir.path(), 1);
        log.setEcho(false);
        if (!mask.isEmpty())
            writeMask(log, mask);
        log.log(category, 3, "message\n");
        QCOMPARE(QFile::exists(log.logFilePath()), written);
    }

    void echoIgnoresMask()
    {
        QTemporaryDir dir;
        LWDiagnosticLog log(dir.path(), 1);
        writeMask(log, "0");
        // Standard output is inherited; capture it through a pipe-backed file.
        QTemporaryFile capture;
        QVERIFY(capture.open());
        fflush(stdout);
        const int saved = dup(fileno(stdout));
        dup2(capture.handle(), fileno(stdout));
        log.log(8, 3, "to the console %d\n", 1);
        fflush(stdout);
        dup2(saved, fileno(stdout));
        close(saved);
        capture.seek(0);
        QCOMPARE(capture.readAll(), QByteArray("to the console 1\n"));
        QVERIFY(!QFile::exists(log.logFilePath()));
    }

    // The size is looked at only on every 64th write, before that write.
    void rotationThreshold_data()
    {
        QTest::addColumn<qint64>("extra");
        QTest::addColumn<bool>("rotated");
        QTest::newRow("exactly 2 MiB stays") << qint64(0) << false;
        QTest::newRow("one byte more rotates") << qint64(1) << true;
    }
    void rotationThreshold()
    {
        QFETCH(qint64, extra);
        QFETCH(bool, rotated);
        QTemporaryDir dir;
        LWDiagnosticLog log(dir.path(), 5);
        log.setEcho(false);
        log.log(8, 3, "x\n");
        const qint64 line = QFileInfo(log.logFilePath()).size();
        // After 62 more writes the file is exactly at the threshold (plus extra)
        // when the 64th write checks it.
        resize(log.logFilePath(), LWDiagnosticLog::kRotateSize - 62 * line + extra);
        for (int i = 0; i < 62; ++i)
            log.log(8, 3, "x\n");
        QCOMPARE(QFileInfo(log.logFilePath()).size(), LWDiagnosticLog::kRotateSize + extra);
        QVERIFY(!QFile::exists(log.copyPath(2)));
        log.log(8, 3, "x\n");
        QCOMPARE(QFile::exists(log.copyPath(2)), rotated);
        QCOMPARE(QFileInfo(log.logFilePath()).size(), rotated ? line : LWDiagnosticLog::kRotateSize + extra + line);
    }

    void rotationShiftsCopies()
    {
        QTemporaryDir dir;
        LWDiagnosticLog log(dir.path(), 9, 3);
        log.setEcho(false);
        auto fillAndRotate = [&](char marker) {
            resize(log.logFilePath(), LWDiagnosticLog::kRotateSize + 1);
            {
                QFile f(log.logFilePath());
                QVERIFY(f.open(QIODevice::ReadWrite));
                f.write(&marker, 1);
            }
            for (int i = 0; i < LWDiagnosticLog::kChecksEvery; ++i)
                log.log(8, 3, "y\n");
        };
        log.log(8, 3, "first\n"); // counter at 1
        for (int i = 1; i < LWDiagnosticLog::kChecksEvery - 1; ++i)
            log.log(8, 3, "y\n");
        // 63 writes so far; the next round starts a fresh count after rotation.
        resize(log.logFilePath(), LWDiagnosticLog::kRotateSize + 1);
        log.log(8, 3, "y\n");
        QVERIFY(QFile::exists(log.copyPath(2)));
        fillAndRotate('B');
        QVERIFY(QFile::exists(log.copyPath(3)));
        fillAndRotate('C');
        // Three copies kept at most: the oldest dropped, numbers shifted.
        QVERIFY(!QFile::exists(log.copyPath(4)));
        QCOMPARE(readAll(log.copyPath(2)).left(1), QByteArray("C"));
        QCOMPARE(readAll(log.copyPath(3)).left(1), QByteArray("B"));
    }

    void unwritableFolderIsSilent()
    {
        LWDiagnosticLog log("/proc/definitely/not/here", 1);
        log.setEcho(false);
        log.log(8, 3, "nothing happens\n");
        QVERIFY(!QFile::exists(log.logFilePath()));
    }

    // A broken invariant is put on record with its condition and place,
    // and the given way out is taken; one that holds leaves no trace.
    void recoverableAssertion()
    {
        LWDiagnosticLog::instance()->setEcho(false);
        const QString path = LWDiagnosticLog::instance()->logFilePath();
        const QByteArray before = readAll(path);
        auto guarded = [](int row) {
            LW_ASSERT(row >= 0, return -1);
            return row * 2;
        };
        QCOMPARE(guarded(3), 6);
        QCOMPARE(readAll(path), before);
        const int line = __LINE__ - 5;
        QCOMPARE(guarded(-1), -1);
        int skipped = 0;
        for (int row : {1, -2, 3}) {
            LW_ASSERT(row > 0, continue);
            ++skipped;
        }
        QCOMPARE(skipped, 2);
        const QByteArray added = readAll(path).mid(before.size());
        QCOMPARE(added.count("[ERROR]"), 2);
        QVERIFY2(added.contains(QByteArray("invariant failed: \"row >= 0\" in tst_diagnosticlog.cpp:")
                                + QByteArray::number(line)),
                 added.constData());
        QVERIFY(added.contains("invariant failed: \"row > 0\""));
        QVERIFY(!added.contains("/tests/"));
        LWDiagnosticLog::instance()->setEcho(true);
    }
};

LW_TEST_MAIN(TstDiagnosticLog)
#include "tst_diagnosticlog.moc"
