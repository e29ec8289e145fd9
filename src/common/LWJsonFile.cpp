#include "LWJsonFile.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>

namespace LWJsonFile {

namespace {
thread_local int t_failures = 0; // failed writes on this thread so far
}

FailureWatch::FailureWatch()
    : m_failuresBefore(t_failures)
{
}

bool FailureWatch::failed() const
{
    return t_failures != m_failuresBefore;
}

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
        ++t_failures;
        return false;
    }
    // A write cut short (a full disk, a file size limit) is no error to
    // QSaveFile: committing it would put half a document in place.
    if (file.write(bytes) != bytes.size()) {
        qWarning() << "Can't open file for writing" << path << file.errorString();
        file.cancelWriting();
        ++t_failures;
        return false;
    }
    if (!file.commit()) {
        qWarning() << "Can't open file for writing" << path << file.errorString();
        ++t_failures;
        return false;
    }
    return true;
}

bool write(const QString &path, const QJsonObject &object)
{
    return writeBytes(path, QJsonDocument(object).toJson(QJsonDocument::Indented));
}

} // namespace LWJsonFile
