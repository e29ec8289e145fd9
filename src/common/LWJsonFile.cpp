#include "LWJsonFile.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>

namespace LWJsonFile {

QJsonObject read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll());
    return doc.isObject() ? doc.object() : QJsonObject();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo::exists(path)) {
        QFile existing(path);
        const auto perms = existing.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser;
        if (!existing.setPermissions(perms))
            qWarning() << "can not change permission" << path;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning() << "Can't open file for writing" << path;
        return false;
    }
    file.write(bytes);
    if (!file.commit()) {
        qWarning() << "Can't open file for writing" << path << file.errorString();
        return false;
    }
    return true;
}

bool write(const QString &path, const QJsonObject &object)
{
    return writeBytes(path, QJsonDocument(object).toJson(QJsonDocument::Indented));
}

} // namespace LWJsonFile
