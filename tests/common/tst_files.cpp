#include "LWTestMain.h"
#include "common/LWDataPaths.h"
#include "common/LWFolderUtil.h"
#include "common/LWJsonFile.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {
void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
QByteArray readRaw(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TstFiles : public QObject
{
    Q_OBJECT
private slots:
    void unreadableDocumentsReadEmpty_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x89PNG\r\n\x1a\n garbage");
        QTest::newRow("truncated") << QByteArray("{\"name\": \"LW\", \"effect\": {");
        QTest::newRow("array") << QByteArray("[1, 2, 3]");
        QTest::newRow("string") << QByteArray("\"text\"");
    }
    void unreadableDocumentsReadEmpty()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath("doc.json");
        writeRaw(path, content);
        QVERIFY(LWJsonFile::read(path).isEmpty());
        QVERIFY(LWJsonFile::read(dir.filePath("missing.json")).isEmpty());
    }

    void writeRoundTripsIndentedUtf8()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("effect.json");
        QJsonObject object{{"name", QString::fromUtf8("猫耳")}, {"Link", QJsonArray{1, 2}}};
        QVERIFY(LWJsonFile::write(path, object));
        QCOMPARE(LWJsonFile::read(path), object);
        const QByteArray bytes = readRaw(path);
        QVERIFY(bytes.contains("\n    \"name\": \"" + QString::fromUtf8("猫耳").toUtf8() + "\""));
        // Nothing of the atomic write is left next to the document.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"effect.json"});
    }

    void writeReplacesReadOnlyFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("content.json");
        writeRaw(path, "{\"old\": true}");
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser);
        QVERIFY(LWJsonFile::write(path, QJsonObject{{"new", true}}));
        QCOMPARE(LWJsonFile::read(path), (QJsonObject{{"new", true}}));
    }

    void failedWriteKeepsOldDocument()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("locked");
        QDir().mkpath(folder);
        const QString path = folder + "/project.lwproj";
        writeRaw(path, "{\"name\": \"keep me\"}");
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFileInfo(folder).isWritable())
            QSKIP("running with rights that ignore folder permissions");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Can't open file for writing"));
        QVERIFY(!LWJsonFile::write(path, QJsonObject{{"name", "lost"}}));
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(LWJsonFile::read(path).value("name").toString(), QString("keep me"));
    }

    void writeToMissingFolderFails()
    {
        QTemporaryDir dir;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Can't open file for writing"));
        QVERIFY(!LWJsonFile::write(dir.filePath("no/such/folder/doc.json"), QJsonObject{{"a", 1}}));
    }

    void copyAndRemoveFolders()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath("src");
        QDir().mkpath(source + "/frames/sub");
        QDir().mkpath(source + "/empty");
        writeRaw(source + "/a.json", "{}");
        writeRaw(source + "/frames/000.png", "png0");
        writeRaw(source + "/frames/sub/001.png", "png1");
        const QString target = dir.filePath("dst/deeper");
        writeRaw(dir.filePath("stale"), "");
        QVERIFY(LWFolderUtil::copyFolder(source, target));
        QCOMPARE(readRaw(target + "/frames/sub/001.png"), QByteArray("png1"));
        QVERIFY(QFileInfo(target + "/empty").isDir());

        // Copying again replaces what is there.
        writeRaw(source + "/a.json", "{\"v\": 2}");
        QVERIFY(LWFolderUtil::copyFolder(source, target));
        QCOMPARE(readRaw(target + "/a.json"), QByteArray("{\"v\": 2}"));

        QVERIFY(LWFolderUtil::removeFolder(target));
        QVERIFY(!QFileInfo::exists(target));
        QVERIFY(LWFolderUtil::removeFolder(target)); // already gone counts as removed
        QVERIFY(!LWFolderUtil::removeFolder(QString()));
    }

    void copyRefusesOwnSubfolderAndMissingSource()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath("src");
        QDir().mkpath(source);
        writeRaw(source + "/a.txt", "a");
        QVERIFY(!LWFolderUtil::copyFolder(source, source + "/inner"));
        QVERIFY(!LWFolderUtil::copyFolder(dir.filePath("missing"), dir.filePath("out")));
    }

    void scratchNames()
    {
        const QRegularExpression shape("^[0-9a-f]{32}$");
        const QString a = LWFolderUtil::newScratchName();
        const QString b = LWFolderUtil::newScratchName();
        QVERIFY2(shape.match(a).hasMatch(), qPrintable(a));
        QVERIFY(a != b);
        const QString folder = LWFolderUtil::makeScratchFolder(LWDataPaths::subFolder("tmpSync"));
        QVERIFY(QFileInfo(folder).isDir());
        QVERIFY(folder.startsWith(LWTest::homeFolder() + "/Lumeworks/tmpSync/"));
    }
};

LW_TEST_MAIN(TstFiles)
#include "tst_files.moc"
