// The sticker document, its parts, their panel and their placement on the
// standard faces, without a project around them.

#include "LWStickerTestKit.h"
#include "LWTestMain.h"
#include "features/sticker2d/LW2DStickerPartData.h"
#include "features/sticker2d/LW2DStickerPartInspector.h"
#include "features/sticker2d/NS2DStickerParameter.h"
#include "inspector/LWPropOptionViewModel.h"
#include "features/sticker2d/LW2DStickerPartSceneViewModel.h"
#include "undo/LWUndoStack.h"

#include <QPainter>
#include <QSignalSpy>
#include <cmath>
#include <memory>

using namespace LWStickerTestKit;
using NS2DStickerParameter::faceTypeData;

namespace {

// A sticker of the human face with no feature around it.
struct Fixture
{
    LW2DStickerPartSceneViewModel scene;
    LW2DSticker sticker{nullptr};

    Fixture() { sticker.setScene(&scene); }

    LW2DStickerPart *read(const QJsonObject &part, const QString &key = "ears")
    {
        sticker.load(QJsonObject{{"version", "1.1"}, {"parts", QJsonObject{{key, part}}}}, {});
        return sticker.modelAt(0);
    }
    QJsonObject written(bool project = false) const
    {
        LW2DSticker::WriteContext context;
        context.projectKeys = project;
        return sticker.write(context);
    }
};

QPointF facePoint(int index)
{
    return faceTypeData(NS2DStickerParameter::FaceTypeHuman).point(index);
}

double distance(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

} // namespace

class TstSticker2D : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { LWUndoStack::instance()->clear(); }

    // --- standard faces --------------------------------------------------------------

    void standardFaces_data()
    {
        QTest::addColumn<int>("faceType");
        QTest::addColumn<int>("points");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("leftCorner");
        QTest::addColumn<QList<int>>("eyes");
        QTest::newRow("human") << int(NS2DStickerParameter::FaceTypeHuman) << 108 << QSize(720, 1280) << 106
                               << QList<int>{74, 77};
        QTest::newRow("cat") << int(NS2DStickerParameter::FaceTypeCat) << 84 << QSize(520, 924) << 82
                             << QList<int>{80, 81};
    }
    void standardFaces()
    {
        QFETCH(int, faceType);
        QFETCH(int, points);
        QFETCH(QSize, size);
        QFETCH(int, leftCorner);
        QFETCH(QList<int>, eyes);
        const auto &face = faceTypeData(faceType);
        QCOMPARE(face.keyPoints.size(), points);
        QCOMPARE(face.standardSize, size);
        QCOMPARE(QImage(face.standardImage.mid(3)).size(), size); // "qrc:/x" is ":/x"
        // The foreground area is the top screen corners.
        QCOMPARE(face.point(leftCorner), QPointF(0, 0));
        QCOMPARE(face.point(leftCorner + 1), QPointF(size.width(), 0));
        QCOMPARE(face.traceRegion(NS2DStickerParameter::TraceRegionForeground), (QList<int>{leftCorner, leftCorner + 1}));
        QCOMPARE(face.traceRegion(NS2DStickerParameter::TraceRegionEyes), eyes);
        QCOMPARE(face.regionOf(eyes), int(NS2DStickerParameter::TraceRegionEyes));
        QCOMPARE(face.regionOf({eyes.at(1), eyes.at(0)}), -1);
        QCOMPARE(face.traceRegions.size(), int(NS2DStickerParameter::TraceRegionCount));
        QCOMPARE(faceTypeData(2).keyPoints.size(), 0);
    }

    // Draws each tracking area of the human face onto its picture, numbered
    // by area, for a person to look at: the eyes on the pupils, the nose on
    // its tip, the ears at the ears and so on.
    void trackingAreasDrawnOnTheFace()
    {
        for (int faceType : {0, 1}) {
            const auto &face = faceTypeData(faceType);
            QImage picture(face.standardImage.mid(3));
            QVERIFY(!picture.isNull());
            picture = picture.convertToFormat(QImage::Format_ARGB32);
            QPainter painter(&picture);
            painter.setRenderHint(QPainter::Antialiasing);
            QFont font = painter.font();
            font.setPixelSize(16);
            painter.setFont(font);
            for (int region = 1; region < face.traceRegions.size(); ++region) {
                const QColor color = QColor::fromHsv((region * 33) % 360, 255, 230);
                for (int index : face.traceRegion(region)) {
                    QVERIFY(face.hasPoint(index));
                    const QPointF p = face.point(index);
                    QVERIFY(QRectF(QPointF(0, 0), face.standardSize).contains(p));
                    painter.setPen(QPen(Qt::black, 1));
                    painter.setBrush(color);
                    painter.drawEllipse(p, 6, 6);
                    painter.setPen(color);
                    painter.drawText(p + QPointF(8, -8), QString::number(region));
                }
            }
            painter.end();
            const QString path = QCoreApplication::applicationDirPath()
                                 + QStringLiteral("/sticker2d-areas-%1.png").arg(faceType == 0 ? "human" : "cat");
            QVERIFY(picture.save(path));
        }
    }

    // --- reading -------------------------------------------------------------------

    void badDocumentsGiveDefaults_data()
    {
        QTest::addColumn<QJsonObject>("document");
        QTest::addColumn<int>("parts");
        QTest::newRow("empty") << QJsonObject() << 0;
        QTest::newRow("parts not an object") << QJsonObject{{"parts", QJsonArray{1, 2}}} << 0;
        QTest::newRow("parts a string") << QJsonObject{{"version", 3}, {"parts", "ears"}} << 0;
        QTest::newRow("part not an object") << QJsonObject{{"parts", QJsonObject{{"ears", 5}}}} << 1;
        QTest::newRow("wrong types") << QJsonObject{{"parts", QJsonObject{{"ears", QJsonObject{
            {"position", "x"}, {"rotateCenter", 4}, {"scale", QJsonArray()}, {"width", "wide"},
            {"triggerLoop", "many"}, {"enable", 1}, {"alphaFactor", true}, {"messageInfo", QJsonObject()}}}}}} << 1;
    }
    void badDocumentsGiveDefaults()
    {
        QFETCH(QJsonObject, document);
        QFETCH(int, parts);
        Fixture f;
        f.sticker.load(document, {});
        QCOMPARE(f.sticker.modelCount(), parts);
        QCOMPARE(f.sticker.version(), QString("1.1"));
        QVERIFY(!f.sticker.hasBackgroundEdge());
        if (!parts)
            return;
        const LW2DStickerPartData &d = f.sticker.modelAt(0)->partData();
        QCOMPARE(d.title, QString("ears"));
        QCOMPARE(d.width, 300.0);
        QCOMPARE(d.height, 300.0);
        QCOMPARE(d.positionType, 1);
        QCOMPARE(d.positionRelationType, 1);
        QCOMPARE(d.triggerLoop, 0);
        QCOMPARE(d.frameCount, 0);
        QCOMPARE(d.enable, true);
        QCOMPARE(d.alphaFactor, 1.0);
        QCOMPARE(d.zPosition, 404);
        QVERIFY(d.anchors.positionX.isEmpty());
        QCOMPARE(d.anchors.rotateCenter, LW2DStickerAnchor());
        QVERIFY(d.messageInfo.isEmpty());
        // Whatever came in, the part is written with every key.
        const QJsonObject written = partsByZ(f.written()).value(0);
        QCOMPARE(written.keys().size(), 18);
    }

    void anchorsRead_data()
    {
        QTest::addColumn<QJsonValue>("stored");
        QTest::addColumn<int>("index");
        QTest::addColumn<QPointF>("pos");
        QTest::newRow("plain") << QJsonValue(anchor(46, 1.5, -2)) << 46 << QPointF(1.5, -2);
        QTest::newRow("no index") << QJsonValue(QJsonObject{{"x", 3}, {"y", 4}}) << -1 << QPointF(3, 4);
        QTest::newRow("engine left corner") << QJsonValue(anchor(1000, 0, 0)) << 82 << QPointF(0, 0);
        QTest::newRow("engine right corner") << QJsonValue(anchor(1001, 9, 0)) << 83 << QPointF(9, 0);
        QTest::newRow("negative index") << QJsonValue(anchor(-7, 1, 1)) << -1 << QPointF(1, 1);
        QTest::newRow("index text") << QJsonValue(QJsonObject{{"index", "74"}, {"x", 1}}) << -1 << QPointF(1, 0);
        QTest::newRow("huge index") << QJsonValue(QJsonObject{{"index", 1e300}}) << 2147483647 << QPointF(0, 0);
        QTest::newRow("not an object") << QJsonValue(12) << -1 << QPointF(0, 0);
    }
    void anchorsRead()
    {
        QFETCH(QJsonValue, stored);
        QFETCH(int, index);
        QFETCH(QPointF, pos);
        const LW2DStickerAnchor a = LW2DStickerAnchor::fromJson(stored);
        QCOMPARE(a.index, index);
        QCOMPARE(a.pos(), pos);
        // No index is written as no "index" key.
        QCOMPARE(a.toJson().contains("index"), index >= 0);
    }

    void triggerLoopClamped_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("read");
        QTest::addColumn<int>("shown");
        QTest::newRow("-3") << -3 << 9999 << 0;
        QTest::newRow("0") << 0 << 0 << 0;
        QTest::newRow("10") << 10 << 10 << 10;
        QTest::newRow("11") << 11 << 10 << 10;
        QTest::newRow("25") << 25 << 10 << 10;
        QTest::newRow("9998") << 9998 << 10 << 10;
        QTest::newRow("9999") << 9999 << 9999 << 0;
        QTest::newRow("10000") << 10000 << 10000 << 0;
    }
    void triggerLoopClamped()
    {
        QFETCH(int, stored);
        QFETCH(int, read);
        QFETCH(int, shown);
        Fixture f;
        LW2DStickerPart *p = f.read(part(5000, {{"triggerLoop", stored}}));
        QCOMPARE(p->partData().triggerLoop, read);
        QCOMPARE(LW2DStickerPartInspector::toInspector(p->partData(), -1, 0).value("triggerLoop").toInt(), shown);
        QCOMPARE(partsByZ(f.written()).value(0).value("triggerLoop").toInt(), read);
    }

    // The row is the drawing order: written 5000 down, read back by sorting.
    void zPositionRoundTrip()
    {
        Fixture f;
        f.sticker.load(QJsonObject{{"parts", QJsonObject{{"a", part(4998)}, {"b", part(5000)},
                                                          {"c", part(4997)}, {"d", part(4999)}}}},
                       {});
        QCOMPARE(titles(&f.sticker), (QStringList{"b", "d", "a", "c"}));
        QStringList keys;
        const QList<QJsonObject> written = partsByZ(f.written(true), &keys);
        QList<int> z;
        QStringList writtenTitles;
        for (const QJsonObject &p : written) {
            z << p.value("zPosition").toInt();
            writtenTitles << p.value("title").toString();
        }
        QCOMPARE(z, (QList<int>{5000, 4999, 4998, 4997}));
        QCOMPARE(writtenTitles, (QStringList{"b", "d", "a", "c"}));

        Fixture back;
        LW2DSticker::LoadContext project;
        project.fromProject = true;
        back.sticker.load(f.written(true), project);
        QCOMPARE(titles(&back.sticker), (QStringList{"b", "d", "a", "c"}));
    }

    // What the editor does not touch comes back as it was read.
    void storedRecordsKept()
    {
        const QJsonObject edge{{"color", 255}, {"displayFrames", 3}, {"enable", true}, {"triggerDelay", 2},
                               {"triggerType", 4}, {"width", 90}, {"zPosition", 1}};
        const QJsonArray messages{QJsonObject{{"key", "open"}, {"role", 1}, {"operation", 2}, {"action", 3}}};
        const QJsonArray positionY{anchor(46, 5, 6)};
        Fixture f;
        f.sticker.load(QJsonObject{{"version", "1.0"},
                                   {"backgroundEdge", edge},
                                   {"parts", QJsonObject{{"ears", part(5000, {{"messageInfo", messages},
                                       {"position", QJsonObject{{"positionX", QJsonArray{anchor(74, 1, 2)}},
                                                                {"positionY", positionY}}}})}}}},
                       {});
        const QJsonObject written = f.written();
        QCOMPARE(written.value("version").toString(), QString("1.0"));
        QCOMPARE(written.value("backgroundEdge").toObject(), edge);
        const QJsonObject p = partsByZ(written).value(0);
        QCOMPARE(p.value("messageInfo").toArray(), messages);
        QCOMPARE(p.value("position").toObject().value("positionY").toArray(), positionY);
        // No messages, no key; a new document has no edge record.
        Fixture plain;
        plain.read(part(5000));
        QVERIFY(!partsByZ(plain.written()).value(0).contains("messageInfo"));
        QVERIFY(!plain.written().contains("backgroundEdge"));
    }

    void projectKeysOnlyInProjects()
    {
        Fixture f;
        LW2DStickerPart *p = f.read(part(5000));
        p->setTitle("Left ear");
        p->setChecked(false);
        const QJsonObject project = partsByZ(f.written(true)).value(0);
        QCOMPARE(project.value("title").toString(), QString("Left ear"));
        QCOMPARE(project.value("checked").toBool(true), false);
        QVERIFY(project.contains("resourceId"));
        // An export leaves the unchecked part out altogether.
        QVERIFY(f.written().value("parts").toObject().isEmpty());
        p->setChecked(true);
        const QJsonObject exported = partsByZ(f.written()).value(0);
        for (const char *key : {"title", "checked", "resourceId"})
            QVERIFY(!exported.contains(key));
    }

    // --- names -----------------------------------------------------------------------

    void untitledNamesAreUnique_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("given");
        QTest::newRow("free") << QStringList{"ears"} << "Untitled" << "Untitled";
        QTest::newRow("taken") << QStringList{"Untitled"} << "Untitled" << "Untitled_2";
        QTest::newRow("two taken") << QStringList{"Untitled", "Untitled_2"} << "Untitled" << "Untitled_3";
        QTest::newRow("numbered") << QStringList{"Untitled_7"} << "Untitled_7" << "Untitled_8";
        QTest::newRow("gap kept") << QStringList{"Untitled", "Untitled_3"} << "Untitled" << "Untitled_2";
        QTest::newRow("underscore word") << QStringList{"cat_ears"} << "cat_ears" << "cat_ears_2";
    }
    void untitledNamesAreUnique()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, wanted);
        QFETCH(QString, given);
        Fixture f;
        for (const QString &title : existing) {
            LW2DStickerPartData d;
            d.title = title;
            f.sticker.insertPart(f.sticker.modelCount(), d);
        }
        QCOMPARE(f.sticker.uniqueModelName(wanted), given);
    }

    // --- panel -----------------------------------------------------------------------

    void panelShowsEngineValues_data()
    {
        QTest::addColumn<QJsonObject>("stored");
        QTest::addColumn<QJsonObject>("shown");
        QTest::newRow("defaults") << QJsonObject()
                                  << QJsonObject{{"indexOfPositionType", 1}, {"triggerAction", 0}, {"triggerType", 0},
                                                 {"optionIndex", 0}, {"blendMode", 0}, {"filterTransparentRegion", true},
                                                 {"textureResId", "__LWOptionNone"}};
        QTest::newRow("position 512") << QJsonObject{{"positionType", 512}} << QJsonObject{{"indexOfPositionType", 4}};
        QTest::newRow("position 65536") << QJsonObject{{"positionType", 65536}} << QJsonObject{{"indexOfPositionType", 5}};
        QTest::newRow("blink appears") << QJsonObject{{"triggerType", 2}}
                                       << QJsonObject{{"triggerAction", 1}, {"triggerType", 1}, {"optionIndex", 1}};
        QTest::newRow("hand while it lasts") << QJsonObject{{"triggerType", 53}, {"triggerStop", true}, {"triggerRestart", true}}
                                             << QJsonObject{{"triggerAction", 6}, {"triggerType", 2}};
        QTest::newRow("nod hides") << QJsonObject{{"triggerType", 16}, {"triggerStop", true}, {"triggerDisappear", true}}
                                   << QJsonObject{{"triggerAction", 4}, {"triggerType", 3}, {"triggerDisappear", true}};
        QTest::newRow("screen, filtered") << QJsonObject{{"blendMode", 1008}}
                                          << QJsonObject{{"blendMode", 8}, {"filterTransparentRegion", true}};
        QTest::newRow("screen, unfiltered") << QJsonObject{{"blendMode", 8}}
                                            << QJsonObject{{"blendMode", 8}, {"filterTransparentRegion", false}};
    }
    void panelShowsEngineValues()
    {
        QFETCH(QJsonObject, stored);
        QFETCH(QJsonObject, shown);
        const LW2DStickerPartData d = LW2DStickerPartData::fromJson("ears", stored, false);
        const QJsonObject panel = LW2DStickerPartInspector::toInspector(d, 1, 0);
        for (auto it = shown.begin(); it != shown.end(); ++it)
            QVERIFY2(panel.value(it.key()) == it.value(), qPrintable(it.key()));
        QCOMPARE(panel.value("faceTraceRegion").toInt(), 1);
    }

    // An edit in the panel reaches the part in engine numbers, undo takes it
    // back, and the panel assembles what was edited.
    void panelEditsReachThePart_data()
    {
        QTest::addColumn<int>("page");         // trigger page to open first, -1 none
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QJsonObject>("expected"); // engine keys as written
        QTest::addColumn<QJsonValue>("assembled");  // the member in the panel's value
        QTest::newRow("blend 5 filtered") << -1 << "blendMode" << "optionIndex" << QVariant(5)
                                          << QJsonObject{{"blendMode", 1005}} << QJsonValue(5);
        QTest::newRow("filter off") << -1 << "filterTransparentRegion" << "checked" << QVariant(false)
                                    << QJsonObject{{"blendMode", 0}} << QJsonValue(false);
        QTest::newRow("position type 4") << -1 << "indexOfPositionType" << "optionIndex" << QVariant(4)
                                         << QJsonObject{{"positionType", 512}} << QJsonValue(4);
        QTest::newRow("opacity") << -1 << "alphaFactor" << "floatValue" << QVariant(0.5)
                                 << QJsonObject{{"alphaFactor", 0.5}} << QJsonValue(0.5);
        QTest::newRow("frames") << -1 << "frameCount" << "intValue" << QVariant(12)
                                << QJsonObject{{"frameCount", 12}} << QJsonValue(12);
        QTest::newRow("loops") << 0 << "triggerLoop" << "intValue" << QVariant(3) << QJsonObject{{"triggerLoop", 3}} << QJsonValue(3);
        QTest::newRow("nod appears") << 1 << "triggerAction" << "optionIndex" << QVariant(3)
                                     << QJsonObject{{"triggerType", 16}, {"triggerStop", false}} << QJsonValue(4);
        QTest::newRow("hand appears") << 1 << "triggerAction" << "optionIndex" << QVariant(5)
                                      << QJsonObject{{"triggerType", 53}} << QJsonValue(6);
        QTest::newRow("delay") << 1 << "triggerDelay" << "intValue" << QVariant(400)
                               << QJsonObject{{"triggerDelay", 400}, {"triggerType", 2}} << QJsonValue(400);
    }
    void panelEditsReachThePart()
    {
        QFETCH(int, page);
        QFETCH(QString, id);
        QFETCH(QString, property);
        QFETCH(QVariant, value);
        QFETCH(QJsonObject, expected);
        QFETCH(QJsonValue, assembled);
        Fixture f;
        LW2DStickerPart *p = f.read(part(5000, {{"triggerLoop", 1}}));
        const QJsonObject before = partsByZ(f.written()).value(0);
        LWQmlViewModel *root = p->inspectorViewModel().get();
        if (page >= 0) {
            triggerSection(root)->setOptionIndex(page);
            p->naviTreeItemInspectorDataChanged();
        }
        const QJsonObject afterPage = partsByZ(f.written()).value(0);
        LWQmlViewModel *control = node(root, id);
        QVERIFY2(control, qPrintable(id));
        const int steps = LWUndoStack::instance()->count();
        QVERIFY(control->setProperty(qPrintable(property), value));
        QCOMPARE(LWUndoStack::instance()->count(), steps + 1);
        p->naviTreeItemInspectorDataChanged();

        const QJsonObject after = partsByZ(f.written()).value(0);
        for (auto it = expected.begin(); it != expected.end(); ++it)
            QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key() + " " + QString::number(after.value(it.key()).toDouble())));
        // The panel assembles exactly what was edited.
        QCOMPARE(root->value().toObject().value(id), assembled);

        LWUndoStack::instance()->undo();
        p->naviTreeItemInspectorDataChanged();
        QCOMPARE(partsByZ(f.written()).value(0), afterPage);
        LWUndoStack::instance()->redo();
        p->naviTreeItemInspectorDataChanged();
        QCOMPARE(partsByZ(f.written()).value(0), after);
        if (page < 0)
            QCOMPARE(afterPage, before);
    }

    void triggerModesSetTheFlags_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QJsonObject>("expected");
        QTest::newRow("none") << 0 << QJsonObject{{"triggerType", 0}, {"triggerStop", false}, {"triggerDisappear", false},
                                                  {"triggerRestart", false}, {"triggerLoop", 2}};
        QTest::newRow("appear") << 1 << QJsonObject{{"triggerType", 4}, {"triggerStop", false}, {"triggerDisappear", false},
                                                    {"triggerRestart", false}, {"triggerLoop", 2}};
        QTest::newRow("appear while") << 2 << QJsonObject{{"triggerType", 4}, {"triggerStop", true},
                                                          {"triggerDisappear", false}, {"triggerRestart", true},
                                                          {"triggerLoop", 0}};
        QTest::newRow("disappear while") << 3 << QJsonObject{{"triggerType", 4}, {"triggerStop", true},
                                                             {"triggerDisappear", true}, {"triggerRestart", false},
                                                             {"triggerLoop", 0}};
    }
    void triggerModesSetTheFlags()
    {
        QFETCH(int, mode);
        QFETCH(QJsonObject, expected);
        Fixture f;
        LW2DStickerPart *p = f.read(part(5000, {{"triggerType", 4}, {"triggerLoop", 2}}));
        QCOMPARE(p->partData().triggerMode, 1);
        triggerSection(p->inspectorViewModel().get())->setOptionIndex(mode);
        p->naviTreeItemInspectorDataChanged();
        const QJsonObject written = partsByZ(f.written()).value(0);
        for (auto it = expected.begin(); it != expected.end(); ++it)
            QVERIFY2(written.value(it.key()) == it.value(), qPrintable(it.key()));
    }

    // Numbers the panel cannot show survive an edit of something else.
    void untouchedValuesSurvive()
    {
        Fixture f;
        LW2DStickerPart *p = f.read(part(5000, {{"positionType", 3}, {"triggerLoop", -1}, {"triggerType", 99}}));
        node(p->inspectorViewModel().get(), "alphaFactor")->setProperty("floatValue", 0.25);
        p->naviTreeItemInspectorDataChanged();
        const QJsonObject written = partsByZ(f.written()).value(0);
        QCOMPARE(written.value("alphaFactor").toDouble(), 0.25);
        QCOMPARE(written.value("positionType").toInt(), 3);
        QCOMPARE(written.value("triggerLoop").toInt(), 9999);
        QCOMPARE(written.value("triggerType").toInt(), 99);
    }

    // --- placement -------------------------------------------------------------------

    void placementOnTheFace()
    {
        Fixture f;
        LW2DStickerPart *p = f.read(part(5000));
        // Image anchors 120 px apart pinned to the eyes.
        const double s = distance(facePoint(74), facePoint(77)) / 120.0;
        QCOMPARE(p->partScale(), s);
        QCOMPARE(p->framePos(), facePoint(74) - s * QPointF(100, 120));
        QCOMPARE(p->listTracePoint(), (QList<int>{74, 77}));
        // Scale anchors on one pixel give no scale.
        LW2DStickerPart *flat = f.read(part(5000, {{"scale", QJsonObject()}}));
        QCOMPARE(flat->partScale(), 1.0);
    }

    void moveAndScaleAreUndoneExactly()
    {
        Fixture f;
        LW2DStickerPart *p = f.read(part(5000));
        auto *stack = LWUndoStack::instance();
        const LW2DStickerAnchors original = p->anchors();
        const double scale = p->partScale();
        QSignalSpy moved(p, &LW2DStickerPart::framePosChanged);

        p->setFramePos(QPointF(10.3, 20.7));
        QCOMPARE(stack->count(), 1);
        QVERIFY(std::abs(p->framePos().x() - 10.3) < 1e-9 && std::abs(p->framePos().y() - 20.7) < 1e-9);
        QCOMPARE(p->partScale(), scale);
        QCOMPARE(moved.size(), 1);
        const LW2DStickerAnchors movedAnchors = p->anchors();
        QVERIFY(movedAnchors != original);
        // Every anchor moved by the same image shift.
        const QPointF d = movedAnchors.rotateCenter.pos() - original.rotateCenter.pos();
        QVERIFY(std::abs((movedAnchors.scaleB.pos() - original.scaleB.pos() - d).manhattanLength()) < 1e-9);

        p->setPartScale(scale * 1.7);
        QCOMPARE(stack->count(), 2);
        QVERIFY(std::abs(p->partScale() - scale * 1.7) < 1e-9);
        QVERIFY(std::abs((p->framePos() - QPointF(10.3, 20.7)).manhattanLength()) < 1e-9);

        stack->undo();
        QCOMPARE(p->anchors(), movedAnchors);
        stack->undo();
        QCOMPARE(p->anchors(), original);
        stack->redo();
        QCOMPARE(p->anchors(), movedAnchors);
        stack->redo();
        QVERIFY(std::abs(p->partScale() - scale * 1.7) < 1e-9);
    }

    void movesThatChangeNothing()
    {
        Fixture f;
        LW2DStickerPart *p = f.read(part(5000));
        auto *stack = LWUndoStack::instance();
        p->setFramePos(p->framePos());
        p->setFramePos(p->framePos() + QPointF(1e-7, 0));
        QCOMPARE(stack->count(), 0);
        // The same scale is still a step; a scale that is no scale is none.
        p->setPartScale(p->partScale());
        QCOMPARE(stack->count(), 1);
        for (double bad : {0.0, -2.0, qInf(), qQNaN()})
            p->setPartScale(bad);
        QCOMPARE(stack->count(), 1);
        // A command whose part has gone does nothing.
        p->setFramePos(QPointF(1, 1));
        f.sticker.load({}, {});
        stack->undo();
        stack->redo();
    }

    void trackingAreaChangeKeepsExistingAnchors()
    {
        Fixture f;
        // Follows only the left eye so far.
        LW2DStickerPart *p = f.read(part(5000, {{"position", QJsonObject{{"positionX", QJsonArray{anchor(74, 100, 120)}}}}}));
        const double s = p->partScale();
        QCOMPARE(p->trackingArea(), -1);
        QSignalSpy traces(p, &LW2DStickerPart::listTracePointChanged);
        p->changeTrackingArea(NS2DStickerParameter::TraceRegionEyes);
        QCOMPARE(p->listTracePoint(), (QList<int>{74, 77}));
        QCOMPARE(p->anchors().positionX.at(0), LW2DStickerAnchor::fromJson(anchor(74, 100, 120)));
        QCOMPARE(p->anchors().positionX.at(1).pos(), QPointF(100, 120) + (facePoint(77) - facePoint(74)) / s);
        QCOMPARE(traces.size(), 1);
        // Another area: its points placed from the first anchor; the scale
        // anchors stay.
        const LW2DStickerAnchors before = p->anchors();
        p->changeTrackingArea(NS2DStickerParameter::TraceRegionNose);
        QCOMPARE(p->listTracePoint(), QList<int>{46});
        QCOMPARE(p->anchors().positionX.at(0).pos(), QPointF(100, 120) + (facePoint(46) - facePoint(74)) / s);
        QCOMPARE(p->anchors().scaleA, before.scaleA);
        QCOMPARE(p->trackingArea(), int(NS2DStickerParameter::TraceRegionNose));

        // The cat face has no nose area: the part keeps what it follows.
        f.scene.setFaceType(NS2DStickerParameter::FaceTypeCat);
        p->changeTrackingArea(NS2DStickerParameter::TraceRegionChin);
        QCOMPARE(p->listTracePoint(), QList<int>{46});
    }

    void trackingAreaFromThePanel()
    {
        Fixture f;
        LW2DStickerPart *p = f.read(part(5000));
        LWQmlViewModel *region = node(p->inspectorViewModel().get(), "faceTraceRegion");
        QCOMPARE(region->property("optionIndex").toInt(), int(NS2DStickerParameter::TraceRegionEyes));
        region->setProperty("optionIndex", int(NS2DStickerParameter::TraceRegionChin));
        p->naviTreeItemInspectorDataChanged();
        QCOMPARE(p->listTracePoint(), (QList<int>{11, 21}));
        LWUndoStack::instance()->undo();
        p->naviTreeItemInspectorDataChanged();
        QCOMPARE(p->listTracePoint(), (QList<int>{74, 77}));
    }

    void faceTypeOfTheScene()
    {
        Fixture f;
        LW2DStickerPart *p = f.read(part(5000));
        QCOMPARE(f.scene.qmlFaceType(), QString("QMLFaceTypeHuman"));
        QSignalSpy moved(p, &LW2DStickerPart::framePosChanged);
        QObject::connect(&f.scene, &LW2DStickerPartSceneViewModel::faceTypeChanged, p,
                         &LW2DStickerPart::notifyGeometryChanged);
        f.scene.setFaceType(NS2DStickerParameter::FaceTypeCat);
        QCOMPARE(f.scene.qmlFaceType(), QString("QMLFaceTypeCat"));
        QCOMPARE(f.scene.keyPoints().size(), 84);
        QCOMPARE(moved.size(), 1);
        // The same ids are other points of the cat face.
        const auto &cat = faceTypeData(NS2DStickerParameter::FaceTypeCat);
        QCOMPARE(p->partScale(), distance(cat.point(74), cat.point(77)) / 120.0);
        f.scene.setFaceType(2);
        QCOMPARE(f.scene.qmlFaceType(), QString("QMLFaceTypeUnknow"));
        QVERIFY(f.scene.backgroundImage().isEmpty());
    }
};

LW_TEST_MAIN(TstSticker2D)
#include "tst_sticker2d.moc"
