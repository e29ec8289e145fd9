#include "LWInspectorTestSupport.h"
#include "LWTestMain.h"

#include "inspector/LW3DModelTextureInfoPanelModel.h"
#include "inspector/LWFaceIndexModel.h"
#include "common/LWDialogs.h"
#include "common/LWServiceConfig.h"
#include "inspector/LWInspectorHub.h"
#include "inspector/LWInspectorResources.h"
#include "inspector/LWListViewModel.h"
#include "inspector/LWParticleAffectorColorsPanelModel.h"
#include "inspector/LWProp2DTextureButtonViewModel.h"
#include "inspector/LWProp2DTextureOptionViewModel.h"
#include "inspector/LWPropColorStopModel.h"
#include "inspector/LWPropColorViewModel.h"
#include "inspector/LWPropColorsViewModel.h"
#include "inspector/LWPropImageButtonViewModel.h"
#include "inspector/LWPropImageOptionViewModel.h"
#include "inspector/LWPropImageViewModel.h"
#include "inspector/LWPropLabelButtonViewModel.h"
#include "inspector/LWPropOpenPanelViewModel.h"
#include "inspector/LWPropOptionItemModel.h"
#include "inspector/LWPropOptionViewModel.h"
#include "undo/LWUndoStack.h"

#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace LWInspectorTest;

namespace {

// A resource library of a few images on disk.
class FakeLibrary : public LWInspectorResources
{
public:
    struct Record
    {
        QString id;
        QString name;
        int type;
        QString path;
    };
    QList<Record> records;
    QStringList imported;

    QList<LWInspectorResourceEntry> collectByType(int type, int constraint) const override
    {
        QList<LWInspectorResourceEntry> list;
        for (const Record &r : records) {
            if (r.type == type && qualifies(r.id, constraint, nullptr))
                list.append({r.id, r.name, r.path});
        }
        return list;
    }
    const Record *find(const QString &id) const
    {
        for (const Record &r : records) {
            if (r.id == id)
                return &r;
        }
        return nullptr;
    }
    QString firstImage(const QString &id) const override { return find(id) ? find(id)->path : QString(); }
    QString absolutePath(const QString &id) const override { return firstImage(id); }
    int frameCount(const QString &id) const override { return find(id) ? 3 : 0; }
    int type(const QString &id) const override { return find(id) ? find(id)->type : 0; }
    qint64 sizeOnDisk(const QString &id, bool *exists) const override
    {
        if (exists)
            *exists = find(id);
        return find(id) ? QFileInfo(find(id)->path).size() : 0;
    }
    bool qualifies(const QString &id, int constraint, QString *error) const override
    {
        if (constraint == 0)
            return true;
        const bool ok = QImage(firstImage(id)).size() == QSize(512, 512);
        if (!ok && error)
            *error = QStringLiteral("Size should be 512 x 512");
        return ok;
    }
    bool pickQualifies(int, const QList<QUrl> &urls, int constraint, QString *error) const override
    {
        const bool ok = constraint == 0 || QImage(urls.first().toLocalFile()).size() == QSize(512, 512);
        if (!ok && error)
            *error = QStringLiteral("Size should be 512 x 512");
        return ok;
    }
    QString importPicked(int type, const QList<QUrl> &urls) override
    {
        const QString id = QStringLiteral("%1").arg(records.size() + 1, 32, 10, QLatin1Char('0'));
        records.append({id, QStringLiteral("picked"), type, urls.first().toLocalFile()});
        imported << id;
        return id;
    }
};

// Answers every dialog with the prepared files.
class FakeDialogs : public LWDialogs
{
public:
    QList<QUrl> answer;
    bool acceptHint = true;
    QStringList titles;
    QStringList addresses;
    QStringList messages;
    void showMessage(const QString &text) override { messages << text; }
    void openFile(const LWFileRequest &request, FilesPicked done) override
    {
        titles << request.title;
        done(answer);
    }
    void showTutorial(const LWTutorialHint &tutorial, HintClosed done) override
    {
        titles << tutorial.title;
        addresses << tutorial.urlTutorial << tutorial.urlDownload;
        done(acceptHint);
    }
};

QString writeImage(const QTemporaryDir &dir, const QString &name, QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::red);
    const QString path = dir.filePath(name);
    image.save(path, "PNG");
    return path;
}

QJsonObject component(const char *type, const char *id, const QJsonObject &extra = {})
{
    QJsonObject c = extra;
    c.insert(QStringLiteral("type"), QLatin1String(type));
    c.insert(QStringLiteral("id"), QLatin1String(id));
    return c;
}

} // namespace

class TstInspectorProps : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FakeLibrary *m_library = nullptr; // owned by the hub
    FakeDialogs *m_dialogs = nullptr; // owned by the hub

    LWUndoStack *stack() const { return LWUndoStack::instance(); }

private slots:
    void init()
    {
        stack()->clear();
        auto library = std::make_unique<FakeLibrary>();
        library->records = {{"aaaa", "blush", 1, writeImage(m_dir, "blush.png", QSize(64, 32))},
                            {"bbbb", "lut", 1, writeImage(m_dir, "lut.png", QSize(512, 512))},
                            {"cccc", "frames", 6, writeImage(m_dir, "frame_000.png", QSize(40, 40))},
                            {"dddd", "song", 7, QString()}};
        m_library = library.get();
        LWInspectorHub::instance()->setResources(std::move(library));
        auto dialogs = std::make_unique<FakeDialogs>();
        m_dialogs = dialogs.get();
        LWDialogs::install(std::move(dialogs));
    }
    void cleanupTestCase()
    {
        LWInspectorHub::instance()->setResources(nullptr);
        LWDialogs::install(nullptr);
    }

    // --- colours ----------------------------------------------------------------

    void colourRoundTrips_data()
    {
        QTest::addColumn<QJsonObject>("comp");
        QTest::addColumn<QJsonValue>("bound");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("showAlpha");
        QTest::addColumn<QJsonValue>("written");
        QTest::newRow("six digits") << component("LWPropTypeColor", "c") << json(R"("ff0000")") << QColor(255, 0, 0)
                                    << false << json(R"("ff0000")");
        QTest::newRow("eight digits") << component("LWPropTypeColor", "c") << json(R"("008080ff")")
                                      << QColor(0, 128, 128, 255) << true << json(R"("008080ff")");
        QTest::newRow("short text pads") << component("LWPropTypeColor", "c") << json(R"("ff")") << QColor(0, 0, 255)
                                         << false << json(R"("0000ff")");
        QTest::newRow("array truncates") << component("LWPropTypeColor", "c", {{"showAlpha", false}})
                                         << json("[1.0,0.5,0.0]") << QColor(255, 127, 0) << false
                                         << json("[1,0.4980392156862745,0]");
        QTest::newRow("array with alpha") << component("LWPropTypeColor", "c") << json("[0,0,1,0.5]")
                                          << QColor(0, 0, 255, 127) << true << json("[0,0,1,0.4980392156862745]");
        QTest::newRow("not a colour") << component("LWPropTypeColor", "c", {{"defaultValue", "00ff00"}})
                                      << json(R"("zz")") << QColor(Qt::white) << true << json(R"("ffffffff")");
    }
    void colourRoundTrips()
    {
        QFETCH(QJsonObject, comp);
        QFETCH(QJsonValue, bound);
        QFETCH(QColor, colour);
        QFETCH(bool, showAlpha);
        QFETCH(QJsonValue, written);
        auto root = build(entryProfile({comp}), QJsonObject{{"c", bound}});
        auto *node = qobject_cast<LWPropColorViewModel *>(root->children().first().get());
        QCOMPARE(node->colorValue(), colour);
        QCOMPARE(node->showAlpha(), showAlpha);
        LW_COMPARE_JSON(root->value().toObject().value("c"), written);
        // Reading back what was written gives the same colour: saving and
        // loading a project never drifts.
        QJsonValue value = written;
        for (int round = 0; round < 5; ++round) {
            auto again = build(entryProfile({comp}), QJsonObject{{"c", value}});
            value = again->value().toObject().value("c");
        }
        LW_COMPARE_JSON(value, written);
    }

    void gradientStops()
    {
        auto root = build(entryProfile({component("LWPropTypeColors", "g")}),
                          json(R"({"g":[[1,0,0,1,1],[0,1,0,0,1]]})"));
        auto *node = qobject_cast<LWPropColorsViewModel *>(root->children().first().get());
        QCOMPARE(node->height(), 70);
        LW_COMPARE_JSON(root->value(), json(R"({"g":[[0,1,0,0,1],[1,0,0,1,1]]})"));
        QSignalSpy announced(LWInspectorHub::instance(), &LWInspectorHub::inspectorDataChanged);
        LWPropColorStopModel *middle = node->createStop(0.5);
        QCOMPARE(middle->color(), QColor(128, 0, 128));
        QCOMPARE(node->gradientStops().size(), 3);
        node->removeStop(qobject_cast<LWPropColorStopModel *>(node->gradientStops().first()));
        QVERIFY(qobject_cast<LWPropColorStopModel *>(node->gradientStops().first())->deleted());
        LW_COMPARE_JSON(root->value(),
                        json(R"({"g":[[0,1,0,0,1],[0.5,0.5019607843137255,0,0.5019607843137255,1]]})"));
        middle->setPosition(2.0); // clamped
        QCOMPARE(announced.count(), 3);
        QCOMPARE(stack()->count(), 0);
    }

    // --- face indices -----------------------------------------------------------

    void faceIndex_data()
    {
        QTest::addColumn<QJsonValue>("bound");
        QTest::addColumn<QJsonValue>("written");
        QTest::addColumn<int>("height");
        QTest::newRow("repeats and out of range dropped") << json("[2,2,7,0]") << json("[2,0]") << 20 * 4 + 62;
        QTest::newRow("all faces") << json("[]") << json("[]") << 26;
        QTest::newRow("three") << json("[0,1,5]") << json("[0,1,5]") << 122;
        QTest::newRow("not a list") << json(R"("x")") << json("[]") << 26;
    }
    void faceIndex()
    {
        QFETCH(QJsonValue, bound);
        QFETCH(QJsonValue, written);
        QFETCH(int, height);
        auto root = build(entryProfile({component("LWSpecialTypeFaceIndex", "faceIndexArray", {{"languageChange", 120}})}),
                          QJsonObject{{"faceIndexArray", bound}});
        auto *node = qobject_cast<LWFaceIndexModel *>(root->children().first().get());
        QCOMPARE(node->height(), height);
        QCOMPARE(node->labelWidth(), 120);
        LW_COMPARE_JSON(root->value().toObject().value("faceIndexArray"), written);
    }

    void faceIndexEditing()
    {
        auto root = build(entryProfile({component("LWSpecialTypeFaceIndex", "f")}), json(R"({"f":[]})"));
        auto *node = qobject_cast<LWFaceIndexModel *>(root->children().first().get());
        QSignalSpy rootHeight(root.get(), &LWQmlViewModel::heightChanged);
        QSignalSpy announced(LWInspectorHub::instance(), &LWInspectorHub::inspectorDataChanged);
        node->setAllFaces(false); // "Customize" starts with face 0
        node->addFaceSlot();
        node->setFaceIndexAt(1, 3);
        node->addFaceSlot();
        node->removeFaceSlot(0); // later slots move up
        LW_COMPARE_JSON(root->value(), json(R"({"f":[3,0]})"));
        QCOMPARE(node->height(), 102);
        QCOMPARE(root->height(), 102);
        QVERIFY(rootHeight.count() >= 4);
        QCOMPARE(announced.count(), 5);
        QCOMPARE(stack()->count(), 0);
        for (int i = 0; i < 10; ++i)
            node->addFaceSlot();
        QCOMPARE(node->faceIndexs().size(), LWFaceIndexModel::kMaxSlots);
        node->setAllFaces(true);
        LW_COMPARE_JSON(root->value(), json(R"({"f":[]})"));
    }

    // --- drop-downs ---------------------------------------------------------------

    void optionSelection_data()
    {
        QTest::addColumn<QJsonValue>("bound");
        QTest::addColumn<int>("index");
        QTest::addColumn<QJsonValue>("written");
        QJsonArray options;
        for (int i = 0; i <= 24; ++i)
            options << i;
        options << 26;
        QTest::newRow("26 is the last item") << json("26") << 25 << json("26");
        QTest::newRow("missing value picks the first") << json("25") << 0 << json("0");
        QTest::newRow("object keeps members, resId replaced")
            << json(R"({"resId":3,"keep":true})") << 3 << json(R"({"keep":true,"resId":"3"})");
        QTest::newRow("object with material") << json(R"({"material":4,"resId":1})") << 4
                                              << json(R"({"material":"4","resId":1})");
        QTest::newRow("bool comes back unchanged") << json("true") << 0 << json("true");
    }
    void optionSelection()
    {
        QFETCH(QJsonValue, bound);
        QFETCH(int, index);
        QFETCH(QJsonValue, written);
        QJsonArray options;
        for (int i = 0; i <= 24; ++i)
            options << i;
        options << 26;
        auto root = build(entryProfile({component("LWPropTypeOption", "o", {{"options", options}})}),
                          QJsonObject{{"o", bound}});
        auto *node = qobject_cast<LWPropOptionViewModel *>(root->children().first().get());
        QCOMPARE(node->optionIndex(), index);
        QCOMPARE(node->labelWidth(), 80);
        LW_COMPARE_JSON(root->value().toObject().value("o"), written);
    }

    void optionLabelsAndDisplayText()
    {
        auto root = build(entryProfile({component("LWPropTypeOption", "o",
                                                  {{"options", QJsonArray{"x", "y"}},
                                                   {"optionLabels", QJsonArray{"Ex", "Why"}},
                                                   {"languageChange", 110}})}),
                          json(R"({"o":"y"})"));
        auto *node = qobject_cast<LWPropOptionViewModel *>(root->children().first().get());
        QCOMPARE(node->labelWidth(), 110);
        QCOMPARE(node->comboDisplayText(), QStringLiteral("Why"));
        QCOMPARE(qobject_cast<LWPropOptionItemModel *>(node->options().at(0))->title(), QStringLiteral("Ex"));
        QVERIFY(node->fontWidth() > 0);
        QSignalSpy text(node, &LWPropOptionViewModel::comboDisplayTextChanged);
        node->setOptionIndex(0);
        QCOMPARE(node->comboDisplayText(), QStringLiteral("Ex"));
        stack()->undo();
        QCOMPARE(node->comboDisplayText(), QStringLiteral("Why"));
        QCOMPARE(text.count(), 2);
    }

    void resourceDropDown()
    {
        auto root = build(entryProfile({component("LWPropTypeOption", "resId",
                                                  {{"dynamicResData", "LWResourceType2DTexture"}, {"showThumbnail", true}})}),
                          json(R"({"resId":"bbbb"})"));
        auto *node = qobject_cast<LWPropOptionViewModel *>(root->children().first().get());
        QCOMPARE(node->entryCount(), 3); // None, blush, lut
        QCOMPARE(node->entry(0).title, QStringLiteral("None"));
        QCOMPARE(node->entry(0).iconPath, QStringLiteral("qrc:/LW2DSticker/res/2DStickerPlacehold/default2D.png"));
        QVERIFY(node->entry(1).iconPath.startsWith("file:///"));
        QCOMPARE(node->optionIndex(), 2);
        QVERIFY(node->showThumbnail());

        // The library changes under the panel: the list follows, the choice stays.
        m_library->records.prepend({"eeee", "new", 1, QString()});
        emit LWInspectorHub::instance()->resourceModelDataChanged(1);
        QCOMPARE(node->entryCount(), 4);
        QCOMPARE(node->optionIndex(), 3);
        emit LWInspectorHub::instance()->resourceModelDataChanged(7); // another type: no rebuild
        QCOMPARE(node->entryCount(), 4);

        // A chosen resource that has gone shows "None" but the owner keeps its id
        // until the author picks something else.
        m_library->records.removeAt(2);
        emit LWInspectorHub::instance()->resourceModelDataChanged(8);
        QCOMPARE(node->optionIndex(), 0);
        LW_COMPARE_JSON(root->value(), json(R"({"resId":"bbbb"})"));
        node->setOptionIndex(1);
        LW_COMPARE_JSON(root->value(), json(R"({"resId":"eeee"})"));
        node->setOptionIndex(0);
        LW_COMPARE_JSON(root->value(), json(R"({"resId":"__LWOptionNone"})"));
    }

    void importThroughTheButton_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("title");
        QTest::newRow("music") << "LWResourceMusic" << "choose music file";
        QTest::newRow("frames") << "LWResourceType2DTextureFrame" << "choose texture folder";
        QTest::newRow("texture") << "LWResourceType2DTexture" << "Choose file";
    }
    void importThroughTheButton()
    {
        QFETCH(QString, type);
        QFETCH(QString, title);
        auto root = build(entryProfile({component("LWPropTypeOption", "resId",
                                                  {{"dynamicResData", type}, {"showClickButton", true}})}),
                          json(R"({"resId":"__LWOptionNone"})"));
        auto *node = qobject_cast<LWPropOptionViewModel *>(root->children().first().get());
        QSignalSpy result(node, &LWPropOptionViewModel::clickResult);
        m_dialogs->answer = {QUrl::fromLocalFile(m_dir.filePath("blush.png"))};
        node->onClickButton();
        QCOMPARE(m_dialogs->titles, QStringList{title});
        QCOMPARE(result.count(), 1);
        const QString id = result.first().first().toString();
        QCOMPARE(m_library->imported, QStringList{id});
        LW_COMPARE_JSON(root->value().toObject().value("resId"), QJsonValue(id));
        QCOMPARE(stack()->count(), 1);
        stack()->undo();
        LW_COMPARE_JSON(root->value(), json(R"({"resId":"__LWOptionNone"})"));

        m_dialogs->answer.clear(); // cancelled
        result.clear();
        node->onClickButton();
        QCOMPARE(result.count(), 1);
        QCOMPARE(result.first().first().toString(), QString());
    }

    // A picked image the control's size rule refuses is not imported, and
    // the author is told why.
    void pickOutsideTheSizeRule()
    {
        auto root = build(entryProfile({component("LWPropTypeOption", "resId",
                                                  {{"dynamicResData", "LWResourceType2DTexture"},
                                                   {"showClickButton", true},
                                                   {"resConstrainType", "LWConstrainTypeTextureSizeFix512x512"}})}),
                          json(R"({"resId":"__LWOptionNone"})"));
        auto *node = qobject_cast<LWPropOptionViewModel *>(root->children().first().get());
        QSignalSpy result(node, &LWPropOptionViewModel::clickResult);
        m_dialogs->answer = {QUrl::fromLocalFile(writeImage(m_dir, "small.png", QSize(20, 20)))};
        node->onClickButton();
        QCOMPARE(m_dialogs->messages, QStringList{"Size should be 512 x 512"});
        QVERIFY(m_library->imported.isEmpty());
        QCOMPARE(result.count(), 1);
        QCOMPARE(result.first().first().toString(), QString());
        QCOMPARE(stack()->count(), 0);

        m_dialogs->answer = {QUrl::fromLocalFile(writeImage(m_dir, "fits.png", QSize(512, 512)))};
        node->onClickButton();
        QCOMPARE(m_library->imported.size(), 1);
        LW_COMPARE_JSON(root->value().toObject().value("resId"), QJsonValue(m_library->imported.first()));
        QCOMPARE(m_dialogs->messages.size(), 1);
    }

    void tutorialComesFirst()
    {
        // A path names the page on the configured publishing service.
        const QJsonObject tutorial{{"title", "How to"},
                                   {"content", "..."},
                                   {"url_tutorial", "/site/tutorial#sticker"},
                                   {"url_download", "http://127.0.0.1:9/#sticker"}};
        auto root = build(entryProfile({component("LWPropTypeOption", "resId",
                                                  {{"dynamicResData", "LWResourceType2DTexture"}, {"tutorial", tutorial}})}),
                          json("{}"));
        auto *node = qobject_cast<LWPropOptionViewModel *>(root->children().first().get());
        m_dialogs->acceptHint = false;
        node->onClickButton();
        QCOMPARE(m_dialogs->titles, QStringList{"How to"});
        QCOMPARE(m_dialogs->addresses, (QStringList{LWServiceConfig::baseUrl("publish") + "/site/tutorial#sticker",
                                                    "http://127.0.0.1:9/#sticker"}));
        m_dialogs->acceptHint = true;
        node->onClickButton();
        QCOMPARE(m_dialogs->titles, (QStringList{"How to", "How to", "Choose file"}));
    }

    void clickAfterTheTreeIsGone()
    {
        // The dialog answers later, after the panel was rebuilt.
        struct LateDialogs : LWDialogs
        {
            FilesPicked pending;
            void openFile(const LWFileRequest &, FilesPicked done) override { pending = std::move(done); }
        };
        auto late = std::make_unique<LateDialogs>();
        LateDialogs *dialogs = late.get();
        LWDialogs::install(std::move(late));
        auto root = build(entryProfile({component("LWPropTypeOption", "resId", {{"dynamicResData", "LWResourceMusic"}})}),
                          json("{}"));
        qobject_cast<LWPropOptionViewModel *>(root->children().first().get())->onClickButton();
        root.reset();
        dialogs->pending({QUrl::fromLocalFile(m_dir.filePath("blush.png"))});
        QVERIFY(m_library->imported.isEmpty());
    }

    void textureChoice()
    {
        auto root = build(entryProfile({component("LWPropType2DTextureOption", "tex", {{"path", "qrc:/x.png"}})}),
                          json(R"({"tex":"aaaa"})"));
        auto *node = qobject_cast<LWProp2DTextureOptionViewModel *>(root->children().first().get());
        QCOMPARE(node->height(), 26);
        QCOMPARE(node->qmlPath(), QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropOptionView.qml"));
        QCOMPARE(node->entry(0).iconPath, QStringLiteral("qrc:/x.png"));
        QCOMPARE(node->optionIndex(), 1);
        QSignalSpy announced(LWInspectorHub::instance(), &LWInspectorHub::inspectorDataChanged);
        node->setOptionIndex(2);
        QCOMPARE(stack()->count(), 0); // a resource pick applies directly
        QCOMPARE(announced.count(), 1);
        LW_COMPARE_JSON(root->value(), json(R"({"tex":"bbbb"})"));
    }

    void imageGrid()
    {
        auto root = build(entryProfile({component("LWPropTypeImageOptionPanel", "img",
                                                  {{"options", QJsonArray{":/a.png", ":/b.png"}},
                                                   {"optionLabels", QJsonArray{"A", "B"}},
                                                   {"imgWidth", 48}})}),
                          json(R"({"img":":/b.png"})"));
        auto *node = qobject_cast<LWPropImageOptionViewModel *>(root->children().first().get());
        QCOMPARE(node->height(), 300);
        QCOMPARE(node->imgWidth(), 48);
        QCOMPARE(node->optionIndex(), 2);
        QCOMPARE(node->strTexurePaths().at(1), QStringLiteral("qrc:/a.png"));
        node->setOptionIndex(0);
        LW_COMPARE_JSON(root->value(), json(R"({"img":"no image"})"));
        node->setOptionIndex(1);
        LW_COMPARE_JSON(root->value(), json(R"({"img":":/a.png"})"));
        auto unknown = build(entryProfile({component("LWPropTypeImageOptionPanel", "img", {{"options", QJsonArray{":/a.png"}}})}),
                             json(R"({"img":"elsewhere"})"));
        LW_COMPARE_JSON(unknown->value(), json(R"({"img":"no image"})"));
        root->notifyChildren(1, json(R"({"optionEnabled":false})"));
        QVERIFY(!node->enabled());
    }

    void imageButtonChecksSize()
    {
        auto root = build(entryProfile({component("LWPropTypeImageViewButton", "filter_resources",
                                                  {{"checkSize", true}, {"width", 90}, {"height", 110}})}),
                          json(R"({"filter_resources":"bbbb"})"));
        auto *node = qobject_cast<LWPropImageButtonViewModel *>(root->children().first().get());
        QCOMPARE(node->height(), 110);
        QCOMPARE(node->width(), 90);
        QCOMPARE(node->entryCount(), 2); // only the 512 x 512 image qualifies
        QCOMPARE(node->imageResolution(), QStringLiteral("512 x 512"));
        QCOMPARE(node->imageType(), QStringLiteral("PNG"));
        QVERIFY(node->imageSize().endsWith("byte(s)") || node->imageSize().endsWith("KB"));

        QSignalSpy notFit(node, &LWPropImageButtonViewModel::signalTextureSizeNotFit);
        QSignalSpy unreadable(node, &LWPropImageButtonViewModel::signalunRecognizedImage);
        m_dialogs->answer = {QUrl::fromLocalFile(m_dir.filePath("blush.png"))};
        node->onClickButton();
        QCOMPARE(notFit.count(), 1);
        QCOMPARE(notFit.first().first().toString(), QStringLiteral("Size should be 512 x 512"));
        LW_COMPARE_JSON(root->value(), json(R"({"filter_resources":"bbbb"})"));

        QFile text(m_dir.filePath("notes.png"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not an image");
        text.close();
        m_dialogs->answer = {QUrl::fromLocalFile(text.fileName())};
        node->onClickButton();
        QCOMPARE(unreadable.count(), 1);
        QCOMPARE(unreadable.first().first().toString(), QStringLiteral("Image unable to parse"));

        const QString big = writeImage(m_dir, "big.png", QSize(512, 512));
        m_dialogs->answer = {QUrl::fromLocalFile(big)};
        node->onClickButton();
        QCOMPARE(root->value().toObject().value("filter_resources").toString(), m_library->imported.last());
    }

    void textureButton()
    {
        auto root = build(entryProfile({component("LWPropType2DTextureButton", "texture2d",
                                                  {{"buttonWidth", 200}, {"buttonHeight", 180}})}),
                          json(R"({"texture2d":"cccc"})"));
        auto *node = qobject_cast<LWProp2DTextureButtonViewModel *>(root->children().first().get());
        QCOMPARE(node->height(), 180);
        QCOMPARE(node->itemWidth(), 200);
        QCOMPARE(node->imageCount(), 3);
        QCOMPARE(node->requiredSize(), QSize(40, 40));
        QVERIFY(node->strTexurePath().startsWith("file:///"));
        QVERIFY(node->textureSize().endsWith("KB") && node->textureSize() != "0KB");

        QSignalSpy notFit(node, &LWProp2DTextureButtonViewModel::signalTextureSizeNotFit);
        node->changeTextures({QUrl::fromLocalFile(writeImage(m_dir, "f1.png", QSize(40, 40))),
                              QUrl::fromLocalFile(writeImage(m_dir, "f2.png", QSize(41, 40)))});
        QCOMPARE(notFit.count(), 1);
        QCOMPARE(notFit.first().first().toString(), QStringLiteral("Size of the imported image has to be40x40"));
        QCOMPARE(node->imageCount(), 3);

        QSignalSpy announced(LWInspectorHub::instance(), &LWInspectorHub::inspectorDataChanged);
        const QString a = writeImage(m_dir, "g1.png", QSize(40, 40));
        node->changeTextures({QUrl::fromLocalFile(a), QUrl::fromLocalFile(writeImage(m_dir, "g2.png", QSize(40, 40)))});
        QCOMPARE(node->imageCount(), 2);
        QCOMPARE(announced.count(), 1);
        QCOMPARE(stack()->count(), 0);
        LW_COMPARE_JSON(root->value().toObject().value("texture2d"), QJsonValue(a));

        root->notifyChildren(8, json(R"({"textureClickEnabled":false})"));
        QVERIFY(!node->enabled());
    }

    void textureButtonBoundToAPath()
    {
        const QString path = writeImage(m_dir, "plain.png", QSize(20, 10));
        auto root = build(entryProfile({component("LWPropType2DTextureButton", "texture2d")}),
                          QJsonObject{{"texture2d", path}});
        auto *node = qobject_cast<LWProp2DTextureButtonViewModel *>(root->children().first().get());
        QCOMPARE(node->imageCount(), 1);
        QCOMPARE(node->requiredSize(), QSize(20, 10));
        QCOMPARE(node->itemHeight(), 264);
        QCOMPARE(node->labelWidth(), 80);
        auto missing = build(entryProfile({component("LWPropType2DTextureButton", "texture2d")}),
                             json(R"({"texture2d":"/nowhere.png"})"));
        QCOMPARE(missing->children().first()->property("textureSize").toString(), QStringLiteral("0KB"));
    }

    void imageView()
    {
        auto root = build(entryProfile({component("LWPropTypeImageView", "img", {{"label", "Preview"}, {"height", 90}})}),
                          json(R"({"img":{"imageName":"","other":1}})"));
        auto *node = qobject_cast<LWPropImageViewModel *>(root->children().first().get());
        QCOMPARE(node->height(), 90);
        QCOMPARE(node->labelName(), QStringLiteral("Preview"));
        QSignalSpy unreadable(node, &LWPropImageViewModel::signalunRecognizedImage);
        node->changeImage(QUrl::fromLocalFile(m_dir.filePath("missing.png")));
        QCOMPARE(unreadable.count(), 1);
        const QString path = m_dir.filePath("blush.png");
        node->changeImage(QUrl::fromLocalFile(path));
        QCOMPARE(node->imgPath(), QUrl::fromLocalFile(path).toString());
        LW_COMPARE_JSON(root->value(), (QJsonObject{{"img", QJsonObject{{"imageName", path}, {"other", 1}}}}));
    }

    // --- smaller members ----------------------------------------------------------

    void readOnlyMembers_data()
    {
        QTest::addColumn<QJsonObject>("comp");
        QTest::addColumn<QJsonValue>("bound");
        QTest::addColumn<int>("height");
        QTest::addColumn<QJsonValue>("written");
        QTest::newRow("label") << component("LWPropTypeLabel", "l", {{"defaultValue", "HairColor"}}) << QJsonValue()
                               << 26 << json(R"("HairColor")");
        QTest::newRow("label label writes nothing")
            << component("LWPropTypeLabelLabel", "l", {{"value", "shown"}}) << json("5") << 32 << QJsonValue();
        QTest::newRow("sticker frames pass through")
            << component("LWPropTypeStickerFrameUpdater", "l", {{"value", "Frames"}}) << json(R"({"a":[1]})") << 28
            << json(R"({"a":[1]})");
        QTest::newRow("progress") << component("LWPropTypeProgressBar", "l") << json("0.3") << 32 << json("{}");
        QTest::newRow("label button counts clicks") << component("LWPropTypeLabelButton", "l", {{"buttonText", "Go"}})
                                                    << json("4") << 26 << json("4");
    }
    void readOnlyMembers()
    {
        QFETCH(QJsonObject, comp);
        QFETCH(QJsonValue, bound);
        QFETCH(int, height);
        QFETCH(QJsonValue, written);
        QJsonObject data;
        if (!bound.isUndefined())
            data.insert("l", bound);
        auto root = build(entryProfile({comp}), data);
        QCOMPARE(root->children().first()->height(), height);
        LW_COMPARE_JSON(root->value().toObject().value("l"), written);
    }

    void labelButtonClick()
    {
        auto root = build(entryProfile({component("LWPropTypeLabelButton", "clickValue", {{"buttonText", "Go"}})}),
                          json(R"({"clickValue":4})"));
        auto *node = qobject_cast<LWPropLabelButtonViewModel *>(root->children().first().get());
        QCOMPARE(node->buttonText(), QStringLiteral("Go"));
        node->clicked();
        LW_COMPARE_JSON(root->value(), json(R"({"clickValue":5})"));
    }

    void particleColoursPanel()
    {
        auto root = build(entryProfile({component("LWPropTypeOpenPanel", "colors",
                                                  {{"panelType", "LWPopupPanelTypeParticleAffectorColors"}})}),
                          json(R"({"colors":[{"label":"start","color":"ff0000"},{"label":"end","color":"0000ff"}]})"));
        auto *open = qobject_cast<LWPropOpenPanelViewModel *>(root->children().first().get());
        auto *panel = qobject_cast<LWParticleAffectorColorsPanelModel *>(open->contentItem());
        QVERIFY(panel);
        QCOMPARE(panel->color(), QStringLiteral("#34383C"));
        QCOMPARE(panel->listViewModel()->rows().size(), 2);
        QCOMPARE(panel->height(), 64);
        QCOMPARE(open->popupHeight(), 64);
        QCOMPARE(panel->children().first()->name(), QStringLiteral("start"));
        panel->children().at(1)->setProperty("colorValue", QColor(0, 255, 0));
        LW_COMPARE_JSON(root->value(),
                        json(R"({"colors":[{"color":"ff0000","label":"start"},{"color":"00ff00","label":"end"}]})"));
        stack()->undo();
        LW_COMPARE_JSON(root->value().toObject().value("colors").toArray().at(1).toObject().value("color"),
                        json(R"("0000ff")"));

        auto unbound = build(entryProfile({component("LWPropTypeOpenPanel", "colors",
                                                     {{"panelType", "LWPopupPanelTypeParticleAffectorColors"}})}),
                             json("{}"));
        LW_COMPARE_JSON(unbound->value(), json("{}"));
        auto none = build(entryProfile({component("LWPropTypeOpenPanel", "x", {{"panelType", "LWPopupPanelTypeNone"}})}),
                          json(R"({"x":1})"));
        QVERIFY(!qobject_cast<LWPropOpenPanelViewModel *>(none->children().first().get())->contentItem());
        LW_COMPARE_JSON(none->value(), json("{}"));
    }

    void modelTextureInfoPanel()
    {
        auto root = build(entryProfile({component("LWPropTypeOpenPanel", "tex",
                                                  {{"panelType", "LWPopupPanelTypeModelAnimTextureInfo"}})}),
                          json(R"({"tex":{"textureSamplerName":"uTex","textureNum":3,
                                          "texturePathFormat":"model/resource/anim/anim_%d.png"}})"));
        auto *open = qobject_cast<LWPropOpenPanelViewModel *>(root->children().first().get());
        auto *panel = qobject_cast<LW3DModelTextureInfoPanelModel *>(open->contentItem());
        QVERIFY(panel);
        QCOMPARE(panel->height(), 200);
        QCOMPARE(panel->textures().size(), 3);
        // Textures that are not on disk show no thumbnail.
        QVERIFY(qobject_cast<LWPropOptionItemModel *>(panel->textures().at(2))->iconPath().isEmpty());
        LW_COMPARE_JSON(root->value(),
                        json(R"({"tex":{"textureNum":3,"texturePathFormat":"model/resource/anim/anim_%d.png","textureSamplerName":"uTex"}})"));

        QTemporaryDir dir;
        QImage frame(4, 4, QImage::Format_ARGB32);
        frame.fill(Qt::green);
        QVERIFY(frame.save(dir.filePath("anim_1.png")));
        const QString format = dir.filePath("anim_%d.png");
        auto present = build(entryProfile({component("LWPropTypeOpenPanel", "tex",
                                                     {{"panelType", "LWPopupPanelTypeModelAnimTextureInfo"}})}),
                             QJsonObject{{"tex", QJsonObject{{"textureSamplerName", "uTex"}, {"textureNum", 2},
                                                             {"texturePathFormat", format}}}});
        auto *shown = qobject_cast<LW3DModelTextureInfoPanelModel *>(
            qobject_cast<LWPropOpenPanelViewModel *>(present->children().first().get())->contentItem());
        QVERIFY(qobject_cast<LWPropOptionItemModel *>(shown->textures().at(0))->iconPath().isEmpty());
        QCOMPARE(qobject_cast<LWPropOptionItemModel *>(shown->textures().at(1))->iconPath(),
                 QUrl::fromLocalFile(dir.filePath("anim_1.png")).toString());
    }
};

LW_TEST_MAIN(TstInspectorProps)
#include "tst_inspectorprops.moc"
