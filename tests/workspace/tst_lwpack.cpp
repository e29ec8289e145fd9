#include "LWOversizedImages.h"
#include "LWTestMain.h"
#include "common/LWJsonFile.h"
#include "package/LWPackageCheck.h"
#include "package/LWZipUtil.h"

#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run lwpack(const QStringList &args)
{
    QProcess process;
    process.start(LW_LWPACK, args);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// A small clean package: one sticker folder with a content file and a PNG.
void makePackage(const QString &folder)
{
    QDir().mkpath(folder + "/2DSticker/ears");
    LWJsonFile::write(folder + "/config.json",
                      {{"name", "LW_x"}, {"version", "2.7.0"},
                       {"effect", QJsonObject{{"Link", QJsonArray{QJsonObject{{"type", "2DSticker"}, {"zorder", 1}, {"path", "2DSticker/"}}}}}}});
    LWJsonFile::write(folder + "/2DSticker/content.json", {{"tag", "t"}, {"content", QJsonObject{{"path", "sticker.json"}}}});
    QImage frame(8, 8, QImage::Format_ARGB32);
    frame.fill(Qt::red);
    QVERIFY(frame.save(folder + "/2DSticker/ears/ears_000.png"));
}

// A PNG whose header says 16 bits per channel.
void writeSixteenBitPng(const QString &path)
{
    QImage image(4, 4, QImage::Format_RGBA64);
    image.fill(Qt::blue);
    QVERIFY(image.save(path));
    QCOMPARE(LWPackageCheck::pngBitDepth(path), 16);
}

} // namespace

class TstLwpack : public QObject
{
    Q_OBJECT
private slots:
    void helpAndUsage()
    {
        const Run help = lwpack({"--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains("export PROJECT.lwproj OUT.zip"));
        QCOMPARE(lwpack({}).exitCode, 64);
        QCOMPARE(lwpack({"export", "only-one"}).exitCode, 64);
    }

    void checkFindsProblems_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("clean") << "" << 0 << "ok";
        QTest::newRow("missing folder") << "missing" << 1 << "folder 2DSticker is missing";
        QTest::newRow("missing content") << "nocontent" << 1 << "2DSticker/content.json is missing";
        QTest::newRow("16-bit PNG") << "deep" << 1 << "16-bit PNG";
        QTest::newRow("broken PNG") << "brokenpng" << 1 << "not a readable PNG";
        QTest::newRow("oversized texture") << "huge" << 1 << "2DSticker/ears/ears_001.png: 30000 x 30000 pixels";
        QTest::newRow("too big") << "big" << 1 << "over the 5 MB publishing limit (2DSticker";
        QTest::newRow("outside link") << "outside" << 1 << "is not inside the package";
        QTest::newRow("no config") << "noconfig" << 2 << "not an effect package";
    }
    void checkFindsProblems()
    {
        QFETCH(QString, damage);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString package = dir.filePath("pkg");
        makePackage(package);
        if (damage == "missing")
            QDir(package + "/2DSticker").removeRecursively();
        else if (damage == "nocontent")
            QFile::remove(package + "/2DSticker/content.json");
        else if (damage == "deep")
            writeSixteenBitPng(package + "/2DSticker/ears/ears_001.png");
        else if (damage == "huge")
            QVERIFY(LWOversizedImages::write(package + "/2DSticker/ears/ears_001.png", LWOversizedImages::png(30000, 30000)));
        else if (damage == "brokenpng") {
            QFile f(package + "/2DSticker/ears/ears_001.png");
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("GIF89a not a png");
        } else if (damage == "big") {
            QFile f(package + "/2DSticker/noise.bin");
            QVERIFY(f.open(QIODevice::WriteOnly));
            QByteArray noise(6 * 1024 * 1024, Qt::Uninitialized);
            for (char &c : noise)
                c = char(QRandomGenerator::global()->bounded(256));
            f.write(noise);
        } else if (damage == "outside") {
            LWJsonFile::write(package + "/config.json",
                              {{"effect", QJsonObject{{"Link", QJsonArray{QJsonObject{{"type", "2DSticker"}, {"path", "../"}}}}}}});
        } else if (damage == "noconfig")
            QFile::remove(package + "/config.json");

        // The folder and its zip give the same verdict.
        const Run folder = lwpack({"check", package});
        QCOMPARE(folder.exitCode, exitCode);
        QVERIFY2(folder.out.contains(message), qPrintable(folder.out));
        QVERIFY(LWZipUtil::zipFolder(package, dir.filePath("pkg.zip")));
        const Run zip = lwpack({"check", dir.filePath("pkg.zip")});
        QCOMPARE(zip.exitCode, exitCode);
        QVERIFY2(zip.out.contains(message), qPrintable(zip.out));
    }

    void checkRefusesDamagedArchives()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath("bad.zip"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("PK\x03\x04 truncated");
        f.close();
        QCOMPARE(lwpack({"check", dir.filePath("bad.zip")}).exitCode, 2);
        QCOMPARE(lwpack({"check", dir.filePath("absent.zip")}).exitCode, 2);
    }

    void importMakesSavedProject()
    {
        QTemporaryDir dir;
        makePackage(dir.filePath("pkg"));
        QVERIFY(LWZipUtil::zipFolder(dir.filePath("pkg"), dir.filePath("pkg.zip")));
        const Run run = lwpack({"import", dir.filePath("pkg.zip"), dir.filePath("Fox")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(QFile::exists(dir.filePath("Fox/Fox.lwproj")));
        QVERIFY(QFile::exists(dir.filePath("Fox/effect/effect.json")));
        QVERIFY(run.err.contains("saved"));

        // Never into a folder that already holds something.
        QCOMPARE(lwpack({"import", dir.filePath("pkg.zip"), dir.filePath("Fox")}).exitCode, 2);

        // And the new project exports again.
        const Run exported = lwpack({"export", dir.filePath("Fox/Fox.lwproj"), dir.filePath("again")});
        QCOMPARE(exported.exitCode, 0);
        QVERIFY(QFile::exists(dir.filePath("again.zip")));
        QCOMPARE(lwpack({"export", dir.filePath("pkg.zip"), dir.filePath("x.zip")}).exitCode, 2);
    }

    // Every shipped template is clean, and stays clean through a project
    // made from it on the command line and exported again.
    void templatesStayClean_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"temp2DSticker1", "temp2DSticker2", "temp2DSticker3", "temp2DSticker4",
                                 "tempMakeup1", "tempMakeup2", "tempSegmentBody1", "tempFilter1"})
            QTest::newRow(name) << QString(name);
    }
    void templatesStayClean()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString shipped = dir.filePath(name + ".zip");
        QVERIFY(QFile::copy(":/LWHome/templates/" + name + ".zip", shipped));
        const Run original = lwpack({"check", shipped});
        QVERIFY2(original.exitCode == 0, qPrintable(original.out));
        const Run imported = lwpack({"import", shipped, dir.filePath("Project")});
        QVERIFY2(imported.exitCode == 0, qPrintable(imported.err));
        const Run exported = lwpack({"export", dir.filePath("Project/Project.lwproj"), dir.filePath("again.zip")});
        QVERIFY2(exported.exitCode == 0, qPrintable(exported.err));
        const Run checked = lwpack({"check", dir.filePath("again.zip")});
        QVERIFY2(checked.exitCode == 0, qPrintable(checked.out));
        QVERIFY(checked.out.contains("ok"));
    }
};

LW_TEST_MAIN(TstLwpack)
#include "tst_lwpack.moc"
