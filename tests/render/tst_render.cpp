// The effect renderer, judged on the pixels it draws: small packages made
// here put one thing on the standard face, and the frame shows whether it
// landed where, when and how the package says.
#include "LWRenderFixtures.h"
#include "LWTestMain.h"

#include "features/sticker2d/NS2DStickerParameter.h"
#include "render/LWEffectRenderer.h"
#include "render/LWRenderPackage.h"
#include "render/LWRenderRules.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>

namespace {

using Package = LWRenderPackage::Package;

using LWRenderFixtures::anchor;
using LWRenderFixtures::writeJson;

// A sticker part: frames drawn by paint(i), one anchor, scale 1 unless the
// two scale anchors say otherwise.
struct PartSpec
{
    QString key = QStringLiteral("part");
    int anchorIndex = 46;
    QPointF anchorImage{10, 10};
    QSize frameSize{20, 20};
    int frames = 1;
    std::function<QImage(int)> paint;
    QJsonObject extra; // overrides of the part's keys
    QJsonArray scaleA = anchor(-1, 0, 0), scaleB = anchor(-1, 0, 0);
};

QJsonObject stickerPart(const QString &folder, const PartSpec &spec)
{
    QDir().mkpath(folder + '/' + spec.key);
    for (int i = 0; i < spec.frames; ++i)
        spec.paint(i).save(QStringLiteral("%1/%2/%2_%3.png").arg(folder, spec.key).arg(i, 3, 10, QLatin1Char('0')));
    QJsonObject part{
        {"position", QJsonObject{{"positionX", anchor(spec.anchorIndex, spec.anchorImage.x(), spec.anchorImage.y())},
                                 {"positionY", QJsonArray()}}},
        {"positionType", 1}, {"positionRelationType", 1}, {"rotateCenter", anchor(-1, 0, 0)},
        {"scale", QJsonObject{{"scaleX", QJsonObject{{"pointA", spec.scaleA}, {"pointB", spec.scaleB}}},
                              {"scaleY", QJsonObject{{"pointA", QJsonArray()}, {"pointB", QJsonArray()}}}}},
        {"triggerDelay", 0}, {"triggerLoop", 0}, {"triggerType", 0}, {"triggerStop", false},
        {"triggerDisappear", false}, {"triggerRestart", false}, {"width", spec.frameSize.width()},
        {"height", spec.frameSize.height()}, {"zPosition", 5000}, {"blendMode", 0}, {"frameCount", spec.frames},
        {"enable", true}, {"alphaFactor", 1.0}};
    for (auto it = spec.extra.begin(); it != spec.extra.end(); ++it)
        part.insert(it.key(), it.value());
    return part;
}

// A package folder with the given features (type, folder name, writer).
struct FeatureSpec
{
    QString type, folder;
    std::function<void(const QString &)> write;
};

QString makePackage(const QString &root, const QVector<FeatureSpec> &features)
{
    QJsonArray links;
    for (const FeatureSpec &f : features) {
        links.append(QJsonObject{{"type", f.type}, {"zorder", 5000}, {"path", QString(f.folder + '/')}});
        QDir().mkpath(root + '/' + f.folder);
        f.write(root + '/' + f.folder);
    }
    writeJson(root + "/config.json", {{"name", "LW_test"}, {"version", "2.7.0"}, {"effect", QJsonObject{{"Link", links}}}});
    return root;
}

FeatureSpec sticker(const QVector<PartSpec> &parts)
{
    return {"2DSticker", "2DSticker", [parts](const QString &folder) {
                QJsonObject json;
                for (const PartSpec &p : parts)
                    json.insert(p.key, stickerPart(folder, p));
                writeJson(folder + "/content.json", {{"content", QJsonObject{{"path", "sticker.json"}}}});
                writeJson(folder + "/sticker.json", {{"version", "1.1"}, {"parts", json}});
            }};
}

QImage lutImage(const std::function<QRgb(int r, int g, int b)> &map)
{
    QImage image(512, 512, QImage::Format_RGB32);
    for (int b = 0; b < 64; ++b)
        for (int g = 0; g < 64; ++g)
            for (int r = 0; r < 64; ++r)
                image.setPixel((b % 8) * 64 + r, (b / 8) * 64 + g, map(r * 255 / 63, g * 255 / 63, b * 255 / 63));
    return image;
}

FeatureSpec filter(const QImage &lut, double intensity)
{
    return {"Filter", "Filter", [lut, intensity](const QString &folder) {
                QDir().mkpath(folder + "/filter");
                lut.save(folder + "/filter/filter.png");
                writeJson(folder + "/config.json",
                          {{"content", QJsonObject{{"filter", QJsonObject{{"type", 0}, {"file_type", 0}, {"intensity", intensity}}}}}});
            }};
}

Package read(const QString &folder)
{
    Package package;
    QString error;
    if (!LWRenderPackage::readFolder(folder, package, &error))
        qWarning() << "unreadable package" << error;
    return package;
}

QImage render(const Package &package, qint64 t = 0, const QVector<LWRenderRules::Trigger> &triggers = {})
{
    LWEffectRenderer renderer;
    LWEffectRenderer::Request request;
    request.timeMs = t;
    request.triggers = triggers;
    return renderer.render(package, request);
}

int maxChannelDiff(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

QImage solidFrame(const QSize &size, const QColor &color)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

QImage mask(const QString &resource)
{
    return QImage(resource).convertToFormat(QImage::Format_Grayscale8);
}

const QStringList kTemplates = {"temp2DSticker1", "temp2DSticker2", "temp2DSticker3", "temp2DSticker4",
                                "tempFilter1",    "tempMakeup1",    "tempMakeup2",    "tempSegmentBody1"};

} // namespace

class TestRender : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_packages = 0;

    QString fresh() { return m_dir.filePath(QString::number(++m_packages)); }
    static const NS2DStickerParameter::FaceTypeRelateData &human()
    {
        return NS2DStickerParameter::faceTypeData(NS2DStickerParameter::FaceTypeHuman);
    }

private slots:
    void stickerPixelLandsOnItsAnchor_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QPointF>("imagePoint");
        QTest::addColumn<bool>("scaled");
        QTest::newRow("nose tip") << 46 << QPointF(10, 10) << false;
        QTest::newRow("left pupil, off-centre pixel") << 74 << QPointF(3, 17) << false;
        QTest::newRow("mouth corner, scaled by the eyes") << 84 << QPointF(12, 5) << true;
        QTest::newRow("top-left screen corner") << 106 << QPointF(0, 0) << false;
    }
    void stickerPixelLandsOnItsAnchor()
    {
        QFETCH(int, index);
        QFETCH(QPointF, imagePoint);
        QFETCH(bool, scaled);
        PartSpec spec;
        spec.anchorIndex = index;
        spec.anchorImage = imagePoint;
        spec.paint = [imagePoint](int) {
            QImage frame = solidFrame({20, 20}, Qt::transparent);
            frame.setPixelColor(imagePoint.toPoint(), Qt::red);
            return frame;
        };
        if (scaled) {
            // Eye distance over 10 image pixels: the part grows several times.
            spec.scaleA = anchor(74, 0, 0);
            spec.scaleB = anchor(77, 10, 0);
        }
        const QImage frame = render(read(makePackage(fresh(), {sticker({spec})})));
        QCOMPARE(frame.size(), QSize(720, 1280));
        // The anchor's image point is pinned to the face point, so the red
        // pixel's centre lands at P + s * (0.5, 0.5): the reddest face pixel
        // must be within a pixel of that.
        const double s = scaled ? QLineF(human().point(74), human().point(77)).length() / 10 : 1.0;
        const QPointF target = human().point(index) + QPointF(0.5, 0.5) * s;
        QPoint best(-100, -100);
        int bestScore = -1;
        for (int y = int(target.y()) - 4; y <= int(target.y()) + 4; ++y) {
            for (int x = int(target.x()) - 4; x <= int(target.x()) + 4; ++x) {
                if (!frame.rect().contains(x, y))
                    continue;
                const QRgb p = frame.pixel(x, y);
                const int score = qRed(p) - qGreen(p) - qBlue(p);
                if (score > bestScore) {
                    bestScore = score;
                    best = QPoint(x, y);
                }
            }
        }
        QVERIFY2(bestScore > 100, "no red pixel near the anchor");
        const QPointF centre(best.x() + 0.5, best.y() + 0.5);
        QVERIFY2(std::abs(centre.x() - target.x()) <= 1.0 && std::abs(centre.y() - target.y()) <= 1.0,
                 qPrintable(QStringLiteral("red at %1,%2, expected at %3,%4").arg(best.x()).arg(best.y()).arg(target.x()).arg(target.y())));
    }

    void lookupTable_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<double>("intensity");
        QTest::newRow("identity") << "identity" << 1.0;
        QTest::newRow("inverting, full") << "invert" << 1.0;
        QTest::newRow("inverting, half strength") << "invert" << 0.5;
        QTest::newRow("inverting, off") << "invert" << 0.0;
    }
    void lookupTable()
    {
        QFETCH(QString, table);
        QFETCH(double, intensity);
        const QImage lut = table == "identity" ? QImage(":/LWViewCommon/images/default_lut.png")
                                               : lutImage([](int r, int g, int b) { return qRgb(255 - r, 255 - g, 255 - b); });
        const QImage plain = render(read(makePackage(fresh(), {})));
        const QImage filtered = render(read(makePackage(fresh(), {filter(lut, intensity)})));
        int worst = 0;
        for (int y = 0; y < plain.height(); y += 3) {
            for (int x = 0; x < plain.width(); x += 3) {
                const QRgb p = plain.pixel(x, y);
                const double k = table == "identity" ? 0 : intensity;
                auto expect = [k](int c) { return qRound(c + (255 - 2 * c) * k); };
                const QRgb wanted = qRgb(expect(qRed(p)), expect(qGreen(p)), expect(qBlue(p)));
                worst = std::max(worst, maxChannelDiff(filtered.pixel(x, y), wanted));
            }
        }
        QVERIFY2(worst <= 1, qPrintable(QStringLiteral("off by %1/255").arg(worst)));
    }

    void hairColourChangesOnlyHair()
    {
        const FeatureSpec hair{"HairColor", "HairColor", [](const QString &folder) {
                                   writeJson(folder + "/content.json",
                                             {{"content", QJsonObject{{"fill", QJsonObject{{"type", 0}, {"color", QJsonArray{"FF2080"}}, {"strength", 1.0}}}}}});
                               }};
        const QImage plain = render(read(makePackage(fresh(), {})));
        const QImage tinted = render(read(makePackage(fresh(), {hair})));
        const QImage hairMask = mask(":/LWPreview/hairMaskHuman.png");
        QCOMPARE(hairMask.size(), plain.size());
        int changedHair = 0, hairPixels = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                const bool changed = maxChannelDiff(plain.pixel(x, y), tinted.pixel(x, y)) > 1;
                const int m = qGray(hairMask.pixel(x, y));
                if (m == 0 && changed)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 outside the hair changed").arg(x).arg(y)));
                if (m == 255) {
                    ++hairPixels;
                    changedHair += changed;
                }
            }
        }
        QVERIFY(hairPixels > 10000);
        QVERIFY2(changedHair > hairPixels * 9 / 10, "the hair kept its colour");
    }

    void segmentMattingReplacesOnlyBackground()
    {
        const FeatureSpec matting{"Matting", "Matting", [](const QString &folder) {
                                      writeJson(folder + "/content.json",
                                                {{"content", QJsonObject{{"border", QJsonObject{{"type", 0}}},
                                                                         {"trigger", QJsonObject{{"triggerType", 0}}}}}});
                                  }};
        const QImage plain = render(read(makePackage(fresh(), {})));
        const QImage cut = render(read(makePackage(fresh(), {matting})));
        const QImage person = mask(":/LWPreview/personMaskHuman.png");
        const QImage backdrop = QImage(":/LWFilter/bg_facedistortion.png").convertToFormat(QImage::Format_RGB32);
        int replaced = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                const int m = qGray(person.pixel(x, y));
                if (m == 255 && maxChannelDiff(cut.pixel(x, y), plain.pixel(x, y)) > 1)
                    QFAIL(qPrintable(QStringLiteral("person pixel %1,%2 changed").arg(x).arg(y)));
                if (m == 0) {
                    QVERIFY(maxChannelDiff(cut.pixel(x, y), backdrop.pixel(x, y)) <= 1);
                    replaced += maxChannelDiff(plain.pixel(x, y), backdrop.pixel(x, y)) > 8;
                }
            }
        }
        QVERIFY2(replaced > 100000, "the background was not replaced");
    }

    void triggeredPart_data()
    {
        QTest::addColumn<QJsonObject>("rule");
        QTest::addColumn<QList<int>>("fired"); // trigger times
        QTest::addColumn<int>("at");
        QTest::addColumn<bool>("shown");
        const QJsonObject appear{{"triggerType", 4}};
        const QJsonObject delayed{{"triggerType", 4}, {"triggerDelay", 200}};
        const QJsonObject whileHeld{{"triggerType", 4}, {"triggerStop", true}, {"triggerRestart", true}};
        const QJsonObject hides{{"triggerType", 4}, {"triggerStop", true}, {"triggerDisappear", true}};
        QTest::newRow("appear: before the mouth opens") << appear << QList<int>{500} << 499 << false;
        QTest::newRow("appear: when it opens") << appear << QList<int>{500} << 500 << true;
        QTest::newRow("appear: long after") << appear << QList<int>{500} << 9000 << true;
        QTest::newRow("appear: no action") << appear << QList<int>{} << 9000 << false;
        QTest::newRow("appear: delayed, not yet") << delayed << QList<int>{500} << 650 << false;
        QTest::newRow("appear: delayed, then") << delayed << QList<int>{500} << 700 << true;
        QTest::newRow("held: during") << whileHeld << QList<int>{500} << 1400 << true;
        QTest::newRow("held: after") << whileHeld << QList<int>{500} << 1600 << false;
        QTest::newRow("disappear: before") << hides << QList<int>{500} << 400 << true;
        QTest::newRow("disappear: during") << hides << QList<int>{500} << 600 << false;
        QTest::newRow("disappear: after") << hides << QList<int>{500} << 1600 << true;
    }
    void triggeredPart()
    {
        QFETCH(QJsonObject, rule);
        QFETCH(QList<int>, fired);
        QFETCH(int, at);
        QFETCH(bool, shown);
        PartSpec spec;
        spec.paint = [](int) { return solidFrame({20, 20}, Qt::green); };
        spec.extra = rule;
        QVector<LWRenderRules::Trigger> triggers;
        for (int t : fired)
            triggers << LWRenderRules::Trigger{LWRenderRules::actionValue("mouth-open"), t};
        // A blink does not fire a mouth trigger.
        triggers << LWRenderRules::Trigger{LWRenderRules::actionValue("blink"), 0};
        const QImage frame = render(read(makePackage(fresh(), {sticker({spec})})), at, triggers);
        const QPoint nose = human().point(46).toPoint();
        QCOMPARE(frame.pixel(nose) == qRgb(0, 255, 0), shown);
    }

    // Background music under its record's rule: silent until its trigger,
    // from its start then, repeating while loops remain.
    void musicFollowsItsRule_data()
    {
        QTest::addColumn<int>("triggerType");
        QTest::addColumn<int>("loops");
        QTest::addColumn<int>("at");
        QTest::addColumn<bool>("sounding");
        QTest::addColumn<int>("position");
        const int mouth = LWRenderRules::actionValue("mouth-open");
        QTest::newRow("from the start") << 0 << 0 << 1200 << true << 1200;
        QTest::newRow("endless repeat") << 0 << 0 << 4500 << true << 500;
        QTest::newRow("two passes, second") << 0 << 2 << 5000 << true << 1000;
        QTest::newRow("two passes, over") << 0 << 2 << 8000 << false << 0;
        QTest::newRow("mouth: before") << mouth << 0 << 400 << false << 0;
        QTest::newRow("mouth: after it opened at 500") << mouth << 0 << 1700 << true << 1200;
    }
    void musicFollowsItsRule()
    {
        QFETCH(int, triggerType);
        QFETCH(int, loops);
        QFETCH(int, at);
        QFETCH(bool, sounding);
        QFETCH(int, position);
        LWRenderRules::TriggerRule rule;
        rule.type = triggerType;
        const QVector<LWRenderRules::Trigger> fired{{LWRenderRules::actionValue("mouth-open"), 500}};
        const LWRenderRules::MusicPosition music = LWRenderRules::musicAt(rule, loops, 4000, at, fired);
        QCOMPARE(music.sounding, sounding);
        if (sounding)
            QCOMPARE(music.positionMs, qint64(position));
    }

    void frameShowsAtItsTime_data()
    {
        QTest::addColumn<int>("loops");
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("frame");
        const int step = LWRenderRules::kStickerFrameMs;
        QTest::newRow("start") << 0 << 0 << 0;
        QTest::newRow("just before frame 1") << 0 << step - 1 << 0;
        QTest::newRow("frame 1") << 0 << step << 1;
        QTest::newRow("frame 3") << 0 << 3 * step << 3;
        QTest::newRow("endless loop wraps") << 0 << 4 * step << 0;
        QTest::newRow("two plays, second") << 2 << 5 * step << 1;
        QTest::newRow("two plays, then holds the last") << 2 << 11 * step << 3;
    }
    void frameShowsAtItsTime()
    {
        QFETCH(int, loops);
        QFETCH(int, at);
        QFETCH(int, frame);
        const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
        PartSpec spec;
        spec.frames = 4;
        spec.paint = [&colours](int i) { return solidFrame({20, 20}, colours[i]); };
        spec.extra = {{"triggerLoop", loops}};
        const QImage image = render(read(makePackage(fresh(), {sticker({spec})})), at);
        QCOMPARE(QColor(image.pixel(human().point(46).toPoint())), colours[frame]);
    }

    void blendModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QColor>("backdrop");
        QTest::addColumn<QColor>("source");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("normal") << 0 << QColor(10, 200, 30) << QColor(250, 0, 128) << QColor(250, 0, 128);
        QTest::newRow("multiply") << 3 << QColor(255, 128, 0) << QColor(128, 128, 255) << QColor(128, 64, 0);
        QTest::newRow("screen") << 8 << QColor(255, 128, 0) << QColor(0, 128, 0) << QColor(255, 192, 0);
        QTest::newRow("difference") << 19 << QColor(200, 50, 100) << QColor(50, 200, 100) << QColor(150, 150, 0);
        QTest::newRow("transparent flag draws the same mode") << 1003 << QColor(255, 128, 0) << QColor(128, 128, 255)
                                                              << QColor(128, 64, 0);
        QTest::newRow("luminosity keeps the source's lightness") << 26 << QColor(255, 0, 0) << QColor(0, 0, 0)
                                                                 << QColor(0, 0, 0);
    }
    void blendModes()
    {
        QFETCH(int, mode);
        QFETCH(QColor, backdrop);
        QFETCH(QColor, source);
        QFETCH(QColor, expected);
        // Drawn over a solid backdrop part, so the face plays no part.
        PartSpec under;
        under.key = "under";
        under.paint = [backdrop](int) { return solidFrame({20, 20}, backdrop); };
        under.extra = {{"zPosition", 1}};
        PartSpec over;
        over.key = "over";
        over.paint = [source](int) { return solidFrame({20, 20}, source); };
        over.extra = {{"zPosition", 2}, {"blendMode", mode}};
        const QImage image = render(read(makePackage(fresh(), {sticker({under, over})})));
        const QRgb got = image.pixel(human().point(46).toPoint());
        QVERIFY2(maxChannelDiff(got, expected.rgb()) <= 1, qPrintable(QColor(got).name() + " not " + expected.name()));
    }

    void catFaceAndSizes()
    {
        PartSpec spec;
        spec.anchorIndex = 80; // the cat's left eye
        spec.paint = [](int) { return solidFrame({20, 20}, Qt::magenta); };
        const Package package = read(makePackage(fresh(), {sticker({spec})}));
        QVERIFY(package.allowsCat());
        LWEffectRenderer renderer;
        LWEffectRenderer::Request request;
        request.faceType = NS2DStickerParameter::FaceTypeCat;
        QImage cat = renderer.render(package, request);
        QCOMPARE(cat.size(), QSize(520, 924));
        const auto &catFace = NS2DStickerParameter::faceTypeData(NS2DStickerParameter::FaceTypeCat);
        QCOMPARE(QColor(cat.pixel(catFace.point(80).toPoint())), QColor(Qt::magenta));
        // Half size: the same place, in half the pixels.
        request.size = QSize(260, 462);
        cat = renderer.render(package, request);
        QCOMPARE(cat.size(), QSize(260, 462));
        QCOMPARE(QColor(cat.pixel((catFace.point(80) / 2).toPoint())), QColor(Qt::magenta));
        // A makeup needs the human face.
        const Package makeup = read(makePackage(fresh(), {{"FaceMakeupV2", "FaceMakeupV2", [](const QString &f) {
                                                                writeJson(f + "/content.json", {{"content", QJsonObject{{"path", "makeup.json"}}}});
                                                            }}}));
        QVERIFY(!makeup.allowsCat());
    }

    void unusablePackages()
    {
        Package package;
        QString error;
        QVERIFY(!LWRenderPackage::readFolder(fresh(), package, &error));
        QVERIFY(error.contains("config.json"));
        // A Link path out of the package is never read.
        const QString root = fresh();
        writeJson(root + "/config.json",
                  {{"effect", QJsonObject{{"Link", QJsonArray{QJsonObject{{"type", "Filter"}, {"path", "../outside/"}}}}}}});
        QVERIFY(LWRenderPackage::readFolder(root, package, &error));
        QVERIFY(package.features.isEmpty());
        QVERIFY(!LWRenderPackage::readZip(root + "/config.json", package, &error));
    }

    void templatesMatchTheirGoldenImages_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : kTemplates)
            QTest::newRow(qPrintable(name)) << name;
    }
    void templatesMatchTheirGoldenImages()
    {
        // Regenerate with scripts/render-goldens after a deliberate change.
        QFETCH(QString, name);
        Package package;
        QString error;
        QVERIFY2(LWRenderPackage::readZip(QStringLiteral(LW_SOURCE_DIR "/assets/LWHome/templates/%1.zip").arg(name), package, &error),
                 qPrintable(error));
        LWEffectRenderer renderer;
        LWEffectRenderer::Request request;
        request.timeMs = 1000;
        request.size = QSize(360, 640);
        const QImage frame = renderer.render(package, request);
        const QImage golden = QImage(QStringLiteral(LW_SOURCE_DIR "/tests/render/golden/%1.png").arg(name))
                                  .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(golden.size(), frame.size());
        int off = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                off += maxChannelDiff(frame.pixel(x, y), golden.pixel(x, y)) > 6;
        // Room for rounding in another Qt build, not for a moved feature.
        QVERIFY2(off <= frame.width() * frame.height() / 500, qPrintable(QStringLiteral("%1 pixels differ").arg(off)));
    }

    void lwpackRender()
    {
        PartSpec spec;
        spec.paint = [](int) { return solidFrame({20, 20}, Qt::green); };
        spec.extra = {{"triggerType", 4}};
        const QString package = makePackage(fresh(), {sticker({spec})});
        auto run = [](const QStringList &args) {
            QProcess process;
            process.start(LW_LWPACK, args);
            process.waitForFinished(60000);
            return process.exitCode();
        };
        const QString out = m_dir.filePath("frame.png");
        QCOMPARE(run({"render", package, out}), 0);
        const QPoint nose = human().point(46).toPoint();
        QCOMPARE(QImage(out).size(), QSize(720, 1280));
        QVERIFY(QImage(out).pixel(nose) != qRgb(0, 255, 0));
        QCOMPARE(run({"render", package, out, "--trigger", "mouth-open@100", "--at", "200"}), 0);
        QCOMPARE(QImage(out).pixel(nose), qRgb(0, 255, 0));
        const QString strip = m_dir.filePath("strip");
        QCOMPARE(run({"render", package, strip, "--frames", "3", "--fps", "10", "--size", "360x640"}), 0);
        QCOMPARE(QDir(strip).entryList({"frame_*.png"}).size(), 3);
        QCOMPARE(QImage(strip + "/frame_002.png").size(), QSize(360, 640));
        QCOMPARE(run({"render", fresh(), out}), 2);
        QCOMPARE(run({"render", package, out, "--trigger", "sneeze"}), 64);
        QCOMPARE(run({"render", package, out, "--frames", "3"}), 64);
        QCOMPARE(run({"render", package}), 64);
    }
};

LW_TEST_MAIN(TestRender)
#include "tst_render.moc"
