#include "LWPropColorsViewModel.h"

#include "LWPropColorStopModel.h"
#include "LWPropColorViewModel.h"

#include <QJsonArray>
#include <algorithm>

LWPropColorsViewModel::LWPropColorsViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                                             LWQmlViewModel *parent)
    : LWPropViewModel(id, component, value, parent, 70)
{
    const QJsonArray stops = boundOrDefault().toArray();
    for (const QJsonValue &stop : stops) {
        const QJsonArray parts = stop.toArray();
        if (parts.size() < 4)
            continue;
        const auto component = [&parts](int i) { return LWPropColorViewModel::componentFromFraction(parts.at(i).toDouble()); };
        addStop(parts.at(0).toDouble(), QColor(component(1), component(2), component(3),
                                               parts.size() > 4 ? component(4) : 255));
    }
}

QString LWPropColorsViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropColorsView.qml");
}

LWPropColorStopModel *LWPropColorsViewModel::addStop(double position, const QColor &color)
{
    auto *stop = new LWPropColorStopModel(position, color, this);
    const auto announce = [this] { emit qmlViewDataChanged(); };
    connect(stop, &LWPropColorStopModel::positionChanged, this, announce);
    connect(stop, &LWPropColorStopModel::colorChanged, this, announce);
    m_stops << stop;
    return stop;
}

QList<LWPropColorStopModel *> LWPropColorsViewModel::liveStops() const
{
    QList<LWPropColorStopModel *> live;
    for (LWPropColorStopModel *stop : m_stops) {
        if (!stop->deleted())
            live << stop;
    }
    std::stable_sort(live.begin(), live.end(),
                     [](const LWPropColorStopModel *a, const LWPropColorStopModel *b) { return a->position() < b->position(); });
    return live;
}

QList<QObject *> LWPropColorsViewModel::gradientStops() const
{
    QList<QObject *> list;
    for (LWPropColorStopModel *stop : m_stops)
        list << stop;
    return list;
}

QColor LWPropColorsViewModel::colorAt(double position) const
{
    const QList<LWPropColorStopModel *> live = liveStops();
    if (live.isEmpty())
        return Qt::white;
    if (position <= live.first()->position())
        return live.first()->color();
    for (int i = 1; i < live.size(); ++i) {
        const LWPropColorStopModel *a = live.at(i - 1);
        const LWPropColorStopModel *b = live.at(i);
        if (position <= b->position()) {
            const double span = b->position() - a->position();
            const double t = span > 0 ? (position - a->position()) / span : 0;
            const auto mix = [t](int x, int y) { return int(x + (y - x) * t + 0.5); };
            return QColor(mix(a->color().red(), b->color().red()), mix(a->color().green(), b->color().green()),
                          mix(a->color().blue(), b->color().blue()), mix(a->color().alpha(), b->color().alpha()));
        }
    }
    return live.last()->color();
}

LWPropColorStopModel *LWPropColorsViewModel::createStop(double position)
{
    LWPropColorStopModel *stop = addStop(position, colorAt(position));
    emit gradientStopsChanged();
    emit qmlViewDataChanged();
    return stop;
}

void LWPropColorsViewModel::removeStop(LWPropColorStopModel *stop)
{
    if (!stop || !m_stops.contains(stop) || stop->deleted())
        return;
    stop->setDeleted(true);
    emit gradientStopsChanged();
    emit qmlViewDataChanged();
}

QJsonValue LWPropColorsViewModel::value() const
{
    QJsonArray stops;
    for (const LWPropColorStopModel *stop : liveStops()) {
        const QColor c = stop->color();
        stops.append(QJsonArray{stop->position(), c.red() / 255.0, c.green() / 255.0, c.blue() / 255.0,
                                c.alpha() / 255.0});
    }
    return stops;
}
