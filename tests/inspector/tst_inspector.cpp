#include "LWInspectorTestSupport.h"
#include "LWTestMain.h"

#include "inspector/LWFaceIndexModel.h"
#include "inspector/LWInspectorHub.h"
#include "inspector/LWListViewListModel.h"
#include "inspector/LWListViewModel.h"
#include "inspector/LWPropColorViewModel.h"
#include "inspector/LWPropFloatRangeViewModel.h"
#include "inspector/LWPropOptionViewModel.h"
#include "inspector/LWPropVec2ViewModel.h"
#include "inspector/LWQmlViewDataSource.h"
#include "inspector/LWSecCheckViewModel.h"
#include "inspector/LWSecListViewModel.h"
#include "inspector/LWSecPanelViewModel.h"
#include "inspector/LWSecSplitLineViewModel.h"
#include "inspector/LWSecVarListViewModel.h"
#include "undo/LWUndoStack.h"

#include <QSignalSpy>
#include <QTemporaryDir>

using namespace LWInspectorTest;

namespace {

// The owner side of a check section's condition.
class UniformSource : public LWQmlViewDataSource
{
public:
    explicit UniformSource(QJsonArray uniforms)
        : m_uniforms(std::move(uniforms))
    {
    }
    QJsonValue value(QString dataId) override
    {
        return dataId == QLatin1String("uniformDef") ? QJsonValue(m_uniforms) : QJsonValue();
    }

private:
    QJsonArray m_uniforms;
};

QJsonObject component(const char *type, const char *id, const QJsonObject &extra = {})
{
    QJsonObject c = extra;
    c.insert(QStringLiteral("type"), QLatin1String(type));
    if (id)
        c.insert(QStringLiteral("id"), QLatin1String(id));
    return c;
}

QJsonObject sectionRef(const char *sec, const char *id = nullptr, const QJsonObject &extra = {})
{
    QJsonObject c = component("LWSection", id, extra);
    c.insert(QStringLiteral("sec"), QLatin1String(sec));
    return c;
}

QJsonObject section(const char *type, const QJsonArray &components, const QJsonObject &extra = {})
{
    QJsonObject s = extra;
    s.insert(QStringLiteral("sectionType"), QLatin1String(type));
    s.insert(QStringLiteral("components"), components);
    return s;
}

} // namespace

class TstInspector : public QObject
{
    Q_OBJECT

    LWUndoStack *stack() const { return LWUndoStack::instance(); }

private slots:
    void init() { stack()->clear(); }

    // --- building and assembling ------------------------------------------

    void buildModes_data()
    {
        QTest::addColumn<QJsonObject>("profile");
        QTest::addColumn<QJsonValue>("data");
        QTest::addColumn<int>("children");
        QTest::addColumn<QJsonValue>("expected");

        const QJsonObject pointPanel = section("LWSectionTypePanel", {component("LWPropTypeFloat", "x"),
                                                                      component("LWPropTypeFloat", "y")});
        QTest::newRow("plain, id-less nested section merges flat")
            << entryProfile({component("LWPropTypeBool", "on"), sectionRef("SecPoint")}, {{"SecPoint", pointPanel}})
            << json(R"({"on":true,"x":1,"y":2})") << 2 << json(R"({"on":true,"x":1,"y":2})");
        QTest::newRow("plain, nested section bound to a member")
            << entryProfile({sectionRef("SecPoint", "pos")}, {{"SecPoint", pointPanel}})
            << json(R"({"pos":{"x":3,"y":4},"other":1})") << 1 << json(R"({"pos":{"x":3,"y":4}})");

        const QJsonObject list = section("LWSectionTypeList", {sectionRef("SecPoint")}, {{"dataType", "array"}});
        QTest::newRow("array of three keeps order")
            << entryProfile({sectionRef("SecList", "points")}, {{"SecList", list}, {"SecPoint", pointPanel}})
            << json(R"({"points":[{"x":1,"y":2},{"x":3,"y":4},{"x":5,"y":6}]})") << 1
            << json(R"({"points":[{"x":1,"y":2},{"x":3,"y":4},{"x":5,"y":6}]})");
        QTest::newRow("empty array")
            << entryProfile({sectionRef("SecList", "points")}, {{"SecList", list}, {"SecPoint", pointPanel}})
            << json(R"({"points":[]})") << 1 << json(R"({"points":[]})");

        const QJsonObject single = section("LWSectionTypeList", {component("LWPropTypeInt", "n")},
                                           {{"dataType", "singleValueArray"}, {"arrayId", "n"}});
        QTest::newRow("single value array")
            << entryProfile({sectionRef("SecInts", "numbers")}, {{"SecInts", single}})
            << json(R"({"numbers":[4,5,6]})") << 1 << json(R"({"numbers":[4,5,6]})");
        QTest::newRow("id-less single value array goes under its arrayId")
            << entryProfile({sectionRef("SecInts")}, {{"SecInts", single}}) << json(R"([7,8])") << 1
            << json(R"({"n":[7,8]})");

        const QJsonObject grouped = section("LWSectionTypeList", {sectionRef("SecGroup", "a"), sectionRef("SecGroup", "b")},
                                            {{"dataType", "arrayMap"}, {"arrayMapId", "g"}});
        const QJsonObject group = section("LWSectionTypePanel", {component("LWPropTypeLabel", "g"),
                                                                  component("LWPropTypeInt", "v")});
        QTest::newRow("array map groups by member, one entry per component")
            << entryProfile({sectionRef("SecMap", "items")}, {{"SecMap", grouped}, {"SecGroup", group}})
            << json(R"({"items":[{"g":"a","v":1},{"g":"b","v":2}]})") << 1
            << json(R"({"items":[{"a":{"g":"a","v":1}},{"b":{"g":"b","v":2}}]})");
    }
    void buildModes()
    {
        QFETCH(QJsonObject, profile);
        QFETCH(QJsonValue, data);
        QFETCH(int, children);
        QFETCH(QJsonValue, expected);
        auto root = build(profile, data);
        QCOMPARE(root->children().size(), children);
        LW_COMPARE_JSON(root->value(), expected);
        // Assembly has no side effects: a second pull is the same.
        LW_COMPARE_JSON(root->value(), expected);
    }

    void mapKeyWrapsIntoArray()
    {
        auto root = build(entryProfile({component("LWPropTypeLabel", nullptr, {{"mapKey", "names"}, {"dataType", "array"}})}),
                          json(R"({"names":"solo"})"));
        QCOMPARE(root->children().size(), 1);
        LW_COMPARE_JSON(root->children().first()->data(), json(R"(["solo"])"));
    }

    void skipsWhatItCannotBuild_data()
    {
        QTest::addColumn<QJsonObject>("profile");
        QTest::addColumn<int>("children");
        QTest::addColumn<QJsonValue>("expected");
        const QJsonObject ok = component("LWPropTypeInt", "kept");
        QTest::newRow("unknown component type") << entryProfile({component("LWPropTypeBogus", "x"), ok}) << 1
                                                << json(R"({"kept":3})");
        QTest::newRow("vec3 and particle colours make nothing")
            << entryProfile({component("LWPropTypeVec3", "v3"), component("LWPropTypeParticleAffectorColors", "pc"), ok})
            << 1 << json(R"({"kept":3})");
        QTest::newRow("dangling sec") << entryProfile({sectionRef("SecNowhere"), ok}) << 1 << json(R"({"kept":3})");
        QTest::newRow("unknown section type")
            << entryProfile({sectionRef("SecOdd"), ok}, {{"SecOdd", section("LWSectionTypeWobbly", {ok})}}) << 1
            << json(R"({"kept":3})");
        QTest::newRow("section without components")
            << entryProfile({sectionRef("SecBare"), ok}, {{"SecBare", QJsonObject{{"sectionType", "LWSectionTypePanel"}}}})
            << 2 << json(R"({"kept":3})");
        QTest::newRow("section containing itself")
            << entryProfile({sectionRef("SecLoop"), ok},
                            {{"SecLoop", section("LWSectionTypePanel", {sectionRef("SecLoop"), component("LWPropTypeInt", "deep")})}})
            << 2 << json(R"({"deep":0,"kept":3})");
        QTest::newRow("two sections referring to each other")
            << entryProfile({sectionRef("SecA"), ok},
                            {{"SecA", section("LWSectionTypePanel", {sectionRef("SecB")})},
                             {"SecB", section("LWSectionTypePanel", {sectionRef("SecA")})}})
            << 2 << json(R"({"kept":3})");
        QTest::newRow("entry referring to itself")
            << entryProfile({sectionRef("LWEntry"), ok}) << 1 << json(R"({"kept":3})");
        QTest::newRow("component that is not an object")
            << entryProfile({QJsonValue(42), QJsonValue("text"), ok}) << 1 << json(R"({"kept":3})");
    }
    void skipsWhatItCannotBuild()
    {
        QFETCH(QJsonObject, profile);
        QFETCH(int, children);
        QFETCH(QJsonValue, expected);
        auto root = build(profile, json(R"({"kept":3})"));
        QCOMPARE(root->children().size(), children);
        LW_COMPARE_JSON(root->value(), expected);
    }

    void recursiveDataStructureStillBuilds()
    {
        // A tree-shaped document may legitimately reuse its section at every
        // level: only a section shown again with the same data is a loop.
        const QJsonObject node = section("LWSectionTypePanel", {component("LWPropTypeLabel", "name"),
                                                                 sectionRef("SecKids", "kids")});
        const QJsonObject kids = section("LWSectionTypeList", {sectionRef("SecNode")}, {{"dataType", "array"}});
        auto root = build(entryProfile({sectionRef("SecNode", "root")}, {{"SecNode", node}, {"SecKids", kids}}),
                          json(R"({"root":{"name":"a","kids":[{"name":"b","kids":[{"name":"c","kids":[]}]}]}})"));
        LW_COMPARE_JSON(root->value(),
                        json(R"({"root":{"kids":[{"kids":[{"kids":[],"name":"c"}],"name":"b"}],"name":"a"}})"));
    }

    void unreadableProfiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not JSON") << QByteArray("{ this is not json");
        QTest::newRow("JSON array") << QByteArray("[1,2,3]");
        QTest::newRow("entry is not an object") << QByteArray(R"({"LWEntry": 5})");
        QTest::newRow("components not an array") << QByteArray(R"({"LWEntry": {"components": {"type": "LWPropTypeInt"}}})");
    }
    void unreadableProfiles()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath("profile.json");
        if (!content.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        auto root = LWInspectorViewModel::fromProfile(path, json(R"({"a":1})"));
        QVERIFY(root);
        QCOMPARE(root->children().size(), 0);
        QCOMPARE(root->height(), 0);
        LW_COMPARE_JSON(root->value(), json("{}"));
    }

    void profileFollowsLanguageVariant()
    {
        QTemporaryDir dir;
        QFile plain(dir.filePath("p.json"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.write(R"({"LWEntry":{"components":[{"type":"LWPropTypeInt","id":"n","label":"Zahl"}]}})");
        plain.close();
        auto root = LWInspectorViewModel::fromProfile(dir.filePath("p.json"), json("{}"));
        QCOMPARE(root->children().size(), 1);
        QCOMPARE(root->children().first()->name(), QStringLiteral("Zahl"));
    }

    void hiddenValues_data()
    {
        QTest::addColumn<QJsonValue>("data");
        QTest::addColumn<QJsonValue>("expected");
        QTest::newRow("missing member takes the default") << json(R"({"alpha":0.5})")
                                                          << json(R"({"alpha":0.5,"indexOfPositionType":1})");
        QTest::newRow("present member comes back unchanged")
            << json(R"({"alpha":0.5,"indexOfPositionType":[3,"x"]})")
            << json(R"({"alpha":0.5,"indexOfPositionType":[3,"x"]})");
    }
    void hiddenValues()
    {
        QFETCH(QJsonValue, data);
        QFETCH(QJsonValue, expected);
        auto root = build(entryProfile({component("LWPropTypeFloat", "alpha"),
                                        component("LWPropTypeNone", "indexOfPositionType", {{"defaultValue", 1}}),
                                        component("LWPropTypeNone", "noDefault")}),
                          data);
        QCOMPARE(root->children().size(), 1);
        QCOMPARE(root->hiddenValueCount(), 2);
        LW_COMPARE_JSON(root->value(), expected);
    }

    void needCompUuid()
    {
        const QJsonObject panel = section("LWSectionTypePanel", {component("LWPropTypeInt", "n")});
        auto root = build(entryProfile({sectionRef("SecP", "a", {{"needCompUuid", true}}), sectionRef("SecP", "b")},
                                       {{"SecP", panel}}),
                          json(R"({"a":{"n":1},"b":{"n":2}})"));
        const QJsonObject first = root->value().toObject();
        const QString uuid = first.value("a").toObject().value("__compUuid").toString();
        QVERIFY2(QRegularExpression("^[0-9a-f]{32}$").match(uuid).hasMatch(), qPrintable(uuid));
        QCOMPARE(root->value().toObject().value("a").toObject().value("__compUuid").toString(), uuid);
        QVERIFY(!first.value("b").toObject().contains("__compUuid"));
    }

    // --- editing through undo ---------------------------------------------

    void propertyEdits_data()
    {
        QTest::addColumn<QJsonObject>("comp");
        QTest::addColumn<QJsonValue>("data");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("edit");
        QTest::addColumn<QJsonValue>("edited");

        QTest::newRow("bool") << component("LWPropTypeBool", "v") << json(R"({"v":false})") << QByteArray("checked")
                              << QVariant(true) << json("true");
        QTest::newRow("button") << component("LWPropTypeButton", "v") << json(R"({"v":true})") << QByteArray("status")
                                << QVariant(false) << json("false");
        QTest::newRow("int") << component("LWPropTypeInt", "v") << json(R"({"v":3})") << QByteArray("intValue")
                             << QVariant(-12) << json("-12");
        QTest::newRow("int full range") << component("LWPropTypeInt", "v") << json(R"({"v":0})")
                                        << QByteArray("intValue") << QVariant(2147483647) << json("2147483647");
        QTest::newRow("float") << component("LWPropTypeFloat", "v") << json(R"({"v":1.5})") << QByteArray("floatValue")
                               << QVariant(0.25) << json("0.25");
        QTest::newRow("float range")
            << component("LWPropTypeFloatRange", "v", {{"min", 0}, {"max", 1}}) << json(R"({"v":0.5})")
            << QByteArray("floatValue") << QVariant(0.75) << json("0.75");
        QTest::newRow("brow thinning keeps its object")
            << component("LWPropTypeFloatRange", "browV2Param") << json(R"({"browV2Param":{"thinIntensity":1,"keep":2}})")
            << QByteArray("floatValue") << QVariant(0.5) << json(R"({"keep":2,"thinIntensity":0.5})");
        QTest::newRow("text") << component("LWPropTypeLabelInput", "v") << json(R"({"v":"old"})")
                              << QByteArray("stringValue") << QVariant("new") << json(R"("new")");
        QTest::newRow("vec2") << component("LWPropTypeVec2", "v") << json(R"({"v":[1,2]})") << QByteArray("values")
                              << QVariant(QVariantList{5, 6}) << json("[5,6]");
        QTest::newRow("vec4") << component("LWPropTypeVec4", "v") << json(R"({"v":[1,2,3,4]})") << QByteArray("values")
                              << QVariant(QVariantList{1, 2, 3, 9}) << json("[1,2,3,9]");
        QTest::newRow("euler") << component("LWPropTypeEuler", "v") << json(R"({"v":[0,90,0]})")
                               << QByteArray("values") << QVariant(QVariantList{0, 45, 0}) << json("[0,45,0]");
        QTest::newRow("colour as text") << component("LWPropTypeColor", "v") << json(R"({"v":"ff0000"})")
                                        << QByteArray("colorValue") << QVariant(QColor(0, 128, 255)) << json(R"("0080ff")");
        QTest::newRow("colour as array")
            << component("LWPropTypeColor", "v", {{"showAlpha", false}}) << json(R"({"v":[0,0,0]})")
            << QByteArray("colorValue") << QVariant(QColor(255, 0, 51)) << json("[1,0,0.2]");
        const QJsonObject options{{"options", QJsonArray{0, 1, 2}}, {"optionLabels", QJsonArray{"a", "b", "c"}}};
        QTest::newRow("drop-down, number") << component("LWPropTypeOption", "v", options) << json(R"({"v":1})")
                                           << QByteArray("optionIndex") << QVariant(2) << json("2");
        QTest::newRow("drop-down, text") << component("LWPropTypeOption", "v", options) << json(R"({"v":"0"})")
                                         << QByteArray("optionIndex") << QVariant(1) << json(R"("1")");
        // The option's value, not its text, goes into the array.
        QTest::newRow("drop-down, array") << component("LWPropTypeOption", "v", options) << json(R"({"v":[0]})")
                                          << QByteArray("optionIndex") << QVariant(2) << json(R"([2])");
        QTest::newRow("random, minimum")
            << component("LWPropTypeRandom", "v") << json(R"({"v":{"type":"RANDOM","min":1,"max":4}})")
            << QByteArray("minValue") << QVariant(2.0) << json(R"({"max":4,"min":2,"type":"RANDOM"})");
        QTest::newRow("random, equal bounds are fixed")
            << component("LWPropTypeRandom", "v") << json(R"({"v":{"type":"RANDOM","min":1,"max":4}})")
            << QByteArray("maxValue") << QVariant(1.0) << json(R"({"max":4,"min":1,"type":"FIXED","value":1})");
    }
    void propertyEdits()
    {
        QFETCH(QJsonObject, comp);
        QFETCH(QJsonValue, data);
        QFETCH(QByteArray, property);
        QFETCH(QVariant, edit);
        QFETCH(QJsonValue, edited);

        auto root = build(entryProfile({comp}), data);
        QCOMPARE(root->children().size(), 1);
        LWQmlViewModel *node = root->children().first().get();
        const QJsonValue before = root->value();
        const QString id = comp.value("id").toString();
        QJsonObject after = before.toObject();
        after.insert(id, edited);

        QSignalSpy announced(LWInspectorHub::instance(), &LWInspectorHub::inspectorDataChanged);
        QVERIFY(node->setProperty(property.constData(), edit));
        QCOMPARE(stack()->count(), 1);
        QCOMPARE(announced.count(), 1);
        // Random keeps the numbers it does not show; the rest compare whole.
        if (comp.value("type") == "LWPropTypeRandom")
            LW_COMPARE_JSON(root->value().toObject().value(id).toObject().value("type"), edited.toObject().value("type"));
        else
            LW_COMPARE_JSON(root->value(), after);

        const QJsonValue committed = root->value();
        stack()->undo();
        LW_COMPARE_JSON(root->value(), before);
        QCOMPARE(announced.count(), 2);
        stack()->redo();
        LW_COMPARE_JSON(root->value(), committed);
        QCOMPARE(announced.count(), 3);
        QCOMPARE(stack()->count(), 1);
    }

    void equalValuePushesNothing_data() { propertyEdits_data(); }
    void equalValuePushesNothing()
    {
        QFETCH(QJsonObject, comp);
        QFETCH(QJsonValue, data);
        QFETCH(QByteArray, property);
        auto root = build(entryProfile({comp}), data);
        LWQmlViewModel *node = root->children().first().get();
        QSignalSpy announced(LWInspectorHub::instance(), &LWInspectorHub::inspectorDataChanged);
        const QVariant current = node->property(property.constData());
        QVERIFY(node->setProperty(property.constData(), current));
        QCOMPARE(stack()->count(), 0);
        QCOMPARE(announced.count(), 0);
    }

    void boolTwiceIsTwoSteps()
    {
        auto root = build(entryProfile({component("LWPropTypeBool", "b")}), json(R"({"b":false})"));
        LWQmlViewModel *node = root->children().first().get();
        QSignalSpy changed(node, SIGNAL(checkedChanged(bool)));
        node->setProperty("checked", true);
        node->setProperty("checked", false);
        QCOMPARE(stack()->count(), 2);
        stack()->undo();
        stack()->undo();
        QCOMPARE(node->property("checked").toBool(), false);
        QCOMPARE(changed.count(), 4);
        LW_COMPARE_JSON(root->value(), json(R"({"b":false})"));
    }

    void boolDefault()
    {
        auto root = build(entryProfile({component("LWPropTypeBool", "b", {{"defaultValue", true}})}), json("{}"));
        QCOMPARE(root->children().first()->property("checked").toBool(), true);
        LW_COMPARE_JSON(root->value(), json(R"({"b":true})"));
    }

    void intWithoutBoundsTakesTheFullRange()
    {
        auto root = build(entryProfile({component("LWPropTypeInt", "n")}), json("{}"));
        LWQmlViewModel *node = root->children().first().get();
        QCOMPARE(node->property("minValue").toInt(), std::numeric_limits<int>::min());
        QCOMPARE(node->property("maxValue").toInt(), std::numeric_limits<int>::max());
        node->setProperty("intValue", std::numeric_limits<int>::min());
        LW_COMPARE_JSON(root->value(), json(R"({"n":-2147483648})"));
    }

    void wrongTypesTakeDefaults_data()
    {
        QTest::addColumn<QJsonObject>("comp");
        QTest::addColumn<QJsonValue>("expected");
        QTest::newRow("float from text") << component("LWPropTypeFloat", "v", {{"defaultValue", 0.5}}) << json("0.5");
        QTest::newRow("int from text") << component("LWPropTypeInt", "v", {{"defaultValue", 4}}) << json("4");
        QTest::newRow("int class default") << component("LWPropTypeInt", "v") << json("0");
        QTest::newRow("bool class default") << component("LWPropTypeBool", "v") << json("false");
        QTest::newRow("vec2 from text") << component("LWPropTypeVec2", "v") << json("[0,0]");
    }
    void wrongTypesTakeDefaults()
    {
        QFETCH(QJsonObject, comp);
        QFETCH(QJsonValue, expected);
        auto root = build(entryProfile({comp}), json(R"({"v":{"not":"a number"}})"));
        LW_COMPARE_JSON(root->value().toObject().value("v"), expected);
    }

    // --- continuous controls and single precision ----------------------------

    void dragPreviewsAndCommitsOnce()
    {
        auto root = build(entryProfile({component("LWPropTypeFloatRange", "f", {{"min", 0}, {"max", 1}})}),
                          json(R"({"f":0.2})"));
        auto *node = qobject_cast<LWPropFloatRangeViewModel *>(root->children().first().get());
        QSignalSpy announced(LWInspectorHub::instance(), &LWInspectorHub::inspectorDataChanged);
        QList<double> previewed;
        const QMetaObject::Connection preview =
            connect(LWInspectorHub::instance(), &LWInspectorHub::inspectorDataChanged, this,
                    [&] { previewed << root->value().toObject().value("f").toDouble(); });
        for (double v : {0.3, 0.5, 0.5, 0.7, 0.8})
            node->setTempValue(v);
        QCOMPARE(stack()->count(), 0);
        disconnect(preview);
        QCOMPARE(previewed, (QList<double>{0.3, 0.5, 0.7, 0.8}));
        QCOMPARE(node->floatValue(), 0.2);
        node->setFloatValue(0.8);
        QCOMPARE(stack()->count(), 1);
        stack()->undo();
        QCOMPARE(root->value().toObject().value("f").toDouble(), double(0.2f));
        QCOMPARE(node->tempValue(), node->floatValue());
        announced.clear();
        node->setFloatValue(node->floatValue() + 0.00004); // closer than 0.0001: the same value
        QCOMPARE(announced.count(), 0);
        QCOMPARE(stack()->count(), 1);
    }

    void singlePrecision_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("commit");
        QTest::addColumn<double>("stored");
        QTest::addColumn<double>("restored");
        QTest::newRow("0.1 committed") << 0.5 << 0.1 << 0.10000000149011612 << 0.5;
        QTest::newRow("undone to 0.7") << 0.7 << 0.3 << 0.30000001192092896 << 0.699999988079071;
    }
    void singlePrecision()
    {
        QFETCH(double, start);
        QFETCH(double, commit);
        QFETCH(double, stored);
        QFETCH(double, restored);
        for (const char *type : {"LWPropTypeFloatRange", "LWPropTypeFloat"}) {
            stack()->clear();
            auto root = build(entryProfile({component(type, "f")}), QJsonObject{{"f", start}});
            root->children().first()->setProperty("floatValue", commit);
            QCOMPARE(root->value().toObject().value("f").toDouble(), stored);
            stack()->undo();
            QCOMPARE(root->value().toObject().value("f").toDouble(), restored);
            stack()->redo();
            QCOMPARE(root->value().toObject().value("f").toDouble(), stored);
        }
    }

    void radiusFollowsTheScene()
    {
        auto root = build(entryProfile({component("LWPropTypeFloatRange", "ovalRadiusX"),
                                        component("LWPropTypeFloatRange", "other")}),
                          json(R"({"ovalRadiusX":0.2,"other":0.2})"));
        QSignalSpy announced(LWInspectorHub::instance(), &LWInspectorHub::inspectorDataChanged);
        emit LWInspectorHub::instance()->sceneViewDataChanged(0.6, "ovalRadiusX");
        emit LWInspectorHub::instance()->sceneViewDataChanged("wide", "ovalRadiusX");
        emit LWInspectorHub::instance()->sceneViewDataChanged(0.9, "other");
        LW_COMPARE_JSON(root->value(), json(R"({"other":0.2,"ovalRadiusX":0.6})"));
        QCOMPARE(announced.count(), 1);
        QCOMPARE(stack()->count(), 0);
    }

    void undoAfterTreeIsGone()
    {
        auto root = build(entryProfile({component("LWPropTypeBool", "b"), component("LWPropTypeColor", "c"),
                                        sectionRef("SecL", "l")},
                                       {{"SecL", section("LWSectionTypeVarList", {component("LWPropTypeInt", "n")},
                                                         {{"dataType", "singleValueArray"}, {"arrayId", "n"}})}}),
                          json(R"({"b":false,"c":"ffffff","l":[1]})"));
        root->children().at(0)->setProperty("checked", true);
        root->children().at(1)->setProperty("colorValue", QColor(Qt::black));
        qobject_cast<LWSecVarListViewModel *>(root->children().at(2).get())->addButtonClicked();
        QCOMPARE(stack()->count(), 3);
        QSignalSpy announced(LWInspectorHub::instance(), &LWInspectorHub::inspectorDataChanged);
        root.reset();
        stack()->undo();
        stack()->undo();
        stack()->undo();
        stack()->redo();
        QCOMPARE(stack()->index(), 1);
        QCOMPARE(announced.count(), 0);
    }

    // --- sections -------------------------------------------------------------

    void optionSectionPages_data()
    {
        QTest::addColumn<QJsonValue>("data");
        QTest::addColumn<int>("page");
        QTest::newRow("number 2 opens the third page") << json(R"({"mode":2})") << 2;
        QTest::newRow("text 2 reads as 0") << json(R"({"mode":"2"})") << 0;
        QTest::newRow("unknown value stays on the first page") << json(R"({"mode":9})") << 0;
        QTest::newRow("stored optionIndex wins") << json(R"({"mode":2,"optionIndex":1})") << 1;
        QTest::newRow("stored optionIndex out of range is ignored") << json(R"({"mode":3,"optionIndex":7})") << 3;
    }
    void optionSectionPages()
    {
        QFETCH(QJsonValue, data);
        QFETCH(int, page);
        auto root = build(optionProfile(), data);
        auto *option = findType<LWSecOptionViewModel>(root.get());
        QVERIFY(option);
        QCOMPARE(option->optionIndex(), page);
        QCOMPARE(option->options(), (QStringList{"None", "Appear", "Loop", "Stop"}));
        QCOMPARE(option->listView()->rows(), option->page(page));
        QCOMPARE(option->height(), option->listView()->height() + 32);
        QCOMPARE(option->name(), QStringLiteral("Trigger"));
    }

    void optionSectionSharesControls()
    {
        auto root = build(optionProfile(), json(R"({"mode":0,"loop":2,"delay":1.5,"action":4})"));
        auto *option = findType<LWSecOptionViewModel>(root.get());
        // "loop" is on pages 0, 1 and 3: one node; "action" is twice with
        // different uniqueIds: two nodes.
        QCOMPARE(option->page(0).first(), option->page(1).first());
        QCOMPARE(option->page(3).first(), option->page(0).first());
        QVERIFY(option->page(1).at(1) != option->page(2).at(0));
        LW_COMPARE_JSON(root->value(), json(R"({"loop":2,"mode":0})"));

        QSignalSpy announced(LWInspectorHub::instance(), &LWInspectorHub::inspectorDataChanged);
        QSignalSpy heights(root.get(), &LWQmlViewModel::heightChanged);
        option->page(0).first()->setProperty("intValue", 5);
        option->setOptionIndex(1);
        QCOMPARE(stack()->count(), 1); // the page switch is no undo step
        QCOMPARE(announced.count(), 2);
        QVERIFY(heights.count() >= 1);
        LW_COMPARE_JSON(root->value(), json(R"({"action":4,"loop":5,"mode":1})"));
        option->setOptionIndex(2);
        LW_COMPARE_JSON(root->value(), json(R"({"action":4,"mode":2})"));
        option->setOptionIndex(0);
        LW_COMPARE_JSON(root->value(), json(R"({"loop":5,"mode":0})"));

        announced.clear();
        option->setOptionIndex(0);
        option->setOptionIndex(-1);
        option->setOptionIndex(99);
        QCOMPARE(announced.count(), 0);
    }

    void optionSectionWithTextValues()
    {
        QJsonObject profile = optionProfile();
        QJsonObject sec = profile.value("SecTrigger").toObject();
        QJsonArray pages = sec.value("componentsArray").toArray();
        for (int i = 0; i < pages.size(); ++i) {
            QJsonArray page = pages.at(i).toArray();
            QJsonObject selector = page.at(0).toObject();
            selector.insert("optionValue", QStringLiteral("m%1").arg(i));
            page.replace(0, selector);
            pages.replace(i, page);
        }
        sec.insert("componentsArray", pages);
        profile.insert("SecTrigger", sec);
        auto root = build(profile, json(R"({"mode":"m3"})"));
        auto *option = findType<LWSecOptionViewModel>(root.get());
        QCOMPARE(option->optionIndex(), 3);
        LW_COMPARE_JSON(root->value().toObject().value("mode"), json(R"("m3")"));
    }

    // Found by fuzzing: an option value beyond any integer (converting it
    // was undefined) still makes its page.
    void optionValueBeyondAnInteger()
    {
        const QJsonObject profile = json(R"({"LWEntry": {"components": [{"type": "LWSection", "sec": "SecBorder"}]},
            "SecBorder": {"sectionType": "LWSectionTypeOption", "componentsArray": [[{"optionValue": 1e30}], [{"optionValue": 0}]]}})")
                                        .toObject();
        auto root = build(profile, json(R"({"optionValue": 0})"));
        auto *option = findType<LWSecOptionViewModel>(root.get());
        QVERIFY(option);
        QCOMPARE(option->pageCount(), 2);
    }

    void panelHeights()
    {
        const QJsonObject panel = section("LWSectionTypePanel", {component("LWPropTypeFloat", "f"),
                                                                  component("LWPropTypeLabelInput", "t")});
        auto root = build(entryProfile({sectionRef("SecP")}, {{"SecP", panel}}), json("{}"));
        auto *p = findType<LWSecPanelViewModel>(root.get());
        QCOMPARE(p->listView()->height(), 32 + 26);
        QCOMPARE(p->height(), 58 + 48);
        QSignalSpy rootHeight(root.get(), &LWQmlViewModel::heightChanged);
        p->setIsExpanded(false);
        QCOMPARE(p->height(), 44);
        QCOMPARE(root->height(), 44);
        QCOMPARE(rootHeight.count(), 1);
    }

    void listHeights()
    {
        const QJsonObject inner = section("LWSectionTypePanel", {component("LWPropTypeInt", "n")});
        const QJsonObject list = section("LWSectionTypeList", {component("LWPropTypeFloat", "f"),
                                                                component("LWPropTypeLabelInput", "t"), sectionRef("SecIn")});
        QJsonObject withHeader = list;
        withHeader.insert("headerVisible", true);
        auto root = build(entryProfile({sectionRef("SecL"), sectionRef("SecH")},
                                       {{"SecL", list}, {"SecH", withHeader}, {"SecIn", inner}}),
                          json("{}"));
        auto *plain = qobject_cast<LWSecListViewModel *>(root->children().at(0).get());
        auto *header = qobject_cast<LWSecListViewModel *>(root->children().at(1).get());
        qobject_cast<LWSecPanelViewModel *>(plain->children().at(2).get())->setIsExpanded(false);
        QCOMPARE(plain->listView()->height(), 102); // 32 + 26 + 44
        QCOMPARE(plain->height(), 102);
        QCOMPARE(header->height(), header->listView()->height() + 18);
        QCOMPARE(root->height(), plain->height() + header->height());
    }

    void growableListAddAndRemove_data()
    {
        QTest::addColumn<QByteArray>("sectionType");
        QTest::addColumn<int>("emptyHeight");
        QTest::newRow("split line") << QByteArray("LWSectionTypeSplitLine") << 36;
        QTest::newRow("var list") << QByteArray("LWSectionTypeVarList") << 28;
    }
    void growableListAddAndRemove()
    {
        QFETCH(QByteArray, sectionType);
        QFETCH(int, emptyHeight);
        const QJsonObject item = section("LWSectionTypePanel", {component("LWPropTypeInt", "n"),
                                                                 component("LWPropTypeLabelInput", "name")});
        const QJsonObject list = section(sectionType.constData(), {sectionRef("SecItem", nullptr, {{"hideRemoveButton", false}})},
                                         {{"dataType", "array"}, {"hideAddButton", false}});
        auto root = build(entryProfile({sectionRef("SecList", "items")}, {{"SecList", list}, {"SecItem", item}}),
                          json(R"({"items":[{"n":1,"name":"a"},{"n":2,"name":"b"}]})"));
        auto *grow = findType<LWSecSplitLineViewModel>(root.get());
        QVERIFY(grow);
        QVERIFY(!grow->hideAddButton());
        const QJsonValue two = root->value();

        QSignalSpy rootHeight(root.get(), &LWQmlViewModel::heightChanged);
        grow->addButtonClicked();
        QCOMPARE(stack()->count(), 1);
        QCOMPARE(grow->children().size(), 3);
        QCOMPARE(grow->listView()->rows().size(), 3);
        QVERIFY(rootHeight.count() >= 1);
        LWQmlViewModel::Ptr added = grow->children().last();
        added->children().first()->setProperty("intValue", 7);
        const QJsonValue three = root->value();
        LW_COMPARE_JSON(three, json(R"({"items":[{"n":1,"name":"a"},{"n":2,"name":"b"},{"n":7,"name":""}]})"));

        stack()->undo(); // the edit
        stack()->undo(); // the add
        LW_COMPARE_JSON(root->value(), two);
        QCOMPARE(grow->listView()->rows().size(), 2);
        stack()->redo();
        stack()->redo();
        QCOMPARE(grow->children().last(), added); // the same node came back
        LW_COMPARE_JSON(root->value(), three);

        // Removing the middle item through its panel, then undoing, puts it
        // back where it was, so the owner's array order is restored too.
        auto *middle = qobject_cast<LWSecPanelViewModel *>(grow->children().at(1).get());
        QVERIFY(!middle->hideRemoveButton());
        middle->removeButtonClicked();
        LW_COMPARE_JSON(root->value(), json(R"({"items":[{"n":1,"name":"a"},{"n":7,"name":""}]})"));
        stack()->undo();
        LW_COMPARE_JSON(root->value(), three);
        stack()->redo();
        QCOMPARE(grow->children().size(), 2);

        // Adding and removing rows announces the change, so the owner pulls
        // the list before anything saves it.
        QSignalSpy announced(LWInspectorHub::instance(), &LWInspectorHub::inspectorDataChanged);
        stack()->undo();
        QCOMPARE(announced.count(), 1);

        grow->setIsExpanded(false);
        QCOMPARE(grow->height(), emptyHeight);
    }

    void growableListOfPoints()
    {
        const QJsonObject list = section("LWSectionTypeVarList",
                                         {component("LWPropTypeVec2", "pt", {{"removeButtonVisible", true}})},
                                         {{"dataType", "singleValueArray"}, {"arrayId", "pt"}});
        auto root = build(entryProfile({sectionRef("SecPts", "points")}, {{"SecPts", list}}),
                          json(R"({"points":[[1,2],[3,4]]})"));
        auto *grow = findType<LWSecVarListViewModel>(root.get());
        grow->addButtonClicked(); // starts from the first point
        LW_COMPARE_JSON(root->value(), json(R"({"points":[[1,2],[3,4],[1,2]]})"));
        auto *first = qobject_cast<LWPropVec2ViewModel *>(grow->children().first().get());
        QVERIFY(first->removeButtonVisible());
        first->removeButtonClicked();
        LW_COMPARE_JSON(root->value(), json(R"({"points":[[3,4],[1,2]]})"));
        stack()->undo();
        stack()->undo();
        LW_COMPARE_JSON(root->value(), json(R"({"points":[[1,2],[3,4]]})"));
    }

    void removalRequestsOutsideGrowableLists()
    {
        const QJsonObject panel = section("LWSectionTypePanel", {component("LWPropTypeInt", "n")});
        auto root = build(entryProfile({sectionRef("SecP", "p")}, {{"SecP", panel}}), json(R"({"p":{"n":1}})"));
        findType<LWSecPanelViewModel>(root.get())->removeButtonClicked();
        QCOMPARE(stack()->count(), 0);
        QCOMPARE(root->children().size(), 1);
    }

    void autoSelectType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("none") << 0 << QList<int>{0, 1, 2};
        QTest::newRow("second") << 2 << QList<int>{1};
        QTest::newRow("four or more shows nothing") << 4 << QList<int>{};
        QTest::newRow("beyond the children") << 3 << QList<int>{2};
    }
    void autoSelectType()
    {
        QFETCH(int, type);
        QFETCH(QList<int>, shown);
        const QJsonObject list = section("LWSectionTypeSplitLine", {component("LWPropTypeInt", "a"),
                                                                     component("LWPropTypeInt", "b"),
                                                                     component("LWPropTypeInt", "c")});
        auto root = build(entryProfile({sectionRef("SecS", "s")}, {{"SecS", list}}),
                          QJsonObject{{"s", QJsonObject{{"autoSelectType", type}, {"a", 1}, {"b", 2}, {"c", 3}}}});
        auto *split = findType<LWSecSplitLineViewModel>(root.get());
        QList<LWQmlViewModel::Ptr> expected;
        for (int i : shown)
            expected << split->children().at(i);
        QCOMPARE(split->listView()->rows(), expected);
        // Every item still contributes its value.
        LW_COMPARE_JSON(root->value(), json(R"({"s":{"a":1,"b":2,"c":3}})"));
    }

    void checkSection_data()
    {
        QTest::addColumn<QJsonValue>("data");
        QTest::addColumn<bool>("withSource");
        QTest::addColumn<QJsonArray>("uniforms");
        QTest::addColumn<bool>("checked");
        QTest::newRow("uniform listed") << json(R"({"tint":{"k":1}})") << true << QJsonArray{"uTint"} << true;
        QTest::newRow("uniform not listed") << json(R"({"tint":{"k":1}})") << true << QJsonArray{"uOther"} << false;
        QTest::newRow("no data source") << json(R"({"tint":{"k":1}})") << false << QJsonArray{} << true;
        QTest::newRow("no bound data") << json(R"({})") << false << QJsonArray{} << false;
    }
    void checkSection()
    {
        QFETCH(QJsonValue, data);
        QFETCH(bool, withSource);
        QFETCH(QJsonArray, uniforms);
        QFETCH(bool, checked);
        UniformSource source(uniforms);
        const QJsonObject sec = section("LWSectionTypeCheck", {component("LWPropTypeInt", "k")});
        auto root = build(entryProfile({sectionRef("SecC", "tint", {{"datasource", QJsonObject{{"dataId", "uniformDef"},
                                                                                                 {"data", "uTint"}}}}),
                                        component("LWPropTypeInt", "other")},
                                       {{"SecC", sec}}),
                          data, withSource ? &source : nullptr);
        auto *check = findType<LWSecCheckViewModel>(root.get());
        QCOMPARE(check->isChecked(), checked);
        QCOMPARE(root->value().toObject().contains("tint"), checked);
        QVERIFY(root->value().toObject().contains("other"));
    }

    void nestedInspector()
    {
        const QJsonObject nested = section("LWSectionTypeInspector", {component("LWPropTypeInt", "n")},
                                           {{"name", "Inner"}, {"background", "#123456"}});
        auto root = build(entryProfile({sectionRef("SecI", "inner")}, {{"SecI", nested}}), json(R"({"inner":{"n":4}})"));
        auto *inner = qobject_cast<LWInspectorViewModel *>(root->children().first().get());
        QVERIFY(inner);
        QCOMPARE(inner->name(), QStringLiteral("Inner"));
        QCOMPARE(inner->color(), QStringLiteral("transparent"));
        QCOMPARE(inner->height(), 32);
        LW_COMPARE_JSON(root->value(), json(R"({"inner":{"n":4}})"));
    }

    void sectionTitleAndAppearance()
    {
        const QJsonObject panel = section("LWSectionTypePanel", {}, {{"name", "Basic"}, {"icon", "propertyIcon"},
                                                                      {"split", true}});
        auto root = build(entryProfile({sectionRef("SecP"), sectionRef("SecP", nullptr, {{"label", "Override"}})},
                                       {{"SecP", panel}}),
                          json("{}"));
        auto *a = qobject_cast<LWSecPanelViewModel *>(root->children().at(0).get());
        auto *b = qobject_cast<LWSecPanelViewModel *>(root->children().at(1).get());
        QCOMPARE(a->sectionTitle(), QStringLiteral("Basic"));
        QCOMPARE(b->sectionTitle(), QStringLiteral("Override"));
        QCOMPARE(a->sectionIcon(), QStringLiteral("propertyIcon"));
        QVERIFY(a->hasSplit());
        QCOMPARE(a->color(), QStringLiteral("#3C434D"));
        QCOMPARE(root->color(), QStringLiteral("transparent"));
        QVERIFY(a->hideRemoveButton());
    }

    void listModelRows()
    {
        auto root = build(entryProfile({component("LWPropTypeInt", "a"), component("LWPropTypeBool", "b")}), json("{}"));
        LWListViewListModel *model = root->listViewModel()->listModel();
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->roleNames().value(257), QByteArray("rowModel"));
        QCOMPARE(model->data(model->index(1), 257).value<QObject *>(), root->children().at(1).get());
        QVERIFY(!model->data(model->index(1), Qt::DisplayRole).isValid());
    }

    void notifyChildrenReachesEveryNode()
    {
        const QJsonObject options{{"options", QJsonArray{0, 1, 2}}};
        const QJsonObject panel = section("LWSectionTypePanel", {component("LWPropTypeOption", "deep", options),
                                                                  component("LWPropTypeProgressBar", "progress")});
        auto root = build(entryProfile({component("LWPropTypeOption", "top", options), sectionRef("SecP")},
                                       {{"SecP", panel}}),
                          json(R"({"top":0,"deep":0})"));
        auto *top = find<LWPropOptionViewModel>(root.get(), "top");
        auto *deep = find<LWPropOptionViewModel>(root.get(), "deep");
        QSignalSpy announced(LWInspectorHub::instance(), &LWInspectorHub::inspectorDataChanged);
        root->notifyChildren(1 | 2 | 32, json(R"({"optionEnabled":false,"progress":0.5,"indexChanged":2})"));
        QVERIFY(!top->enabled() && !deep->enabled());
        QCOMPARE(deep->optionIndex(), 2);
        QCOMPARE(find(root.get(), "progress")->property("progress").toDouble(), 0.5);
        QCOMPARE(stack()->count(), 0);
        QCOMPARE(announced.count(), 0);
        LW_COMPARE_JSON(root->value(), json(R"({"deep":2,"progress":{},"top":2})"));
        root->notifyChildren(8, json(R"({"optionEnabled":true})")); // kind 1 not named: ignored
        QVERIFY(!top->enabled());
    }

private:
    static QJsonObject optionProfile()
    {
        auto selector = [](const char *label, int value) {
            return QJsonObject{{"type", "LWPropTypeOption"}, {"id", "mode"}, {"label", "__SECLABEL"},
                               {"optionLabel", label}, {"optionValue", value}};
        };
        const QJsonObject loop = component("LWPropTypeInt", "loop");
        const QJsonObject sec{{"sectionType", "LWSectionTypeOption"},
                              {"componentsArray", QJsonArray{QJsonArray{selector("None", 0), loop},
                                                             QJsonArray{selector("Appear", 1), loop, component("LWPropTypeInt", "action")},
                                                             QJsonArray{selector("Loop", 2), component("LWPropTypeInt", "action", {{"uniqueId", "other"}})},
                                                             QJsonArray{selector("Stop", 3), loop}}}};
        return entryProfile({sectionRef("SecTrigger", nullptr, {{"label", "Trigger"}})}, {{"SecTrigger", sec}});
    }
};

LW_TEST_MAIN(TstInspector)
#include "tst_inspector.moc"
