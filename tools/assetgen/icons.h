#pragma once

#include <QImage>
#include <QString>
#include <QVector>

#include <functional>

class QPainter;

// Tree, resource and section icons: one 32-unit design each, drawn in the
// interface palette on a transparent ground.
namespace Icons {

struct Icon
{
    QString file; // e.g. "2dFeature.png"
    std::function<void(QPainter &)> draw; // in 32 x 32 units
};

QVector<Icon> all();
QImage render(const Icon &icon, int size);

} // namespace Icons
