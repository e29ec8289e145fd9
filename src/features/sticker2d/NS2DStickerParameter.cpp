#include "NS2DStickerParameter.h"

#include <QDebug>
#include <QFile>
#include <QRegularExpression>

namespace NS2DStickerParameter {

namespace {

struct FaceSource
{
    const char *image;
    QSize size;
    const char *points;
    QVector<QList<int>> regions;
};

// Tracking areas in TraceRegion order. The cat face is only tracked by its
// eyes; the screen corners are its last two points.
const FaceSource kHuman{
    "qrc:/LW2DSticker/imgStandardFaceHuman.png",
    QSize(720, 1280),
    ":/LW2DSticker/facePointsHuman.txt",
    {{106, 107}, {74, 77}, {46}, {43}, {45}, {84, 90}, {98}, {101, 103}, {3, 29}, {11, 21}, {35, 40}},
};

const FaceSource kCat{
    "qrc:/LW2DSticker/imgStandardFaceCat.jpg",
    QSize(520, 924),
    ":/LW2DSticker/facePointsCat.txt",
    {{82, 83}, {80, 81}, {}, {}, {}, {}, {}, {}, {}, {}, {}},
};

FaceTypeRelateData build(const FaceSource &source)
{
    FaceTypeRelateData data;
    data.standardImage = QLatin1String(source.image);
    data.standardSize = source.size;
    data.keyPoints = readPointFile(QLatin1String(source.points));
    data.traceRegions = source.regions;
    return data;
}

const int kPositionTypes[] = {0, 1, 2, 4, 512, 65536};
const int kTriggerActions[] = {0, 2, 4, 8, 16, 32, kHandTriggerType};

template <size_t N>
int valueAt(const int (&table)[N], int index, int fallback)
{
    return index >= 0 && index < int(N) ? table[index] : fallback;
}

template <size_t N>
int indexOf(const int (&table)[N], int value)
{
    for (size_t i = 0; i < N; ++i) {
        if (table[i] == value)
            return int(i);
    }
    return -1;
}

} // namespace

QList<int> FaceTypeRelateData::traceRegion(int region) const
{
    return region >= 0 && region < traceRegions.size() ? traceRegions.at(region) : QList<int>();
}

int FaceTypeRelateData::regionOf(const QList<int> &indices) const
{
    if (indices.isEmpty())
        return -1;
    for (int region = 0; region < traceRegions.size(); ++region) {
        if (traceRegions.at(region) == indices)
            return region;
    }
    return -1;
}

FaceTypeRelateData InitializerHuman::operator()() const
{
    return build(kHuman);
}

FaceTypeRelateData InitializerCat::operator()() const
{
    return build(kCat);
}

const FaceTypeRelateData &faceTypeData(int faceType)
{
    static const FaceTypeRelateData human = InitializerHuman()();
    static const FaceTypeRelateData cat = InitializerCat()();
    static const FaceTypeRelateData none;
    switch (faceType) {
    case FaceTypeHuman: return human;
    case FaceTypeCat: return cat;
    default: return none;
    }
}

QVector<QPointF> readPointFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "2D sticker: no key point file" << path;
        return {};
    }
    static const QRegularExpression kSpace(QStringLiteral("\\s+"));
    const QStringList numbers = QString::fromLatin1(file.readAll()).split(kSpace, Qt::SkipEmptyParts);
    QVector<QPointF> points;
    for (int i = 0; i + 1 < numbers.size(); i += 2) {
        bool okX = false;
        bool okY = false;
        const double x = numbers.at(i).toDouble(&okX);
        const double y = numbers.at(i + 1).toDouble(&okY);
        if (!okX || !okY)
            break;
        points.append(QPointF(x, y));
    }
    return points;
}

int positionTypeValue(int index, int fallback)
{
    return valueAt(kPositionTypes, index, fallback);
}

int positionTypeIndex(int value)
{
    return indexOf(kPositionTypes, value);
}

int triggerActionValue(int index, int fallback)
{
    return valueAt(kTriggerActions, index, fallback);
}

int triggerActionIndex(int value)
{
    return indexOf(kTriggerActions, value);
}

TriggerFlags triggerFlags(int mode)
{
    switch (mode) {
    case 1: return {false, false, false, false, true};
    case 2: return {false, true, true, true, true};
    case 3: return {true, true, false, true, true};
    default: return {};
    }
}

int triggerModeOf(int triggerType, bool stop, bool disappear, bool restart)
{
    if (disappear)
        return 3;
    if (stop && restart)
        return 2;
    return triggerType != 0 ? 1 : 0;
}

} // namespace NS2DStickerParameter
