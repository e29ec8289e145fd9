#include "MaterialSeeder.h"

#include "Database.h"
#include "FileStore.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

QByteArray seedBytes(const QString &name)
{
    QFile file(MaterialSeeder::seedFolder() + QLatin1Char('/') + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

MaterialSeeder::MaterialSeeder(const ServiceContext &context)
    : m_context(context)
{
}

QString MaterialSeeder::seedFolder()
{
    return QStringLiteral(":/lwservice/seed");
}

bool MaterialSeeder::seedIfEmpty()
{
    if (m_context.db->value(QStringLiteral("SELECT COUNT(*) FROM materials")).toInt() > 0)
        return true;
    const QJsonArray catalogue = QJsonDocument::fromJson(seedBytes(QStringLiteral("catalogue.json"))).array();
    if (catalogue.isEmpty())
        return false;
    for (int i = 0; i < catalogue.size(); ++i) {
        if (!add(catalogue.at(i).toObject(), i))
            return false;
    }
    return true;
}

bool MaterialSeeder::add(const QJsonObject &entry, int position)
{
    const QString name = entry.value(QStringLiteral("name")).toString();
    const QString file = entry.value(QStringLiteral("file")).toString();
    const QString icon = entry.value(QStringLiteral("icon")).toString();
    if (name.isEmpty() || !FileStore::isSafeName(file) || !FileStore::isSafeName(icon))
        return false;
    const QByteArray fileBytes = seedBytes(file);
    const QByteArray iconBytes = seedBytes(icon);
    if (fileBytes.isEmpty() || iconBytes.isEmpty())
        return false;
    return FileStore::write(m_context.files->publicPath(QStringLiteral("materials"), file), fileBytes)
        && FileStore::write(m_context.files->publicPath(QStringLiteral("materials"), icon), iconBytes)
        && m_context.db->run(QStringLiteral("INSERT INTO materials (type, name, file, icon, size, position) VALUES (?, ?, ?, ?, ?, ?)"),
                             {entry.value(QStringLiteral("type")).toInt(), name, file, icon, fileBytes.size(), position});
}
