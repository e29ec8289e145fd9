#pragma once

#include "LWPropFloatViewModel.h"

#include <QJsonValue>

// A slider with a spin box over [min, max]. The node does not clamp; the
// view keeps the author inside the range. The makeup radius sliders
// ("ovalRadiusX", "ovalRadiusY") also follow the handles dragged in the
// scene, without undo steps of their own.
class LWPropFloatRangeViewModel : public LWPropFloatViewModel
{
    Q_OBJECT
    Q_PROPERTY(double min READ min NOTIFY minChanged)
    Q_PROPERTY(double max READ max NOTIFY maxChanged)

public:
    LWPropFloatRangeViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                              LWQmlViewModel *parent);

    QString qmlPath() const override;
    QJsonValue value() const override;

    double min() const { return m_min; }
    double max() const { return m_max; }
    QString tag() const { return m_tag; }

public slots:
    void onSceneViewDataChanged(QJsonValue val, QString string);

signals:
    void minChanged(double min);
    void maxChanged(double max);

protected:
    void pushCommit(double value) override;

private:
    bool isBrowParam() const;

    double m_min = 0;
    double m_max = 1;
    QString m_tag;
};
