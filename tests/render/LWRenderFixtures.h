#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QTest>

// Small packages written on the spot for the renderer's tests.
namespace LWRenderFixtures {

inline void writeJson(const QString &path, const QJsonObject &object)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(object).toJson());
}

// A part's anchor list of one point, pinned to the key point `index` (none
// when negative).
inline QJsonArray anchor(int index, double x, double y)
{
    QJsonObject a{{"x", x}, {"y", y}};
    if (index >= 0)
        a.insert("index", index);
    return QJsonArray{a};
}

} // namespace LWRenderFixtures
