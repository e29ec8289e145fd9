#include "LWSettingFlags.h"

#include "LWCrashFlagSink.h"
#include "LWDataPaths.h"
#include "LWJsonFile.h"

#include <QFile>
#include <QJsonDocument>

namespace LWSettingFlags {

namespace {
const QString kLastCrashed = QStringLiteral("lastCrashed");
}

std::optional<bool> read(const QString &key)
{
    const QJsonObject flags = LWJsonFile::read(LWDataPaths::settingFlagsPath());
    const QJsonValue value = flags.value(key);
    if (!value.isBool())
        return std::nullopt;
    return value.toBool();
}

namespace {
// A file we cannot read as an object is set aside rather than overwritten:
// it may be an author's hand edit, and replacing it would lose it for good.
void setAsideUnreadable(const QString &path)
{
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll());
    file.close();
    if (doc.isObject())
        return;
    const QString aside = path + QStringLiteral(".unreadable");
    QFile::remove(aside);
    QFile::rename(path, aside);
}
} // namespace

bool write(const QString &key, bool value)
{
    setAsideUnreadable(LWDataPaths::settingFlagsPath());
    QJsonObject flags = LWJsonFile::read(LWDataPaths::settingFlagsPath());
    flags.insert(key, value);
    const bool ok = LWJsonFile::write(LWDataPaths::settingFlagsPath(), flags);
    LWCrashFlagSink::refresh();
    return ok;
}

bool takeLastCrashed()
{
    const bool crashed = read(kLastCrashed).value_or(false);
    if (crashed)
        write(kLastCrashed, false);
    return crashed;
}

QByteArray crashedImage()
{
    QJsonObject flags = LWJsonFile::read(LWDataPaths::settingFlagsPath());
    flags.insert(kLastCrashed, true);
    return QJsonDocument(flags).toJson(QJsonDocument::Indented);
}

} // namespace LWSettingFlags
