#include "LWTestMain.h"
#include "common/LWLanguage.h"
#include "common/LWSettings.h"
#include "online/LWUploadEffectChoiceModel.h"

#include <QBuffer>
#include <QDir>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

namespace {

QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%(?:n|L?\\d{1,2})"));
    QSet<QString> found;
    auto it = pattern.globalMatch(text);
    while (it.hasNext())
        found.insert(it.next().captured());
    QStringList sorted = found.values();
    sorted.sort();
    return sorted;
}

struct TsMessage
{
    QString context;
    QString source;
    QString type;            // "unfinished", "obsolete", "vanished" or empty
    QStringList translations; // one per numerus form, else one
};

// Reads a Qt Linguist file; a file that does not parse yields an error.
QList<TsMessage> readTs(QIODevice *device, QString *error)
{
    QList<TsMessage> messages;
    QXmlStreamReader xml(device);
    QString context;
    TsMessage message;
    bool inMessage = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("name") && !inMessage) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                message = TsMessage{context, {}, {}, {}};
                inMessage = true;
            } else if (name == QLatin1String("source") && inMessage) {
                message.source = xml.readElementText();
            } else if (name == QLatin1String("translation") && inMessage) {
                message.type = xml.attributes().value(QLatin1String("type")).toString();
                // Either plain text or <numerusform> children.
                QString text;
                while (!xml.atEnd()) {
                    xml.readNext();
                    if (xml.isCharacters())
                        text += xml.text();
                    else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                        message.translations << xml.readElementText();
                    else if (xml.isEndElement() && xml.name() == QLatin1String("translation"))
                        break;
                }
                if (message.translations.isEmpty())
                    message.translations << text;
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            messages << message;
            inMessage = false;
        }
    }
    if (xml.hasError())
        *error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return messages;
}

// Everything that would show an author an English or broken text.
QStringList problemsOf(const QList<TsMessage> &messages)
{
    QStringList problems;
    for (const TsMessage &m : messages) {
        const QString where = m.context + QStringLiteral(": \"") + m.source + QLatin1Char('"');
        if (!m.type.isEmpty()) {
            problems << where + QStringLiteral(" is ") + m.type;
            continue;
        }
        for (const QString &text : m.translations) {
            if (text.trimmed().isEmpty())
                problems << where + QStringLiteral(" has an empty translation");
            else if (placeholders(text) != placeholders(m.source))
                problems << where
                                + QStringLiteral(" has placeholders [%1] instead of [%2]")
                                      .arg(placeholders(text).join(QLatin1Char(',')),
                                           placeholders(m.source).join(QLatin1Char(',')));
        }
    }
    return problems;
}

QList<TsMessage> readTsFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    return readTs(&file, error);
}

QSet<QString> keysOf(const QList<TsMessage> &messages)
{
    QSet<QString> keys;
    for (const TsMessage &m : messages)
        keys.insert(m.context + QLatin1Char('\x1f') + m.source);
    return keys;
}

const QStringList kTsFiles{QStringLiteral("toChinese.ts"), QStringLiteral("toJapanese.ts"),
                           QStringLiteral("toKorean.ts")};

} // namespace

class TstTranslations : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { LWSettings::instance()->setLanguageType(0); }

    // The compiled files reach the program the way start-up finds them: the
    // language setting names the resource, and both QML and C++ contexts are
    // translated from it.
    void compiledTranslationsAreCarried_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("qmlFile");
        QTest::addColumn<QString>("packageProblem");
        QTest::addColumn<QString>("newVersion");
        QTest::addColumn<QString>("inReview");
        QTest::newRow("Chinese") << int(LWLanguage::Chinese) << QStringLiteral("文件")
                                 << QStringLiteral("无法生成特效包。")
                                 << QStringLiteral("Glowsmith 2.0.0（当前版本 1.0.0）") << QStringLiteral("审核中");
        QTest::newRow("Japanese") << int(LWLanguage::Japanese) << QStringLiteral("ファイル")
                                  << QStringLiteral("エフェクトパッケージを作成できませんでした。")
                                  << QStringLiteral("Glowsmith 2.0.0（現在のバージョン 1.0.0）")
                                  << QStringLiteral("審査中");
        QTest::newRow("Korean") << int(LWLanguage::Korean) << QStringLiteral("파일")
                                << QStringLiteral("효과 패키지를 만들지 못했습니다.")
                                << QStringLiteral("Glowsmith 2.0.0 (현재 1.0.0)") << QStringLiteral("심사 중");
    }
    void compiledTranslationsAreCarried()
    {
        QFETCH(int, language);
        LWSettings::instance()->setLanguageType(language);
        LWLanguage service;
        QTranslator translator;
        QVERIFY2(translator.load(service.translatorPath()), qPrintable(service.translatorPath()));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const auto uninstall = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });

        // qsTr() takes its context from the document's file name.
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import QtQml 2.15\nQtObject { property string file: qsTr(\"File\") }",
                          QUrl(QStringLiteral("qrc:/LWMainWindow/LWMainMenuBar.qml")));
        std::unique_ptr<QObject> menu(component.create());
        QVERIFY2(menu, qPrintable(component.errorString()));
        QTEST(menu->property("file").toString(), "qmlFile");

        QTEST(QCoreApplication::translate("LWEffectPackManager", "The effect package could not be built."),
              "packageProblem");
        QTEST(QCoreApplication::translate("LWCheckUpdateWindow", "Glowsmith %1 (you have %2)")
                  .arg(QStringLiteral("2.0.0"), QStringLiteral("1.0.0")),
              "newVersion");
        QTEST(LWUploadEffectChoiceModel::stateText(1), "inReview");
    }

    // The checker below must see faults, or a clean result means nothing.
    void checkerFindsFaults()
    {
        QByteArray ts = R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Ctx</name>
    <message><source>Fine %1</source><translation>好 %1</translation></message>
    <message><source>New</source><translation type="unfinished"></translation></message>
    <message><source>Blank</source><translation> </translation></message>
    <message><source>Lost %1 of %2</source><translation>%2</translation></message>
    <message numerus="yes"><source>%n files</source><translation><numerusform>文件</numerusform></translation></message>
</context>
</TS>
)";
        QBuffer buffer(&ts);
        buffer.open(QIODevice::ReadOnly);
        QString error;
        const QList<TsMessage> messages = readTs(&buffer, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(messages.size(), 5);
        const QStringList problems = problemsOf(messages);
        QCOMPARE(problems.size(), 4);
        QVERIFY(problems.at(0).contains(QLatin1String("\"New\" is unfinished")));
        QVERIFY(problems.at(1).contains(QLatin1String("\"Blank\" has an empty translation")));
        QVERIFY(problems.at(2).contains(QLatin1String("placeholders [%2] instead of [%1,%2]")));
        QVERIFY(problems.at(3).contains(QLatin1String("\"%n files\" has placeholders [] instead of [%n]")));
    }

    // Every text of the committed translation sources is finished, not empty,
    // and keeps the placeholders of its source; scripts/update-translations
    // refreshes them after texts change.
    void sourcesAreComplete_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &file : kTsFiles)
            QTest::newRow(qPrintable(file)) << file;
    }
    void sourcesAreComplete()
    {
        QFETCH(QString, file);
        QString error;
        const QList<TsMessage> messages = readTsFile(QStringLiteral(LW_TRANSLATIONS_DIR "/") + file, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(messages.size() > 100);
        const QStringList problems = problemsOf(messages);
        QVERIFY2(problems.isEmpty(), qPrintable(QString::number(problems.size()) + QStringLiteral(" problem(s):\n")
                                                + problems.join(QLatin1Char('\n'))));
    }

    // A refresh of only one language would leave the others behind.
    void everyLanguageHasTheSameTexts()
    {
        QString error;
        const QSet<QString> reference = keysOf(readTsFile(QStringLiteral(LW_TRANSLATIONS_DIR "/") + kTsFiles.first(), &error));
        QVERIFY2(error.isEmpty(), qPrintable(error));
        for (const QString &file : kTsFiles.mid(1)) {
            const QSet<QString> keys = keysOf(readTsFile(QStringLiteral(LW_TRANSLATIONS_DIR "/") + file, &error));
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QStringList differ = (keys - reference).values() + (reference - keys).values();
            differ.replaceInStrings(QStringLiteral("\x1f"), QStringLiteral(": "));
            QVERIFY2(differ.isEmpty(), qPrintable(file + QStringLiteral(" differs from ") + kTsFiles.first()
                                                  + QStringLiteral(" in:\n") + differ.join(QLatin1Char('\n'))));
        }
    }
};

LW_TEST_MAIN(TstTranslations)
#include "tst_translations.moc"
