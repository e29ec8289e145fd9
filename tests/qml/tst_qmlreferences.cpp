// Every interface document is used: reached from the program's code (a
// window it loads, a view path a model names) or from a document that is,
// by its type name where the user can see its folder, or by its path. A
// document nothing reaches is dead and fails the test by name.
#include "LWTestMain.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace {

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// QML without its comments. A "//" inside an address ("http://") follows a
// colon, never a blank, and is kept.
QString withoutComments(QString text)
{
    static const QRegularExpression block(QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression line(QStringLiteral("(^|\\s)//[^\\n]*"), QRegularExpression::MultilineOption);
    text.remove(block);
    text.replace(line, QStringLiteral("\\1"));
    return text;
}

struct Document
{
    QString relative; // "LWUpload/LWUploadEffectWindow.qml"
    QString folder;   // "LWUpload"
    QString type;     // "LWUploadEffectWindow"
    QString text;     // without comments
};

// The folders a document sees types of: its own and those it imports by
// path ("qrc:/LWViewCommon", "../LWControls").
QSet<QString> visibleFolders(const Document &document)
{
    QSet<QString> folders{document.folder};
    static const QRegularExpression import(QStringLiteral("^\\s*import\\s+\"([^\"]+)\""), QRegularExpression::MultilineOption);
    auto it = import.globalMatch(document.text);
    while (it.hasNext()) {
        QString target = it.next().captured(1);
        if (target.startsWith(QLatin1String("qrc:/")))
            target = target.mid(5);
        else if (target.startsWith(QLatin1String(":/")))
            target = target.mid(2);
        else
            target = QDir::cleanPath(document.folder + QLatin1Char('/') + target);
        while (target.startsWith(QLatin1Char('/')))
            target.remove(0, 1);
        if (target.endsWith(QLatin1Char('/')))
            target.chop(1);
        folders.insert(target);
    }
    return folders;
}

bool mentionsPath(const QString &text, const QString &relative)
{
    return text.contains(QStringLiteral("\":/") + relative + QLatin1Char('"'))
           || text.contains(QStringLiteral("\"qrc:/") + relative + QLatin1Char('"'))
           || text.contains(QStringLiteral("\"qrc:///") + relative + QLatin1Char('"'));
}

// The documents under qmlRoot that nothing reaches from the code files
// under codeRoots (C++ and JSON, where windows and view paths are named).
QStringList unreachedDocuments(const QString &qmlRoot, const QStringList &codeRoots)
{
    QList<Document> documents;
    QDirIterator qml(qmlRoot, {QStringLiteral("*.qml")}, QDir::Files, QDirIterator::Subdirectories);
    while (qml.hasNext()) {
        const QString path = qml.next();
        Document document;
        document.relative = QDir(qmlRoot).relativeFilePath(path);
        document.folder = QFileInfo(document.relative).path();
        if (document.folder == QLatin1String("."))
            document.folder.clear();
        document.type = QFileInfo(path).completeBaseName();
        document.text = withoutComments(readText(path));
        documents << document;
    }

    QStringList code;
    for (const QString &root : codeRoots) {
        QDirIterator files(root, {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.json")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext())
            code << readText(files.next());
    }

    QSet<int> reached;
    QList<int> queue;
    for (int i = 0; i < documents.size(); ++i) {
        for (const QString &text : code) {
            if (mentionsPath(text, documents.at(i).relative)) {
                reached.insert(i);
                queue << i;
                break;
            }
        }
    }
    while (!queue.isEmpty()) {
        const Document &user = documents.at(queue.takeFirst());
        const QSet<QString> folders = visibleFolders(user);
        for (int i = 0; i < documents.size(); ++i) {
            if (reached.contains(i))
                continue;
            const Document &candidate = documents.at(i);
            const QRegularExpression typeUse(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(candidate.type)));
            const bool byType = folders.contains(candidate.folder) && typeUse.match(user.text).hasMatch();
            if (byType || mentionsPath(user.text, candidate.relative)) {
                reached.insert(i);
                queue << i;
            }
        }
    }

    QStringList unreached;
    for (int i = 0; i < documents.size(); ++i) {
        if (!reached.contains(i))
            unreached << documents.at(i).relative;
    }
    unreached.sort();
    return unreached;
}

void writeFile(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

class TstQmlReferences : public QObject
{
    Q_OBJECT

private slots:
    // The rules on a small tree: what counts as a use and what does not.
    void rules_data()
    {
        QTest::addColumn<QByteArray>("mainText");
        QTest::addColumn<QStringList>("unreached");
        const QStringList onlyDead{QStringLiteral("Parts/Dead.qml"), QStringLiteral("Parts/OnlyDeadUses.qml")};
        QTest::newRow("used through an import of its folder")
            << QByteArray("import \"qrc:/Parts\"\nItem { Used {} }\n") << onlyDead;
        QTest::newRow("used through a relative import")
            << QByteArray("import \"../Parts\"\nItem { Used {} }\n") << onlyDead;
        QTest::newRow("loaded by its path") << QByteArray("Loader { source: \"qrc:/Parts/Used.qml\" }\n") << onlyDead;
        QTest::newRow("type name without an import of its folder")
            << QByteArray("Item { Used {} }\n")
            << QStringList{QStringLiteral("Parts/Dead.qml"), QStringLiteral("Parts/OnlyDeadUses.qml"),
                           QStringLiteral("Parts/Used.qml")};
        QTest::newRow("named only in comments")
            << QByteArray("import \"qrc:/Parts\"\n// Used {}\n/* Used {} */\nItem {}\n")
            << QStringList{QStringLiteral("Parts/Dead.qml"), QStringLiteral("Parts/OnlyDeadUses.qml"),
                           QStringLiteral("Parts/Used.qml")};
    }
    void rules()
    {
        QFETCH(QByteArray, mainText);
        QFETCH(QStringList, unreached);
        QTemporaryDir tree;
        QVERIFY(tree.isValid());
        const QString qml = tree.filePath(QStringLiteral("qml"));
        writeFile(qml + QStringLiteral("/Windows/Main.qml"), mainText);
        writeFile(qml + QStringLiteral("/Windows/Sibling.qml"), "Item {}\n");
        writeFile(qml + QStringLiteral("/Windows/Helper.qml"), "Item { Sibling {} }\n");
        writeFile(qml + QStringLiteral("/Parts/Used.qml"), "Item {}\n");
        writeFile(qml + QStringLiteral("/Parts/Dead.qml"), "Item { OnlyDeadUses {} }\n");
        writeFile(qml + QStringLiteral("/Parts/OnlyDeadUses.qml"), "Item {}\n");
        // The program loads two windows; a view path sits in a profile.
        writeFile(tree.filePath(QStringLiteral("src/host.cpp")),
                  "const char *w = \"qrc:/Windows/Main.qml\"; // Dead.qml is not loaded\n"
                  "const char *h = \":/Windows/Helper.qml\";\n");
        writeFile(tree.filePath(QStringLiteral("src/profile.json")), "{ \"qmlPath\": \"qrc:/Parts/Nothing.qml\" }\n");
        QCOMPARE(unreachedDocuments(qml, {tree.filePath(QStringLiteral("src"))}), unreached);
    }

    void everyDocumentIsUsed()
    {
        const QString source = QStringLiteral(LW_SOURCE_DIR);
        const QString qml = source + QStringLiteral("/qml");
        QDirIterator all(qml, {QStringLiteral("*.qml")}, QDir::Files, QDirIterator::Subdirectories);
        int count = 0;
        while (all.hasNext()) {
            all.next();
            ++count;
        }
        QVERIFY2(count > 50, "the interface documents were not found");
        const QStringList unreached =
            unreachedDocuments(qml, {source + QStringLiteral("/src"), source + QStringLiteral("/profiles")});
        QVERIFY2(unreached.isEmpty(), qPrintable(QStringLiteral("used by nothing: ") + unreached.join(QStringLiteral(", "))));
    }
};

LW_TEST_MAIN(TstQmlReferences)
#include "tst_qmlreferences.moc"
