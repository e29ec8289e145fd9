#include "LWPackageCheck.h"

#include "common/LWJsonFile.h"
#include "LWPackageConfig.h"

#include "common/LWImageLimits.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QtEndian>

namespace LWPackageCheck {

namespace {

QHash<QString, QList<FeatureCheck>> &featureChecks()
{
    static QHash<QString, QList<FeatureCheck>> checks;
    return checks;
}

qint64 folderSize(const QString &folder)
{
    qint64 total = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += it.fileInfo().size();
    }
    return total;
}

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 2) + QStringLiteral(" MB");
}

void checkPngs(const QString &packageFolder, QStringList &problems)
{
    QDirIterator it(packageFolder, {QStringLiteral("*.png"), QStringLiteral("*.PNG")}, QDir::Files,
                    QDirIterator::Subdirectories);
    const QDir root(packageFolder);
    while (it.hasNext()) {
        const QString path = it.next();
        const int depth = pngBitDepth(path);
        const QString relative = root.relativeFilePath(path);
        if (depth == 0)
            problems << QStringLiteral("%1: not a readable PNG image").arg(relative);
        else if (depth > 8)
            problems << QStringLiteral("%1: %2-bit PNG; the camera reads 8-bit PNGs only").arg(relative).arg(depth);
        QSize size;
        if (depth != 0 && LWImageLimits::isOversized(path, &size))
            problems << QStringLiteral("%1: %2 x %3 pixels; the camera uses textures of at most %4")
                            .arg(relative)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(LWImageLimits::limitText());
    }
}

void checkFeature(const QJsonObject &link, const QString &packageFolder, QStringList &problems)
{
    const QString type = link.value(QStringLiteral("type")).toString();
    const QString path = link.value(QStringLiteral("path")).toString();
    const QString folderName = path.section(QLatin1Char('/'), 0, 0);
    if (folderName.isEmpty() || folderName == QLatin1String("..") || folderName == QLatin1String(".")) {
        problems << QStringLiteral("feature %1: its folder \"%2\" is not inside the package").arg(type, path);
        return;
    }
    const QString folder = packageFolder + QLatin1Char('/') + folderName;
    const QFileInfo info(folder);
    if (!info.isDir()) {
        problems << QStringLiteral("feature %1: folder %2 is missing").arg(type, folderName);
        return;
    }
    if (!info.isReadable()) {
        problems << QStringLiteral("feature %1: folder %2 cannot be read").arg(type, folderName);
        return;
    }
    const QString contentName = LWPackageConfig::contentFileName(folderName);
    if (LWJsonFile::read(folder + QLatin1Char('/') + contentName).isEmpty())
        problems << QStringLiteral("feature %1: %2/%3 is missing or unreadable").arg(type, folderName, contentName);
    const auto checks = featureChecks().value(type);
    for (const FeatureCheck &check : checks)
        check(link, folder, problems);
}

} // namespace

void addFeatureCheck(const QString &packageTypeName, FeatureCheck check)
{
    featureChecks()[packageTypeName].append(std::move(check));
}

int pngBitDepth(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray header = file.read(26);
    // Signature, then the IHDR chunk: length, "IHDR", width, height, depth.
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (header.size() < 26 || !header.startsWith(signature) || header.mid(12, 4) != "IHDR")
        return 0;
    return quint8(header.at(24));
}

Report checkFolder(const QString &packageFolder, qint64 packageBytes)
{
    Report report;
    const QString configPath = packageFolder + QStringLiteral("/config.json");
    const QJsonObject config = LWJsonFile::read(configPath);
    if (config.isEmpty()) {
        report.usable = false;
        report.problems << QStringLiteral("config.json is missing or unreadable: this is not an effect package");
        return report;
    }
    const QJsonObject effect = config.value(QStringLiteral("effect")).toObject();
    const QJsonArray links = effect.value(QStringLiteral("Link")).toArray();
    if (links.isEmpty() && !effect.value(QStringLiteral("bgm")).isObject())
        report.problems << QStringLiteral("config.json lists no feature");
    for (const QJsonValue &value : links) {
        if (!value.isObject()) {
            report.problems << QStringLiteral("config.json: a Link entry is not an object");
            continue;
        }
        checkFeature(value.toObject(), packageFolder, report.problems);
    }
    const QString music = effect.value(QStringLiteral("bgm")).toObject().value(QStringLiteral("music_path")).toString();
    if (!music.isEmpty() && !QFileInfo(packageFolder + QLatin1Char('/') + music).isFile())
        report.problems << QStringLiteral("background music %1 is missing").arg(music);
    checkPngs(packageFolder, report.problems);

    const qint64 total = packageBytes >= 0 ? packageBytes : folderSize(packageFolder);
    if (total > kPublishLimitBytes) {
        QStringList parts;
        const auto entries = QDir(packageFolder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo &entry : entries)
            parts << QStringLiteral("%1 %2").arg(entry.fileName(), megabytes(folderSize(entry.filePath())));
        report.problems << QStringLiteral("package is %1, over the 5 MB publishing limit (%2)")
                               .arg(megabytes(total), parts.join(QStringLiteral(", ")));
    }
    return report;
}

} // namespace LWPackageCheck
