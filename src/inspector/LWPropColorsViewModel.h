#pragma once

#include "LWPropViewModel.h"

#include <QList>

class LWPropColorStopModel;

// A gradient editor. The bound value and value() are arrays of stops, each
// [position, red, green, blue, alpha] with fractions 0..1, written in
// position order; deleted stops are not written. Edits apply at once.
class LWPropColorsViewModel : public LWPropViewModel
{
    Q_OBJECT
    Q_PROPERTY(QList<QObject *> gradientStops READ gradientStops NOTIFY gradientStopsChanged)

public:
    LWPropColorsViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                          LWQmlViewModel *parent);

    QString qmlPath() const override;
    QJsonValue value() const override;

    QList<QObject *> gradientStops() const;
    // The new stop takes the gradient's colour at that position.
    Q_INVOKABLE LWPropColorStopModel *createStop(double position);
    Q_INVOKABLE void removeStop(LWPropColorStopModel *stop);
    // The colour the gradient shows at a position.
    Q_INVOKABLE QColor colorAt(double position) const;

signals:
    void floatValueChanged(double value);
    void gradientStopsChanged();

private:
    LWPropColorStopModel *addStop(double position, const QColor &color);
    QList<LWPropColorStopModel *> liveStops() const;

    QList<LWPropColorStopModel *> m_stops; // owned (QObject children)
};
