#include "LWTestMain.h"
#include "package/LWZipUtil.h"

#include <QDirIterator>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCodec>

#include <minizip/zip.h>
#include <zlib.h>

namespace {

using Tree = QMap<QString, QByteArray>;

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QByteArray readRaw(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Everything below folder: "name/" for folders, "name" -> content for files,
// "<link>" for links (which are listed, never followed).
Tree snapshot(const QString &folder)
{
    Tree tree;
    const QDir root(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString name = root.relativeFilePath(info.filePath());
        if (info.isSymLink())
            tree.insert(name, "<link>");
        else if (info.isDir())
            tree.insert(name + "/", QByteArray());
        else
            tree.insert(name, readRaw(info.filePath()));
    }
    return tree;
}

QByteArray randomBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(QRandomGenerator::global()->bounded(256));
    return bytes;
}

// A package-like tree: nested, empty and non-ASCII folders, a file larger
// than the blocks either way, an empty and a hidden file.
Tree makeSampleTree(const QString &folder)
{
    const Tree files{
        {"config.json", "{\"Link\": []}"},
        {"2DSticker/frames/000.png", randomBytes(300 * 1024)},
        {"2DSticker/empty.txt", QByteArray()},
        {"2DSticker/.hidden", "h"},
        {QString::fromUtf8("猫耳/贴纸 01.png"), "cat"},
    };
    for (auto it = files.begin(); it != files.end(); ++it)
        writeRaw(folder + "/" + it.key(), it.value());
    QDir().mkpath(folder + QString::fromUtf8("/Ünïcødé"));
    QDir().mkpath(folder + "/empty/deeper");
    return snapshot(folder);
}

// One entry of an archive crafted directly with minizip.
struct Item
{
    enum Kind { Plain, Unflagged, Symlink, Encrypted, DeclaresHugeSize };
    QByteArray name;
    QByteArray content;
    Kind kind = Plain;
};

bool addItem(zipFile zip, const Item &item)
{
    zip_fileinfo info{};
    uLong madeBy = 0;
    uLong flags = 0x800;
    const char *password = nullptr;
    const uLong crc = crc32(0, reinterpret_cast<const Bytef *>(item.content.constData()), uInt(item.content.size()));
    if (item.kind == Item::Unflagged)
        flags = 0;
    if (item.kind == Item::Symlink) {
        madeBy = (3 << 8) | 30; // Unix
        info.external_fa = uLong(0120777) << 16;
    }
    if (item.kind == Item::Encrypted)
        password = "secret";
    // Raw mode stores the bytes as they are and lets the size be declared.
    const int raw = item.kind == Item::DeclaresHugeSize ? 1 : 0;
    if (zipOpenNewFileInZip4(zip, item.name.constData(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                             Z_DEFAULT_COMPRESSION, raw, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, password,
                             crc, madeBy, flags)
        != ZIP_OK)
        return false;
    if (!item.content.isEmpty()
        && zipWriteInFileInZip(zip, item.content.constData(), unsigned(item.content.size())) != ZIP_OK)
        return false;
    if (raw)
        return zipCloseFileInZipRaw64(zip, ZPOS64_T(1) << 30, crc) == ZIP_OK;
    return zipCloseFileInZip(zip) == ZIP_OK;
}

bool craftZip(const QString &path, const QList<Item> &items)
{
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    bool ok = true;
    for (const Item &item : items)
        ok = addItem(zip, item) && ok;
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}

QByteArray craftedBytes(const QList<Item> &items)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("crafted.zip");
    return craftZip(path, items) ? readRaw(path) : QByteArray();
}

// The archive as stored: central directory records and the local headers
// they point at.
struct RawEntry
{
    QByteArray name;
    QByteArray localName;
    quint16 flag = 0, localFlag = 0, method = 0, madeBy = 0;
    quint16 time = 0, date = 0, localTime = 0, localDate = 0;
    quint32 attributes = 0;
};

quint16 le16(const QByteArray &bytes, int at)
{
    return quint16(uchar(bytes.at(at)) | uchar(bytes.at(at + 1)) << 8);
}

quint32 le32(const QByteArray &bytes, int at)
{
    return quint32(le16(bytes, at)) | quint32(le16(bytes, at + 2)) << 16;
}

QList<RawEntry> rawEntries(const QByteArray &zip)
{
    QList<RawEntry> entries;
    const int end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0)
        return entries;
    int at = int(le32(zip, end + 16));
    for (int i = le16(zip, end + 10); i > 0 && le32(zip, at) == 0x02014b50; --i) {
        RawEntry entry;
        entry.madeBy = le16(zip, at + 4);
        entry.flag = le16(zip, at + 8);
        entry.method = le16(zip, at + 10);
        entry.time = le16(zip, at + 12);
        entry.date = le16(zip, at + 14);
        entry.attributes = le32(zip, at + 38);
        const int nameSize = le16(zip, at + 28);
        entry.name = zip.mid(at + 46, nameSize);
        const int local = int(le32(zip, at + 42));
        entry.localFlag = le16(zip, local + 6);
        entry.localTime = le16(zip, local + 10);
        entry.localDate = le16(zip, local + 12);
        entry.localName = zip.mid(local + 30, le16(zip, local + 26));
        entries.append(entry);
        at += 46 + nameSize + le16(zip, at + 30) + le16(zip, at + 32);
    }
    return entries;
}

QStringList entryNames(const QString &zipPath)
{
    QStringList names;
    for (const RawEntry &entry : rawEntries(readRaw(zipPath)))
        names.append(QString::fromUtf8(entry.name));
    return names;
}

struct PlainEntry
{
    QByteArray name; // ending in "/" for a folder
    QByteArray content;
    int level = Z_DEFAULT_COMPRESSION;
};

// An export time that fits a zip date (even seconds).
const QDateTime kStamp(QDate(2026, 12, 10), QTime(17, 42, 36));

// The archive minizip makes when it deflates every file itself, in the
// given order, with the entry rules of the program's archives: the bytes
// zipFolder must produce.
QByteArray inPlaceArchive(const QString &path, const QList<PlainEntry> &entries)
{
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return QByteArray();
    for (const auto &entry : entries) {
        zip_fileinfo info{};
        info.tmz_date.tm_year = uInt(kStamp.date().year());
        info.tmz_date.tm_mon = uInt(kStamp.date().month() - 1);
        info.tmz_date.tm_mday = uInt(kStamp.date().day());
        info.tmz_date.tm_hour = uInt(kStamp.time().hour());
        info.tmz_date.tm_min = uInt(kStamp.time().minute());
        info.tmz_date.tm_sec = uInt(kStamp.time().second());
        info.external_fa = entry.name.endsWith('/') ? (040755u << 16) | 0x10 : 0100644u << 16;
        zipOpenNewFileInZip4_64(zip, entry.name.constData(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                entry.level, 0, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr, 0,
                                (3 << 8) | 20, 0x800, 0);
        for (int at = 0; at < entry.content.size(); at += 102400) {
            const QByteArray block = entry.content.mid(at, 102400);
            zipWriteInFileInZip(zip, block.constData(), unsigned(block.size()));
        }
        zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
    return readRaw(path);
}

// Every path under outer is the archive or lies in the target folder.
QStringList escapedPaths(const QString &outer)
{
    QStringList escaped;
    for (const QString &name : snapshot(outer).keys()) {
        if (name != "evil.zip" && name != "target/" && !name.startsWith("target/"))
            escaped.append(name);
    }
    return escaped;
}

class LocaleCodecOverride
{
public:
    explicit LocaleCodecOverride(const char *name) : m_previous(QTextCodec::codecForLocale())
    {
        QTextCodec::setCodecForLocale(QTextCodec::codecForName(name));
    }
    ~LocaleCodecOverride() { QTextCodec::setCodecForLocale(m_previous); }

private:
    QTextCodec *m_previous;
};

} // namespace

Q_DECLARE_METATYPE(Item::Kind)
Q_DECLARE_METATYPE(Item)

class TstZip : public QObject
{
    Q_OBJECT
private slots:
    void roundTripKeepsTree()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath("source");
        const Tree tree = makeSampleTree(source);
        const QString zipPath = dir.filePath("lw.zip");
        QVERIFY(LWZipUtil::zipFolder(source, zipPath));

        // The target is replaced, not merged into.
        const QString target = dir.filePath("unpacked/here");
        writeRaw(target + "/stale.txt", "old");
        QVERIFY(LWZipUtil::unzip(zipPath, target));
        QCOMPARE(snapshot(target), tree);
    }

    // Small files are deflated ahead on other threads, a large one is
    // streamed: the archive is still byte for byte what minizip makes when
    // it deflates every file itself in walking order (its text hints too). Pictures that are compressed already
    // are not deflated again (level 0), whichever way they go.
    void deflatingAheadKeepsTheBytes()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath("source");
        QList<PlainEntry> entries;
        for (int i = 0; i < 24; ++i) {
            QByteArray content;
            if (i % 4 == 0)
                content = randomBytes(1000 + i * 9000);
            else if (i % 4 == 1)
                content = QByteArray("frame ").repeated(i * 4000);
            else if (i % 4 == 2)
                content = randomBytes(i).repeated(i * 500); // long matches across blocks
            entries.append({QStringLiteral("f%1.bin").arg(i, 2, 10, QLatin1Char('0')).toUtf8(), content});
        }
        const QByteArray png("\x89PNG\r\n\x1a\n", 8);
        entries.append({"frame.png", png + randomBytes(200000), 0});
        entries.append({"photo.jpg", QByteArray("\xff\xd8\xff\xe0", 4) + randomBytes(5000), 0});
        entries.append({"png.txt", QByteArray("not a \x89PNG\r\n\x1a\n").repeated(300)});
        entries.append({"sub/", QByteArray()});
        const int large = int(LWZipUtil::kDeflateAheadBytes) + 1;
        entries.append({"sub/large.bin", QByteArray("0123456789abcdef").repeated(large / 16 + 1)});
        entries.append({"sub/large.png", png + QByteArray(large, 'p'), 0});
        for (const PlainEntry &entry : entries) {
            if (!entry.name.endsWith('/'))
                writeRaw(source + "/" + QString::fromUtf8(entry.name), entry.content);
        }
        const QString zipPath = dir.filePath("lw.zip");
        LWZipUtil::ZipOptions options;
        options.modified = kStamp;
        QVERIFY(LWZipUtil::zipFolder(source, zipPath, options));
        const QByteArray expected = inPlaceArchive(dir.filePath("reference.zip"), entries);
        QVERIFY(!expected.isEmpty());
        QVERIFY(readRaw(zipPath) == expected);
        QVERIFY(LWZipUtil::unzip(zipPath, dir.filePath("target")));
        QCOMPARE(snapshot(dir.filePath("target")), snapshot(source));
    }

    // Files that were never copied into the folder (an export's frames) are
    // read from where they are, and the archive is byte for byte the one of
    // a folder they had been copied into, with the folders they need.
    void filesFromElsewhereKeepTheBytes()
    {
        QTemporaryDir dir;
        const QString copied = dir.filePath("copied");
        const QString staged = dir.filePath("staged");
        const QString art = dir.filePath("art");
        const QByteArray png("\x89PNG\r\n\x1a\n", 8);
        writeRaw(copied + "/config.json", "{\"a\": 1}");
        writeRaw(staged + "/config.json", "{\"a\": 1}");
        writeRaw(copied + "/2DSticker/content.json", "{}");
        writeRaw(staged + "/2DSticker/content.json", "{}");
        // A document that a bulky file replaces: the bulky file wins.
        writeRaw(staged + "/2DSticker/b_000.png", "stale");
        LWZipUtil::ZipOptions options;
        options.modified = kStamp;
        const QStringList frames{"2DSticker/a/f_001.png", "2DSticker/a/f_000.png", "2DSticker/b_000.png",
                                 "2DSticker/A.png", "bgm/music.mp3", "2DSticker/content.jsoo"};
        for (int i = 0; i < frames.size(); ++i) {
            const QByteArray bytes = (i % 2 ? png : QByteArray()) + randomBytes(3000 + i * 7000);
            writeRaw(art + QString("/%1.bin").arg(i), bytes);
            writeRaw(copied + "/" + frames.at(i), bytes);
            options.filesElsewhere.append({art + QString("/%1.bin").arg(i), staged + "/" + frames.at(i)});
        }
        LWZipUtil::ZipOptions inPlace;
        inPlace.modified = kStamp;
        QVERIFY(LWZipUtil::zipFolder(copied, dir.filePath("copied.zip"), inPlace));
        options.filesElsewhere.append(options.filesElsewhere.first()); // copied twice
        QVERIFY(LWZipUtil::zipFolder(staged, dir.filePath("staged.zip"), options));
        QCOMPARE(entryNames(dir.filePath("staged.zip")), entryNames(dir.filePath("copied.zip")));
        QVERIFY(readRaw(dir.filePath("staged.zip")) == readRaw(dir.filePath("copied.zip")));
    }

    void archiveLayout()
    {
        QTemporaryDir dir;
        makeSampleTree(dir.filePath("source"));
        const QString zipPath = dir.filePath("lw.zip");
        LWZipUtil::ZipOptions options;
        options.modified = kStamp;
        QVERIFY(LWZipUtil::zipFolder(dir.filePath("source"), zipPath, options));

        const QList<RawEntry> entries = rawEntries(readRaw(zipPath));
        QStringList names;
        for (const RawEntry &entry : entries) {
            const QString name = QString::fromUtf8(entry.name);
            names.append(name);
            QCOMPARE(entry.localName, entry.name);
            QVERIFY2(entry.flag & 0x800 && entry.localFlag & 0x800, qPrintable(name));
            QCOMPARE(entry.method, quint16(Z_DEFLATED));
            // The export time as an MS-DOS date and time, in both headers.
            QCOMPARE(entry.date, quint16((2026 - 1980) << 9 | 12 << 5 | 10));
            QCOMPARE(entry.time, quint16(17 << 11 | 42 << 5 | 36 / 2));
            QCOMPARE(entry.localDate, entry.date);
            QCOMPARE(entry.localTime, entry.time);
            // Made on Unix (zip 2.0), with permissions any reader can apply.
            QCOMPARE(entry.madeBy, quint16(3 << 8 | 20));
            QCOMPARE(entry.attributes >> 16, name.endsWith('/') ? 040755u : 0100644u);
        }
        names.sort();
        const QStringList expected{
            "2DSticker/", "2DSticker/.hidden", "2DSticker/empty.txt", "2DSticker/frames/",
            "2DSticker/frames/000.png", "config.json", "empty/", "empty/deeper/",
            QString::fromUtf8("Ünïcødé/"), QString::fromUtf8("猫耳/"), QString::fromUtf8("猫耳/贴纸 01.png")};
        QStringList sortedExpected = expected;
        sortedExpected.sort();
        QCOMPARE(names, sortedExpected);

        // Same folder and time, same bytes: nothing else time-dependent is
        // stored (the files' own dates are not).
        QTest::qWait(2100);
        writeRaw(dir.filePath("source/config.json"), readRaw(dir.filePath("source/config.json")));
        const QString again = dir.filePath("again.zip");
        QVERIFY(LWZipUtil::zipFolder(dir.filePath("source"), again, options));
        QCOMPARE(readRaw(again), readRaw(zipPath));

        // Without a time given, an entry carries the time it is written.
        const QDateTime before = QDateTime::currentDateTime().addSecs(-2);
        const QString now = dir.filePath("now.zip");
        QVERIFY(LWZipUtil::zipFolder(dir.filePath("source"), now));
        const RawEntry first = rawEntries(readRaw(now)).value(0);
        const QDateTime stored(QDate(1980 + (first.date >> 9), first.date >> 5 & 15, first.date & 31),
                               QTime(first.time >> 11, first.time >> 5 & 63, (first.time & 31) * 2));
        QVERIFY2(stored >= before && stored <= QDateTime::currentDateTime().addSecs(2), qPrintable(stored.toString()));
    }

    void namesDecodeByTheirFlag()
    {
        QTemporaryDir dir;
        const QString zipPath = dir.filePath("names.zip");
        QVERIFY(craftZip(zipPath, {{"caf\xe9.txt", "latin", Item::Unflagged},
                                   {"\xc3\xa9t\xc3\xa9.txt", "utf8", Item::Plain}}));
        const QString target = dir.filePath("target");
        const LocaleCodecOverride latin1("ISO-8859-1");
        const bool unpacked = LWZipUtil::unzip(zipPath, target);
        const Tree tree = snapshot(target);
        // Only the codec that named the files can remove them.
        QDir(target).removeRecursively();
        QVERIFY(unpacked);
        const Tree expected{{QString::fromUtf8("café.txt"), "latin"}, {QString::fromUtf8("été.txt"), "utf8"}};
        QCOMPARE(tree, expected);
    }

    void macMetadataIsSkipped()
    {
        QTemporaryDir dir;
        const QString zipPath = dir.filePath("mac.zip");
        QVERIFY(craftZip(zipPath, {{"__MACOSX/", ""},
                                   {"__MACOSX/._config.json", "resource fork"},
                                   {"config.json", "{}"},
                                   {"frames/__MACOSX/._000.png", "fork"},
                                   {"frames/._000.png", "kept"}}));
        QVERIFY(LWZipUtil::unzip(zipPath, dir.filePath("target")));
        const Tree expected{{"config.json", "{}"}, {"frames/", ""}, {"frames/._000.png", "kept"}};
        QCOMPARE(snapshot(dir.filePath("target")), expected);
    }

    void longestFolderNameRoundTrips()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath("source");
        // 200 + 1 + 200 + 1 + 108 + 1: the trailing "/" counts.
        const QString longest = QString(200, 'a') + "/" + QString(200, 'b') + "/" + QString(108, 'c');
        QVERIFY(QDir().mkpath(source + "/" + longest));
        const QString zipPath = dir.filePath("long.zip");
        QVERIFY(LWZipUtil::zipFolder(source, zipPath));
        QVERIFY(entryNames(zipPath).contains(longest + "/"));
        QCOMPARE((longest + "/").toUtf8().size(), LWZipUtil::kMaxEntryNameBytes);

        QVERIFY(LWZipUtil::unzip(zipPath, dir.filePath("target")));
        QVERIFY(QFileInfo(dir.filePath("target/" + longest)).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"long.zip", "source", "target"}));

        // One byte more cannot be read back whole, so no archive is made.
        QVERIFY(QDir().mkpath(source + "/" + longest + "c"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("too long"));
        QVERIFY(!LWZipUtil::zipFolder(source, zipPath));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }

    void maliciousNamesStayInsideTarget_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<Item::Kind>("kind");
        QTest::addColumn<QStringList>("alsoInside");
        // {outer} is the folder holding the target, {outer\} the same with
        // backslashes.
        QTest::newRow("parent") << QByteArray("../evil.txt") << Item::Plain << QStringList();
        QTest::newRow("parent folder entry") << QByteArray("../evil/") << Item::Plain << QStringList();
        QTest::newRow("bare parent") << QByteArray("..") << Item::Plain << QStringList();
        QTest::newRow("absolute") << QByteArray("{outer}/abs.txt") << Item::Plain << QStringList();
        QTest::newRow("climbs out of a folder") << QByteArray("a/../../evil.txt") << Item::Plain << QStringList();
        QTest::newRow("parent that stays inside") << QByteArray("a/../evil.txt") << Item::Plain << QStringList();
        QTest::newRow("drive letter") << QByteArray("C:/x") << Item::Plain << QStringList();
        QTest::newRow("drive relative") << QByteArray("C:x") << Item::Plain << QStringList();
        QTest::newRow("backslash parent") << QByteArray("..\\evil.txt") << Item::Plain << QStringList();
        QTest::newRow("backslash climb") << QByteArray("a\\..\\..\\evil.txt") << Item::Plain << QStringList();
        QTest::newRow("backslash absolute") << QByteArray("{outer\\}\\abs.txt") << Item::Plain << QStringList();
        QTest::newRow("unflagged parent") << QByteArray("../evil.txt") << Item::Unflagged << QStringList();
        // The link is refused; what is written "through" it is an ordinary
        // folder inside the target.
        QTest::newRow("write through a link") << QByteArray("link") << Item::Symlink
                                              << QStringList{"link/", "link/evil.txt"};
    }
    void maliciousNamesStayInsideTarget()
    {
        QFETCH(QByteArray, name);
        QFETCH(Item::Kind, kind);
        QFETCH(QStringList, alsoInside);
        QTemporaryDir dir;
        const QString outer = dir.path();
        name.replace("{outer}", QFile::encodeName(outer));
        name.replace("{outer\\}", QFile::encodeName(outer).replace('/', '\\'));
        QList<Item> items{{"good.txt", "good"}, {name, "evil", kind}};
        if (kind == Item::Symlink) {
            items.last().content = QFile::encodeName(outer);
            items.append(Item{name + "/evil.txt", "evil"});
        }
        items.append(Item{"after.txt", "after"});
        const QString zipPath = outer + "/evil.zip";
        QVERIFY(craftZip(zipPath, items));

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^refused zip entry"));
        QVERIFY(!LWZipUtil::unzip(zipPath, outer + "/target"));
        QCOMPARE(escapedPaths(outer), QStringList());
        QStringList inside = QStringList{"after.txt", "good.txt"} + alsoInside;
        inside.sort();
        QCOMPARE(snapshot(outer + "/target").keys(), inside);
        QCOMPARE(readRaw(outer + "/target/good.txt"), QByteArray("good"));
        QCOMPARE(readRaw(outer + "/target/after.txt"), QByteArray("after"));
    }

    void refusedEntries_data()
    {
        QTest::addColumn<Item>("bad");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("goesOn");
        QTest::newRow("link") << Item{"link", "/etc/passwd", Item::Symlink} << QString("links") << true;
        QTest::newRow("encrypted") << Item{"secret.txt", "hidden", Item::Encrypted} << QString("encrypted") << true;
        QTest::newRow("name over 511 bytes")
            << Item{QByteArray(300, 'd') + "/" + QByteArray(299, 'e'), "long"} << QString("511 bytes") << true;
        // A bomb is refused from its stored size, before anything is
        // written, and nothing after it is read.
        QTest::newRow("declares 1 GiB") << Item{"zeros.bin", QByteArray("\x03\x00", 2), Item::DeclaresHugeSize}
                                        << QString("size limit") << false;
    }
    void refusedEntries()
    {
        QFETCH(Item, bad);
        QFETCH(QString, reason);
        QFETCH(bool, goesOn);
        QTemporaryDir dir;
        const QString zipPath = dir.filePath("bad.zip");
        QVERIFY(craftZip(zipPath, {{"good.txt", "good"}, bad, {"after.txt", "after"}}));

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^refused zip entry.*" + reason));
        QVERIFY(!LWZipUtil::unzip(zipPath, dir.filePath("target")));
        Tree expected{{"good.txt", "good"}};
        if (goesOn)
            expected.insert("after.txt", "after");
        QCOMPARE(snapshot(dir.filePath("target")), expected);
    }

    void expansionLimitCountsWholeArchive()
    {
        QTemporaryDir dir;
        const QString zipPath = dir.filePath("bomb.zip");
        const QByteArray zeros(2 * 1024 * 1024, '\0');
        QVERIFY(craftZip(zipPath, {{"a.bin", zeros}, {"b.bin", zeros}, {"c.bin", zeros}, {"d.txt", "d"}}));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^refused zip entry \"c.bin\".*size limit"));
        QVERIFY(!LWZipUtil::unzip(zipPath, dir.filePath("target"), 5 * 1024 * 1024));
        const Tree expected{{"a.bin", zeros}, {"b.bin", zeros}};
        QCOMPARE(snapshot(dir.filePath("target")), expected);

        QVERIFY(LWZipUtil::unzip(zipPath, dir.filePath("target")));
        QCOMPARE(snapshot(dir.filePath("target")).size(), 4);
    }

    void unusableArchivesFail_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("message");
        const QByteArray valid = craftedBytes({{"config.json", "{}"}, {"data.bin", randomBytes(64 * 1024)}});
        QVERIFY(!valid.isEmpty());
        QByteArray damaged = valid;
        for (int i = 0; i < 64; ++i)
            damaged[300 + i] = char(~damaged.at(300 + i)); // inside the compressed data of data.bin
        QTest::newRow("missing") << QByteArray() << false << QString("^zip file is not exist");
        QTest::newRow("not a zip") << QByteArray("just some text\n") << true << QString("^file use to unzip not found");
        QTest::newRow("empty file") << QByteArray() << true << QString("^file use to unzip not found");
        QTest::newRow("truncated") << valid.left(valid.size() / 2) << true << QString("^file use to unzip not found");
        QTest::newRow("damaged data") << damaged << true << QString("^error: ");
    }
    void unusableArchivesFail()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, exists);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString zipPath = dir.filePath("package.zip");
        if (exists)
            writeRaw(zipPath, bytes);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(message));
        QVERIFY(!LWZipUtil::unzip(zipPath, dir.filePath("target")));
        // A damaged file is not left to pass for the real one.
        QVERIFY(!QFileInfo::exists(dir.filePath("target/data.bin")));
    }

    void archiveInsideTargetIsKept()
    {
        QTemporaryDir dir;
        const QString zipPath = dir.filePath("target/inner/package.zip");
        QDir().mkpath(dir.filePath("target/inner"));
        QVERIFY(craftZip(zipPath, {{"a.txt", "a"}}));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("inside the folder it replaces"));
        QVERIFY(!LWZipUtil::unzip(zipPath, dir.filePath("target")));
        QVERIFY(QFileInfo::exists(zipPath));
    }

    void fileAndFolderOfTheSameName()
    {
        QTemporaryDir dir;
        const QString zipPath = dir.path() + "/evil.zip";
        QVERIFY(craftZip(zipPath, {{"x", "file"}, {"x/", ""}, {"x/y", "below"}, {"w/", ""}, {"w", "file"}}));
        QVERIFY(!LWZipUtil::unzip(zipPath, dir.filePath("target")));
        QCOMPARE(readRaw(dir.filePath("target/x")), QByteArray("file"));
        QVERIFY(!QFileInfo::exists(dir.filePath("target/w")));
        QCOMPARE(escapedPaths(dir.path()), QStringList());

        QVERIFY(craftZip(zipPath, {{"w/", ""}, {"w", "file"}}));
        QVERIFY(!LWZipUtil::unzip(zipPath, dir.filePath("target")));
        QVERIFY(QFileInfo(dir.filePath("target/w")).isDir());
    }

    void emptySourceFolder()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("source"));
        const QString zipPath = dir.filePath("empty.zip");
        QVERIFY(LWZipUtil::zipFolder(dir.filePath("source"), zipPath));
        QVERIFY(QFileInfo(zipPath).size() > 0);
        QCOMPARE(entryNames(zipPath), QStringList());
        QVERIFY(LWZipUtil::unzip(zipPath, dir.filePath("target")));
        QVERIFY(QFileInfo(dir.filePath("target")).isDir());
        QCOMPARE(snapshot(dir.filePath("target")), Tree());
    }

    // More entries than the end record counts: ours carry the zip64 end
    // records; minizip's own writer leaves them out and puts 0xffff there,
    // and such an archive is read to the end of its directory all the same.
    void entryCountPastThePlainFormat_data()
    {
        QTest::addColumn<bool>("ours");
        QTest::newRow("written here") << true;
        QTest::newRow("count cut by minizip") << false;
    }

    void entryCountPastThePlainFormat()
    {
        QFETCH(bool, ours);
        QTemporaryDir dir;
        const int count = 0xffff + 10;
        const auto nameOf = [](int i) { return QString("%1/%2.txt").arg(i / 1000, 2, 10, QLatin1Char('0')).arg(i); };
        const QString zipPath = dir.filePath("many.zip");
        if (ours) {
            const QString source = dir.filePath("source");
            for (int i = 0; i < count; ++i) {
                if (i % 1000 == 0)
                    QVERIFY(QDir().mkpath(source + "/" + nameOf(i).section('/', 0, 0)));
                writeRaw(source + "/" + nameOf(i), QByteArray::number(i));
            }
            QVERIFY(LWZipUtil::zipFolder(source, zipPath));
            QVERIFY(readRaw(zipPath).contains(QByteArray("PK\x06\x06", 4)));
        } else {
            zipFile zip = zipOpen64(QFile::encodeName(zipPath).constData(), APPEND_STATUS_CREATE);
            QVERIFY(zip);
            for (int i = 0; i < count; ++i) {
                const QByteArray content = QByteArray::number(i);
                zipOpenNewFileInZip64(zip, nameOf(i).toUtf8().constData(), nullptr, nullptr, 0, nullptr, 0, nullptr,
                                      Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0);
                zipWriteInFileInZip(zip, content.constData(), unsigned(content.size()));
                zipCloseFileInZip(zip);
            }
            zipClose(zip, nullptr);
            QVERIFY(!readRaw(zipPath).contains(QByteArray("PK\x06\x06", 4)));
        }
        const QString target = dir.filePath("target");
        QVERIFY(LWZipUtil::unzip(zipPath, target));
        QCOMPARE(readRaw(target + "/" + nameOf(count - 1)), QByteArray::number(count - 1));
        QCOMPARE(readRaw(target + "/" + nameOf(0)), QByteArray("0"));
        int files = 0;
        for (QDirIterator it(target, QDir::Files, QDirIterator::Subdirectories); it.hasNext(); it.next())
            ++files;
        QCOMPARE(files, count);
    }

    void zipReplacesOldArchive()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath("source");
        writeRaw(source + "/config.json", "{}");
        const QString zipPath = dir.filePath("lw.zip");
        writeRaw(zipPath, "an older package");
        QVERIFY(LWZipUtil::zipFolder(source, zipPath));
        QCOMPARE(entryNames(zipPath), QStringList{"config.json"});
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"lw.zip"});

        // The archive does not swallow itself while it is being written.
        QVERIFY(LWZipUtil::zipFolder(source, source + "/self.zip"));
        QCOMPARE(entryNames(source + "/self.zip"), QStringList{"config.json"});

        // A failed zip asked to keep the old archive leaves it whole.
        LWZipUtil::ZipOptions keep;
        keep.keepOldOnFailure = true;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("does not exist"));
        QVERIFY(!LWZipUtil::zipFolder(dir.filePath("missing"), zipPath, keep));
        QCOMPARE(entryNames(zipPath), QStringList{"config.json"});

        // A failed zip leaves no archive, neither the old one nor a part.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("does not exist"));
        QVERIFY(!LWZipUtil::zipFolder(dir.filePath("missing"), zipPath));
        QVERIFY(!QFileInfo::exists(zipPath));
        QTest::ignoreMessage(QtWarningMsg, "can not create zip file");
        QVERIFY(!LWZipUtil::zipFolder(source, dir.filePath("no/such/folder/lw.zip")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }

    void linksInSourceFolder()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath("source");
        writeRaw(source + "/frames/000.png", "png");
        QVERIFY(QFile::link(source, source + "/frames/loop"));
        QVERIFY(QFile::link(dir.filePath("gone.png"), source + "/dangling.png"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not following a folder link"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QString::fromUtf8("^无法添加文件 .*dangling.png")));
        const QString zipPath = dir.filePath("links.zip");
        QVERIFY(LWZipUtil::zipFolder(source, zipPath));
        QVERIFY(LWZipUtil::unzip(zipPath, dir.filePath("target")));
        const Tree expected{{"dangling.png", ""}, {"frames/", ""}, {"frames/000.png", "png"}};
        QCOMPARE(snapshot(dir.filePath("target")), expected);
    }
};

LW_TEST_MAIN(TstZip)
#include "tst_zip.moc"
