// The compression worker on its own: the real quantiser on real frames,
// the outcomes the error codes stand for, stand-in quantisers that hang,
// fail, crash or pull the source away, the quantiser's installation, and
// the worker's thread that ends and cleans up whatever happens.
#include "LWCompressTestKit.h"
#include "LWTestMain.h"
#include "resources/NSLWResourceParameter.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>

using namespace LWCompressTestKit;

namespace {

// What one compression reported, in order.
struct Report
{
    QList<float> progress;   // progress(float)
    QList<float> progressId; // progress(float, QString)
    QStringList completed;
    QList<int> errors;   // compressError(int)
    QList<int> errorsId; // compressError(int, QString)
    int finished = 0;
};

Report compress(const QString &source, const QString &target, int level)
{
    Report report;
    LWTextureCompess worker(source, target, level, QStringLiteral("res"));
    QObject::connect(&worker, qOverload<float>(&LWTextureCompess::progress), [&](float p) { report.progress << p; });
    QObject::connect(&worker, qOverload<float, QString>(&LWTextureCompess::progress), [&](float p, QString id) {
        QCOMPARE(id, QStringLiteral("res"));
        report.progressId << p;
    });
    QObject::connect(&worker, &LWTextureCompess::complete, [&](QString id) { report.completed << id; });
    QObject::connect(&worker, qOverload<int>(&LWTextureCompess::compressError), [&](int e) { report.errors << e; });
    QObject::connect(&worker, qOverload<int, QString>(&LWTextureCompess::compressError),
                     [&](int e, QString) { report.errorsId << e; });
    QObject::connect(&worker, &LWTextureCompess::finished, [&] { ++report.finished; });
    worker.process();
    return report;
}

QStringList pngNames(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
}

} // namespace

class TstCompress : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &relative) const { return m_dir.filePath(relative); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pngquant")).isEmpty(), "pngquant is not installed");
    }
    void cleanup()
    {
        removeInstalledQuantiser();
    }

    // The quantiser shrinks every frame it can; a frame it cannot shrink
    // and a frame it cannot read stay as their copies; other entries are
    // counted but left behind. Each PNG reports its place in the folder.
    void quantisesEveryPngFrame_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("medium quality") << 2;
        QTest::newRow("low quality") << 3;
    }
    void quantisesEveryPngFrame()
    {
        QFETCH(int, level);
        const QString source = path(QStringLiteral("art%1").arg(level));
        const QString target = source + LWTextureCompess::folderSuffix(level);
        const QStringList frames = writeFrames(source, QStringLiteral("f"), 3);
        QCOMPARE(frames.size(), 3);
        QVERIFY(writeBytes(source + "/broken.png", "not a picture at all"));
        QVERIFY(writeBytes(source + "/notes.txt", "frames drawn by hand"));
        QVERIFY(!writeTinyFrame(source + "/tiny.png").isEmpty());

        const Report report = compress(source, target, level);

        QCOMPARE(report.errors, QList<int>());
        QCOMPARE(report.completed, QStringList{"res"});
        QCOMPARE(report.finished, 1);
        // Sorted: broken, f_000, f_001, f_002, notes.txt, tiny.
        const QList<float> expected{1 / 6.0f, 2 / 6.0f, 3 / 6.0f, 4 / 6.0f, 1.0f};
        QCOMPARE(report.progress, expected);
        QCOMPARE(report.progressId, expected);
        QCOMPARE(entriesOf(target), (QStringList{"broken.png", "f_000.png", "f_001.png", "f_002.png", "tiny.png"}));
        for (const QString &frame : frames) {
            const QString copy = target + "/" + QFileInfo(frame).fileName();
            QVERIFY2(isPaletteImage(copy), qPrintable(copy));
            QVERIFY(QFileInfo(copy).size() < QFileInfo(frame).size());
            QCOMPARE(QImage(copy).size(), QImage(frame).size());
        }
        QCOMPARE(bytesOf(target + "/tiny.png"), bytesOf(source + "/tiny.png"));
        QCOMPARE(bytesOf(target + "/broken.png"), bytesOf(source + "/broken.png"));
    }

    // The compressed folders are found again by the library's rule that
    // strips the suffix from a stored path.
    void levelFoldersMapBackToTheSequence()
    {
        QCOMPARE(LWTextureCompess::folderSuffix(0), QString());
        for (int level = 1; level <= 3; ++level) {
            const QString folder = "group/abcdefgh_1700000000" + LWTextureCompess::folderSuffix(level);
            QVERIFY(folder != "group/abcdefgh_1700000000");
            QCOMPARE(NSLWResourceParameter::plainFilePathOf(folder), QString("group/abcdefgh_1700000000"));
        }
        QCOMPARE(LWTextureCompess::folderSuffix(4), QString());
    }

    // Every way a compression ends before its frames: the code, one progress
    // of 0 on both signals, no completion; what is left on disk.
    void outcomes_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("error");       // 0: completes
        QTest::addColumn<bool>("targetMade"); // the destination exists afterwards (empty)

        QTest::newRow("level 4") << "frames" << 4 << 7 << true;
        QTest::newRow("level 0") << "frames" << 0 << 7 << true;
        QTest::newRow("no PNG among the entries") << "others" << 2 << 0 << true;
        QTest::newRow("source missing") << "missing" << 2 << 4 << false;
        QTest::newRow("source empty") << "empty" << 2 << 4 << true;
        QTest::newRow("destination cannot be made") << "blocked" << 2 << 5 << false;
    }
    void outcomes()
    {
        QFETCH(QString, setup);
        QFETCH(int, level);
        QFETCH(int, error);
        QFETCH(bool, targetMade);
        const QString source = path("outcome-" + QString(QTest::currentDataTag()).replace(' ', '-'));
        QString target = source + "_out";
        if (setup == "frames")
            QCOMPARE(writeFrames(source, "f", 2).size(), 2);
        if (setup == "others") {
            QVERIFY(writeBytes(source + "/a.txt", "a"));
            QVERIFY(writeBytes(source + "/b.jpg", "b"));
            QVERIFY(writeBytes(source + "/C.PNG", "c")); // the suffix must be exactly "png"
            QVERIFY(QDir().mkpath(source + "/sub"));
        }
        if (setup == "empty" || setup == "blocked")
            QVERIFY(QDir().mkpath(source));
        if (setup == "blocked") {
            QVERIFY(writeFrames(source, "f", 1).size() == 1);
            QVERIFY(writeBytes(path("a-file"), "x"));
            target = path("a-file/below");
        }

        const Report report = compress(source, target, level);

        if (error == 0) {
            QCOMPARE(report.errors, QList<int>());
            QCOMPARE(report.progress, QList<float>());
            QCOMPARE(report.completed, QStringList{"res"});
            QCOMPARE(report.finished, 1);
        } else {
            QCOMPARE(report.errors, QList<int>{error});
            QCOMPARE(report.errorsId, QList<int>{error});
            QCOMPARE(report.progress, QList<float>{0.0f});
            QCOMPARE(report.progressId, QList<float>{0.0f});
            QCOMPARE(report.completed, QStringList());
            QCOMPARE(report.finished, 0);
        }
        QCOMPARE(QFileInfo(target).isDir(), targetMade);
        QCOMPARE(entriesOf(target), QStringList());
    }

    // Stand-ins for a quantiser gone wrong. However it fails on a frame,
    // the frame is the unchanged copy afterwards and nothing it half wrote
    // joins the sequence; one that does not start, or a source that goes
    // away underneath, ends the compression with its code.
    void quantiserFaults_data()
    {
        QTest::addColumn<QByteArray>("program"); // a script, or bytes that are no program
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("atLeastMs");

        QTest::newRow("hangs") << QByteArray("exec sleep 30") << 1 << 0 << LWTextureCompess::kFrameTimeoutMs;
        QTest::newRow("fails after writing junk") << QByteArray("printf junk > \"${10}\"; exit 3") << 2 << 0 << 0;
        QTest::newRow("crashes after writing junk") << QByteArray("printf junk > \"${10}\"; kill -SEGV $$") << 2 << 0 << 0;
        QTest::newRow("killed mid-write") << QByteArray("printf junk > \"${10}.tmp\"; kill -KILL $$") << 2 << 0 << 0;
        QTest::newRow("pulls the source away") << QByteArray("rm -rf \"$(dirname \"$8\")\"") << 3 << 4 << 0;
        QTest::newRow("is no program") << QByteArray("\x7f" "ELF\x02\x01 garbage") << 2 << 2 << 0;
    }
    void quantiserFaults()
    {
        QFETCH(QByteArray, program);
        QFETCH(int, frames);
        QFETCH(int, error);
        QFETCH(int, atLeastMs);
        const QString tag = QString(QTest::currentDataTag()).replace(' ', '-');
        const QString source = path("fault-" + tag);
        const QString target = source + "_out";
        const QStringList written = writeFrames(source, "f", frames, 32);
        QCOMPARE(written.size(), frames);
        if (program.startsWith('\x7f')) {
            QVERIFY(writeBytes(LWTextureCompess::quantiserPath(), program));
            QVERIFY(QFile::setPermissions(LWTextureCompess::quantiserPath(),
                                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        } else {
            QVERIFY(installStandIn(QString::fromUtf8(program)));
        }
        QHash<QString, QByteArray> originals;
        for (const QString &frame : written)
            originals.insert(QFileInfo(frame).fileName(), bytesOf(frame));

        QElapsedTimer clock;
        clock.start();
        const Report report = compress(source, target, 2);
        const qint64 elapsed = clock.elapsed();

        QVERIFY2(elapsed >= atLeastMs, qPrintable(QString::number(elapsed)));
        QVERIFY2(elapsed < atLeastMs + 8000, qPrintable(QString::number(elapsed)));
        if (error != 0) {
            QCOMPARE(report.errors, QList<int>{error});
            QCOMPARE(report.completed, QStringList());
            QCOMPARE(report.finished, 0);
            return;
        }
        QCOMPARE(report.errors, QList<int>());
        QCOMPARE(report.finished, 1);
        QCOMPARE(report.progress.size(), frames);
        QCOMPARE(entriesOf(target), pngNames(source));
        for (auto it = originals.begin(); it != originals.end(); ++it)
            QCOMPARE(bytesOf(target + "/" + it.key()), it.value());
    }

    // Frames run one quantiser per core at once, never more, and progress
    // still goes out in frame order when a later frame ends first.
    void runsOneQuantiserPerCore()
    {
        const QString source = path("lanes");
        const QString target = source + "_out";
        const int frames = 6;
        QCOMPARE(writeFrames(source, "f", frames, 32).size(), frames);
        const QString running = path("lanes-running");
        const QString seen = path("lanes-seen");
        QVERIFY(QDir().mkpath(running));
        // The first frame takes longest, so the others end before it.
        QVERIFY(installStandIn(QStringLiteral("touch '%1'/$$; ls '%1' | wc -l >> '%2'\n"
                                              "case \"$8\" in *f_000.png) sleep 0.8 ;; *) sleep 0.2 ;; esac\n"
                                              "rm '%1'/$$")
                                   .arg(running, seen)));

        const Report report = compress(source, target, 2);

        QCOMPARE(report.errors, QList<int>());
        QCOMPARE(report.finished, 1);
        QList<float> expected;
        for (int i = 0; i < frames; ++i)
            expected << float(i + 1) / float(frames);
        QCOMPARE(report.progress, expected);
        QCOMPARE(entriesOf(target), pngNames(source));
        const QStringList counts = QString::fromUtf8(bytesOf(seen)).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(counts.size(), frames);
        int most = 0;
        for (const QString &count : counts)
            most = qMax(most, count.trimmed().toInt());
        const int lanes = qMin(QThread::idealThreadCount(), frames);
        QCOMPARE(LWTextureCompess::laneCount(frames), lanes);
        QCOMPARE(most, lanes);
        QCOMPARE(LWTextureCompess::laneCount(1), 1);
    }

    // Installing: nothing to install from is error 1 and leaves nothing
    // behind; the pngquant on PATH is copied whole and executable; an
    // installed quantiser that lost its execute bit gets it back.
    void quantiserInstall()
    {
        const QString installed = LWTextureCompess::quantiserPath();
        const QString source = path("install");
        QCOMPARE(writeFrames(source, "f", 1, 32).size(), 1);

        const QByteArray pathVariable = qgetenv("PATH");
        QTemporaryDir emptyBin;
        qputenv("PATH", emptyBin.path().toLocal8Bit());
        const Report missing = compress(source, source + "_a", 2);
        qputenv("PATH", pathVariable);
        QCOMPARE(missing.errors, QList<int>{1});
        QVERIFY(!QFileInfo::exists(installed));
        QCOMPARE(QDir(QFileInfo(installed).absolutePath()).entryList({"*.part"}, QDir::Files), QStringList());

        QVERIFY(LWTextureCompess::installQuantiser());
        QVERIFY(QFileInfo(installed).isExecutable());
        QCOMPARE(bytesOf(installed), bytesOf(QStandardPaths::findExecutable("pngquant")));

        QVERIFY(QFile::setPermissions(installed, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        const Report healed = compress(source, source + "_b", 2);
        QCOMPARE(healed.errors, QList<int>());
        QCOMPARE(healed.completed, QStringList{"res"});
        QVERIFY(QFileInfo(installed).isExecutable());
    }

    // On its own thread the worker reports through queued signals, and the
    // worker and its thread go away after a completion and after an error.
    void threadEndsAndCleansUp_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("completes");
        QTest::newRow("completes") << 2 << true;
        QTest::newRow("fails") << 4 << false;
    }
    void threadEndsAndCleansUp()
    {
        QFETCH(int, level);
        QFETCH(bool, completes);
        const QString source = path(QStringLiteral("thread%1").arg(level));
        QCOMPARE(writeFrames(source, "f", 2, 32).size(), 2);

        LWTextureCompess *worker = LWTextureCompess::prepare(source, source + "_out", level, "seq");
        QPointer<QThread> thread = worker->thread();
        QVERIFY(thread != QThread::currentThread());
        auto workerGone = std::make_shared<std::atomic<bool>>(false);
        connect(worker, &QObject::destroyed, this, [workerGone] { *workerGone = true; }, Qt::DirectConnection);
        QList<QThread *> receivedOn;
        QStringList completed;
        QList<int> errors;
        connect(worker, qOverload<float, QString>(&LWTextureCompess::progress), this,
                [&](float, QString) { receivedOn << QThread::currentThread(); });
        connect(worker, &LWTextureCompess::complete, this, [&](QString id) { completed << id; });
        connect(worker, qOverload<int, QString>(&LWTextureCompess::compressError), this,
                [&](int e, QString) { errors << e; });
        worker->start();

        QTRY_VERIFY_WITH_TIMEOUT(thread.isNull(), 20000);
        QTRY_VERIFY(workerGone->load());
        QCOMPARE(LWTextureCompess::runningCount(), 0);
        QCOMPARE(completed, completes ? QStringList{"seq"} : QStringList());
        QCOMPARE(errors, completes ? QList<int>() : QList<int>{7});
        QVERIFY(!receivedOn.isEmpty());
        for (QThread *on : receivedOn)
            QCOMPARE(on, QThread::currentThread());
    }

    // The program ending stops a running compression at once: the hanging
    // quantiser is killed, nothing more is reported, the thread is gone.
    void stopAllEndsRunningCompressions()
    {
        const QString source = path("stopped");
        QCOMPARE(writeFrames(source, "f", 3, 32).size(), 3);
        QVERIFY(installStandIn("exec sleep 30"));
        LWTextureCompess *worker = LWTextureCompess::prepare(source, source + "_out", 2, "seq");
        QPointer<QThread> thread = worker->thread();
        int reports = 0;
        connect(worker, &LWTextureCompess::finished, this, [&] { ++reports; });
        connect(worker, qOverload<int>(&LWTextureCompess::compressError), this, [&](int) { ++reports; });
        worker->start();
        QTRY_COMPARE(LWTextureCompess::runningCount(), 1);
        QTest::qWait(300);

        QElapsedTimer clock;
        clock.start();
        LWTextureCompess::stopAll();
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QTRY_VERIFY(thread.isNull());
        QCOMPARE(reports, 0);
        QCOMPARE(LWTextureCompess::runningCount(), 0);
    }
};

LW_TEST_MAIN(TstCompress)
#include "tst_compress.moc"
