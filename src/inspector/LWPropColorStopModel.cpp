#include "LWPropColorStopModel.h"

LWPropColorStopModel::LWPropColorStopModel(double position, const QColor &color, QObject *parent)
    : QObject(parent)
    , m_position(qBound(0.0, position, 1.0))
    , m_color(color)
{
}

void LWPropColorStopModel::setPosition(double position)
{
    position = qBound(0.0, position, 1.0);
    if (qFuzzyCompare(position + 1.0, m_position + 1.0))
        return;
    m_position = position;
    emit positionChanged();
}

void LWPropColorStopModel::setColor(const QColor &color)
{
    if (color.rgba() == m_color.rgba())
        return;
    m_color = color;
    emit colorChanged();
}

void LWPropColorStopModel::setDeleted(bool deleted)
{
    if (deleted == m_deleted)
        return;
    m_deleted = deleted;
    emit deletedChanged();
}
