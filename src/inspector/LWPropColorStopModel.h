#pragma once

#include <QColor>
#include <QObject>

// One stop of a gradient. A removed stop is only marked deleted, so a view
// still holding it never sees it vanish under its hands.
class LWPropColorStopModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double position READ position WRITE setPosition NOTIFY positionChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(bool deleted READ deleted WRITE setDeleted NOTIFY deletedChanged)

public:
    LWPropColorStopModel(double position, const QColor &color, QObject *parent = nullptr);

    double position() const { return m_position; }
    void setPosition(double position);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    bool deleted() const { return m_deleted; }
    void setDeleted(bool deleted);

signals:
    void positionChanged();
    void colorChanged();
    void deletedChanged();

private:
    double m_position;
    QColor m_color;
    bool m_deleted = false;
};
