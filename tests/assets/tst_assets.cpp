#include "LWTestMain.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPolygonF>
#include <QRegularExpression>

#include <cmath>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Point tables are numbers separated by white space, taken in pairs. A
// table that does not parse completely comes back empty.
QVector<QPointF> readPointTable(const QString &path)
{
    const QStringList numbers =
        QString::fromLatin1(readAll(path)).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (numbers.size() % 2)
        return {};
    QVector<QPointF> points;
    for (int i = 0; i < numbers.size(); i += 2) {
        bool okX = false, okY = false;
        const double x = numbers.at(i).toDouble(&okX), y = numbers.at(i + 1).toDouble(&okY);
        if (!okX || !okY)
            return {};
        points << QPointF(x, y);
    }
    return points;
}

QColor pixelAt(const QImage &image, QPointF p)
{
    return image.pixelColor(qBound(0, qRound(p.x()), image.width() - 1), qBound(0, qRound(p.y()), image.height() - 1));
}

int luma(const QColor &c)
{
    return (c.red() * 299 + c.green() * 587 + c.blue() * 114) / 1000;
}

int distance(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

QPolygonF polygonOf(const QVector<QPointF> &points, int first, int last)
{
    QPolygonF polygon;
    for (int i = first; i <= last; ++i)
        polygon << points.at(i);
    return polygon;
}

const QString kHumanPoints = QStringLiteral(":/LW2DSticker/facePointsHuman.txt");
const QString kCatPoints = QStringLiteral(":/LW2DSticker/facePointsCat.txt");
const QString kHumanImage = QStringLiteral(":/LW2DSticker/imgStandardFaceHuman.png");
const QString kCatImage = QStringLiteral(":/LW2DSticker/imgStandardFaceCat.jpg");

// The 1280 x 1280 standard face of the makeup engine holds the 720-wide
// mean face centred.
constexpr double kMakeupFace = 1280;
constexpr double kMeanFaceOffset = 280;

} // namespace

class TstAssets : public QObject
{
    Q_OBJECT
private slots:
    void imagesHaveTheirSizes_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        auto row = [](const char *path, int w, int h) { QTest::newRow(path) << QString::fromLatin1(path) << QSize(w, h); };
        row(":/LW2DSticker/imgStandardFaceHuman.png", 720, 1280);
        row(":/LW2DSticker/imgStandardFaceCat.jpg", 520, 924);
        row(":/LW2DSticker/res/2DStickerPlacehold/default2D.png", 300, 300);
        row(":/LWFaceMakeUpV2/res/meanface.png", 720, 1280);
        row(":/LWFaceMakeUpV2/res/blackmask.png", 150, 150);
        row(":/LWFaceMakeUpV2/res/tranw-brow.png", 150, 150);
        row(":/LWFilter/imgStandardFace.png", 720, 1280);
        row(":/LWFilter/bg_facedistortion.png", 720, 1280);
        row(":/LWHairColor/template.png", 256, 64);
        row(":/FeatureTemplates/Filter/default.png", 512, 512);
        row(":/LWViewCommon/images/default_lut.png", 512, 512);
        // The upload dialog asks for a 162 x 162 icon of at most 40 kB.
        row(":/LWViewCommon/images/defaultFeature.png", 162, 162);
        for (const char *icon : {"2dFeature", "2dFeaturePart", "meizhuang", "featureFilter", "featurehaircolor",
                                 "featuresegbody", "group", "resImage", "resMtl", "resParticle", "resTexture",
                                 "propertyIcon", "triggerIcon", "genzongIcon"}) {
            const QString base = QStringLiteral(":/LWViewCommon/images/") + QLatin1String(icon);
            QTest::newRow(icon) << base + QStringLiteral(".png") << QSize(32, 32);
            QTest::newRow(qPrintable(base + QStringLiteral("@2x"))) << base + QStringLiteral("@2x.png") << QSize(64, 64);
        }
    }
    void imagesHaveTheirSizes()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QByteArray bytes = readAll(path);
        QVERIFY2(!bytes.isEmpty(), qPrintable(path));
        QCOMPARE(QImage::fromData(bytes).size(), size);
        if (path.endsWith(QLatin1String(".jpg"))) {
            QVERIFY(bytes.startsWith("\xff\xd8\xff"));
            return;
        }
        QVERIFY(bytes.startsWith("\x89PNG\r\n\x1a\n"));
        // Resource import refuses PNGs deeper than 8 bits per channel.
        QCOMPARE(int(quint8(bytes.at(24))), 8);
        if (path.endsWith(QLatin1String("defaultFeature.png")))
            QVERIFY(bytes.size() <= 40960);
    }

    // Each makeup layer starts from the first PNG of its default folder; the
    // sizes are the ones its texture slot accepts.
    void makeupDefaults_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        const QSize face(1280, 1280), pupil(150, 150), lut(512, 512), lips(291, 132);
        QTest::newRow("mask") << "maskSeq" << face;
        QTest::newRow("brow blend") << "browBlend" << face;
        QTest::newRow("brow mask") << "browMask" << face;
        QTest::newRow("eye") << "eyePartSeq" << face;
        QTest::newRow("pupil blend") << "pupilBlend" << pupil;
        QTest::newRow("pupil mask") << "pupilMask" << pupil;
        QTest::newRow("lips v2") << "lipsv2" << lips;
        QTest::newRow("lips v3 blend") << "lipsv3Blend" << lips;
        QTest::newRow("lips v3 sequence") << "lipv3sequence" << lips;
        QTest::newRow("lips v3 lookup") << "lipsv3Lookup" << lut;
        QTest::newRow("lips segment lookup") << "lipsSegLookup" << lut;
        QTest::newRow("lips keypoint lookup") << "lipsKLookup" << lut;
        QTest::newRow("lips keypoint mask") << "lipsKMask" << face;
        QTest::newRow("teeth lookup") << "teethLookup" << lut;
        QTest::newRow("teeth mask") << "teethMask" << QSize(260, 130);
        QTest::newRow("mouth") << "mouthPart" << face;
        QTest::newRow("eyelash") << "jiemao_v2" << QSize(174, 89);
    }
    void makeupDefaults()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QDir folder(QStringLiteral(":/LWFaceMakeUpV2/res/") + name);
        const QStringList pngs = folder.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
        QVERIFY2(!pngs.isEmpty(), qPrintable(folder.path()));
        const QByteArray bytes = readAll(folder.filePath(pngs.first()));
        QCOMPARE(QImage::fromData(bytes).size(), size);
        QCOMPARE(int(quint8(bytes.at(24))), 8);
    }

    void fillerPictures()
    {
        const QImage black(QStringLiteral(":/LWFaceMakeUpV2/res/blackmask.png"));
        const QImage clear(QStringLiteral(":/LWFaceMakeUpV2/res/tranw-brow.png"));
        QVERIFY(!black.isNull() && !clear.isNull());
        for (int y = 0; y < 150; ++y) {
            for (int x = 0; x < 150; ++x) {
                QCOMPARE(black.pixel(x, y), qRgba(0, 0, 0, 255));
                QCOMPARE(qAlpha(clear.pixel(x, y)), 0);
            }
        }
    }

    void pointTablesParse_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("image");
        QTest::addColumn<int>("count");
        // 106 face points plus the top corners, addressed as 106 and 107.
        QTest::newRow("human") << kHumanPoints << kHumanImage << 108;
        // 82 face points plus the top corners as 82 and 83.
        QTest::newRow("cat") << kCatPoints << kCatImage << 84;
    }
    void pointTablesParse()
    {
        QFETCH(QString, table);
        QFETCH(QString, image);
        QFETCH(int, count);
        const QVector<QPointF> points = readPointTable(table);
        QCOMPARE(points.size(), count);
        const QSize size = QImage(image).size();
        const QRectF bounds(0, 0, size.width(), size.height());
        for (int i = 0; i < count; ++i)
            QVERIFY2(bounds.contains(points.at(i)), qPrintable(QString::number(i)));
        QCOMPARE(points.at(count - 2), QPointF(0, 0));
        QCOMPARE(points.at(count - 1), QPointF(size.width(), 0));
        // Only the corners may sit on the image's edge.
        for (int i = 0; i < count - 2; ++i)
            QVERIFY(points.at(i).x() > 0 && points.at(i).y() > 0);
    }

    void humanLayout()
    {
        const QVector<QPointF> p = readPointTable(kHumanPoints);
        QCOMPARE(p.size(), 108);
        auto y = [&](int i) { return p.at(i).y(); };
        auto x = [&](int i) { return p.at(i).x(); };
        QVERIFY(y(35) < y(72) && y(40) < y(75));            // brows above the eyes
        QVERIFY(y(74) < y(46) && y(77) < y(46));            // eyes above the nose tip
        QVERIFY(y(43) < y(45) && y(45) < y(46));            // root, bridge, tip
        QVERIFY(y(46) < y(49) && y(49) < y(87));            // nose above the mouth
        QVERIFY(y(87) < y(98) && y(98) < y(102) && y(102) < y(93));
        QVERIFY(y(98) < y(101) && y(98) < y(103));          // upper lip above lower lip
        QVERIFY(x(84) < x(98) && x(98) < x(90));            // mouth corners either side
        QVERIFY(x(52) < x(55) && x(55) < x(43) && x(43) < x(58) && x(58) < x(61));
        QVERIFY(y(93) < y(11) && y(93) < y(21));            // chin below the mouth
        for (int i = 0; i <= 32; ++i) {
            QVERIFY2(y(i) <= y(16), qPrintable(QString::number(i)));
            if (i != 16)
                QVERIFY2((i < 16) == (x(i) < x(16)), qPrintable(QString::number(i)));
        }
        QVERIFY(x(3) < x(52) && x(29) > x(61));             // ears outside the eyes
        // Contour and lip contours run in order without doubling back.
        for (int i = 1; i <= 16; ++i)
            QVERIFY2(y(i) > y(i - 1) || i < 3, qPrintable(QString::number(i)));
        for (int i = 85; i <= 90; ++i)
            QVERIFY(x(i) > x(i - 1));
        for (int i = 91; i <= 95; ++i)
            QVERIFY(x(i) < x(i - 1));
    }

    void catLayout()
    {
        const QVector<QPointF> p = readPointTable(kCatPoints);
        QCOMPARE(p.size(), 84);
        auto y = [&](int i) { return p.at(i).y(); };
        QVERIFY(y(19) < y(28) && y(24) < y(28));            // ear tips above the crown
        QVERIFY(y(28) < y(76) && y(76) < y(80));            // crown, brows, eyes
        QVERIFY(y(80) < y(49) && y(81) < y(49));            // eyes above the nose tip
        QVERIFY(y(51) < y(49) && y(49) < y(52) && y(52) < y(62) && y(62) < y(63));
        QVERIFY(y(63) < y(8));                              // chin inside the contour
        for (int i = 0; i <= 16; ++i)
            QVERIFY(y(i) <= y(8));
    }

    void symmetric_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<double>("axis");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        const QVector<QPair<int, int>> human = {{0, 32},  {3, 29},  {11, 21}, {33, 42}, {35, 40},   {37, 38},
                                                {64, 71}, {67, 68}, {52, 61}, {55, 58}, {72, 75},   {73, 76},
                                                {74, 77}, {47, 51}, {48, 50}, {78, 79}, {80, 81},   {82, 83},
                                                {84, 90}, {86, 88}, {95, 91}, {96, 100}, {103, 101}, {104, 105},
                                                {16, 16}, {43, 43}, {46, 46}, {49, 49}, {87, 87},   {98, 98}};
        for (const auto &pair : human)
            QTest::newRow(qPrintable(QStringLiteral("human %1/%2").arg(pair.first).arg(pair.second)))
                << kHumanPoints << 360.0 << pair.first << pair.second;
        const QVector<QPair<int, int>> cat = {{0, 16},  {17, 22}, {19, 24}, {30, 38}, {34, 42}, {80, 81}, {48, 50},
                                              {53, 56}, {55, 58}, {59, 61}, {64, 70}, {69, 75}, {76, 78}, {8, 8},
                                              {28, 28}, {49, 49}, {63, 63}};
        for (const auto &pair : cat)
            QTest::newRow(qPrintable(QStringLiteral("cat %1/%2").arg(pair.first).arg(pair.second)))
                << kCatPoints << 260.0 << pair.first << pair.second;
    }
    void symmetric()
    {
        QFETCH(QString, table);
        QFETCH(double, axis);
        QFETCH(int, left);
        QFETCH(int, right);
        const QVector<QPointF> p = readPointTable(table);
        QVERIFY(p.size() > std::max(left, right));
        QVERIFY(std::abs(p.at(left).y() - p.at(right).y()) <= 1.0);
        QVERIFY(std::abs((p.at(left).x() + p.at(right).x()) / 2 - axis) <= 1.0);
        QVERIFY(p.at(left).x() <= p.at(right).x());
    }

    void pupilsInsideEyes_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("pupil");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("human left 74") << kHumanPoints << 74 << 52 << 57;
        QTest::newRow("human left 104") << kHumanPoints << 104 << 52 << 57;
        QTest::newRow("human right 77") << kHumanPoints << 77 << 58 << 63;
        QTest::newRow("human right 105") << kHumanPoints << 105 << 58 << 63;
        QTest::newRow("cat left") << kCatPoints << 80 << 30 << 37;
        QTest::newRow("cat right") << kCatPoints << 81 << 38 << 45;
    }
    void pupilsInsideEyes()
    {
        QFETCH(QString, table);
        QFETCH(int, pupil);
        QFETCH(int, first);
        QFETCH(int, last);
        const QVector<QPointF> p = readPointTable(table);
        QVERIFY(p.size() > last);
        QVERIFY(polygonOf(p, first, last).containsPoint(p.at(pupil), Qt::OddEvenFill));
    }

    // The tracking areas pin stickers to these points, so each must land on
    // its feature in the picture, not merely near it.
    void pointsSitOnTheirFeatures_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("image");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("feature");
        const QVector<QPair<int, const char *>> human = {
            {74, "pupil"}, {77, "pupil"}, {104, "pupil"}, {105, "pupil"}, {35, "brow"}, {40, "brow"},
            {33, "brow"},  {42, "brow"},  {84, "lip"},    {90, "lip"},    {98, "lip"},  {101, "lip"},
            {103, "lip"},  {87, "lip"},   {93, "lip"},    {3, "ear"},     {29, "ear"},  {11, "skin"},
            {21, "skin"},  {16, "skin"},  {43, "skin"},   {45, "skin"},   {46, "skin"}};
        for (const auto &row : human)
            QTest::newRow(qPrintable(QStringLiteral("human %1 %2").arg(row.first).arg(QLatin1String(row.second))))
                << kHumanPoints << kHumanImage << row.first << QString::fromLatin1(row.second);
        const QVector<QPair<int, const char *>> cat = {{80, "pupil"}, {81, "pupil"}, {49, "lip"}, {48, "lip"},
                                                       {50, "lip"},   {19, "skin"},  {8, "skin"}, {63, "skin"}};
        for (const auto &row : cat)
            QTest::newRow(qPrintable(QStringLiteral("cat %1 %2").arg(row.first).arg(QLatin1String(row.second))))
                << kCatPoints << kCatImage << row.first << QString::fromLatin1(row.second);
    }
    void pointsSitOnTheirFeatures()
    {
        QFETCH(QString, table);
        QFETCH(QString, image);
        QFETCH(int, index);
        QFETCH(QString, feature);
        const QVector<QPointF> p = readPointTable(table);
        const QImage picture(image);
        QVERIFY(p.size() > index && !picture.isNull());
        const QColor background = picture.pixelColor(2, 2);
        const QColor c = pixelAt(picture, p.at(index));
        if (feature == QLatin1String("pupil")) {
            QVERIFY2(luma(c) < 60, qPrintable(c.name()));
        } else if (feature == QLatin1String("brow")) {
            QVERIFY2(luma(c) < 110, qPrintable(c.name()));
        } else if (feature == QLatin1String("lip")) {
            QVERIFY2(c.red() > c.green() + 40 && c.red() > c.blue() + 30, qPrintable(c.name()));
        } else if (feature == QLatin1String("skin")) {
            QVERIFY2(distance(c, background) > 60, qPrintable(c.name()));
        } else if (feature == QLatin1String("ear")) {
            // The ear reaches out beyond the face contour where the point sits.
            const double outward = p.at(index).x() < picture.width() / 2 ? -20 : 20;
            const QColor ear = pixelAt(picture, p.at(index) + QPointF(outward, 0));
            QVERIFY2(distance(ear, background) > 60, qPrintable(ear.name()));
            QVERIFY2(distance(ear, pixelAt(picture, p.at(43))) < 60, qPrintable(ear.name()));
        } else {
            QFAIL("unknown feature kind");
        }
    }

    // Level n of the 64-level lookup layout is stored as round(n * 255 / 63);
    // blue picks the tile row-major, red runs along x and green along y.
    void lookupTablesAreIdentity_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("filter default") << QStringLiteral(":/FeatureTemplates/Filter/default.png");
        QTest::newRow("export fallback") << QStringLiteral(":/LWViewCommon/images/default_lut.png");
    }
    void lookupTablesAreIdentity()
    {
        QFETCH(QString, path);
        const QImage lut = QImage(path).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(lut.size(), QSize(512, 512));
        auto level = [](int n) { return qRound(n * 255.0 / 63); };
        for (int b = 0; b < 64; ++b) {
            for (int g = 0; g < 64; ++g) {
                for (int r = 0; r < 64; ++r) {
                    const QRgb px = lut.pixel((b % 8) * 64 + r, (b / 8) * 64 + g);
                    if (px != qRgb(level(r), level(g), level(b)))
                        QFAIL(qPrintable(QStringLiteral("level %1 %2 %3").arg(r).arg(g).arg(b)));
                }
            }
        }
        // Looking colours up the usual way hands them back unchanged.
        const QVector<QColor> samples = {Qt::black, Qt::white, QColor(255, 0, 0), QColor(12, 200, 77),
                                         QColor(128, 64, 250), QColor(244, 201, 166)};
        for (const QColor &c : samples) {
            auto toLevel = [](int v) { return qRound(v * 63.0 / 255); };
            const int b = toLevel(c.blue());
            const QColor out = lut.pixelColor((b % 8) * 64 + toLevel(c.red()), (b / 8) * 64 + toLevel(c.green()));
            QVERIFY2(distance(out, c) <= 6, qPrintable(c.name() + QStringLiteral(" -> ") + out.name()));
        }
    }

    void texcoordHas240NormalisedPoints()
    {
        const QList<QByteArray> lines = readAll(QStringLiteral(":/FeatureTemplates/FaceMakeupV2/mask/texcoord.txt"))
                                            .trimmed()
                                            .split('\n');
        QCOMPARE(lines.size(), 241);
        QCOMPARE(lines.first().trimmed(), QByteArray("240"));
        QVector<QPointF> points;
        for (int i = 1; i < lines.size(); ++i) {
            const QList<QByteArray> xy = lines.at(i).simplified().split(' ');
            QCOMPARE(xy.size(), 2);
            bool okX = false, okY = false;
            const QPointF p(xy.at(0).toDouble(&okX), xy.at(1).toDouble(&okY));
            QVERIFY(okX && okY);
            QVERIFY2(p.x() >= 0 && p.x() <= 1 && p.y() >= 0 && p.y() <= 1, lines.at(i).constData());
            points << p;
        }
        // The makeup scene draws pupils 60 x 60 at (488, 490) and (733, 490)
        // of the standard face; the texture coordinates must agree, and the
        // mean face must show its pupils there.
        auto inFace = [](QPointF p) { return p * kMakeupFace; };
        QVERIFY(QLineF(inFace(points.at(74)), QPointF(518, 520)).length() < 3);
        QVERIFY(QLineF(inFace(points.at(77)), QPointF(763, 520)).length() < 3);
        const QImage mean(QStringLiteral(":/LWFaceMakeUpV2/res/meanface.png"));
        for (int i : {74, 77}) {
            const QColor c = pixelAt(mean, inFace(points.at(i)) - QPointF(kMeanFaceOffset, 0));
            QVERIFY2(luma(c) < 60, qPrintable(c.name()));
        }
    }
};

LW_TEST_MAIN(TstAssets)
#include "tst_assets.moc"
