#include "ServerConfig.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSaveFile>

ServerConfig::ServerConfig(const QString &dataDir)
    : m_path(dataDir + QStringLiteral("/config.json"))
{
}

QJsonObject ServerConfig::read() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return QJsonObject();
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        qWarning("config.json is not a JSON object (%s); using defaults", qPrintable(error.errorString()));
        return QJsonObject();
    }
    return doc.object();
}

QJsonObject ServerConfig::section(const QString &name) const
{
    return read().value(name).toObject();
}

bool ServerConfig::seedDefaults() const
{
    if (QFile::exists(m_path))
        return true;
    const QJsonObject update{
        {QStringLiteral("version"), QStringLiteral("1.0.0")},
        {QStringLiteral("features"), QStringLiteral("Local reference release.")},
        {QStringLiteral("bugFix"), QStringLiteral("Nothing yet.")},
        {QStringLiteral("file"), QStringLiteral("GlowsmithSetup")},
    };
    const QJsonObject root{{QStringLiteral("update"), update}, {QStringLiteral("faults"), QJsonObject()}};
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(root).toJson(QJsonDocument::Indented));
    return file.commit();
}
