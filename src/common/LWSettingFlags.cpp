#include "LWSettingFlags.h"

#include "LWCrashFlagSink.h"
#include "LWDataPaths.h"
#include "LWJsonFile.h"

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

bool write(const QString &key, bool value)
{
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
