// A package folder as the editor imports it: config.json (the input up to
// "\n---\n") and, in every feature folder it links, the feature's content
// file (the rest of the input).
#include "LWFuzzPackage.h"
#include "LWFuzzSupport.h"
#include "features/LWFeatureModel.h"
#include "package/LWPackageConfig.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    LWFuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const LWFuzzParts parts = LWFuzzParts::split(LWFuzz::bytes(data, size));
    LWFuzz::Scratch scratch;
    const QString package = scratch.file(QStringLiteral("package"));
    QDir().mkpath(package);
    LWFuzz::writeFile(package + QStringLiteral("/config.json"), parts.first);
    const QJsonObject config = QJsonDocument::fromJson(parts.first).object();
    const QJsonArray links = config.value(QStringLiteral("effect")).toObject().value(QStringLiteral("Link")).toArray();
    int budget = 4;
    for (const QJsonValue &link : links) {
        const QString folder = link.toObject().value(QStringLiteral("path")).toString().section(QLatin1Char('/'), 0, 0);
        if (folder.isEmpty() || folder.startsWith(QLatin1Char('.')) || folder.contains(QLatin1Char('\\')) || --budget < 0)
            continue;
        const QString feature = package + QLatin1Char('/') + folder;
        QDir().mkpath(feature);
        LWFuzz::writeFile(feature + QLatin1Char('/') + LWPackageConfig::contentFileName(folder), parts.second);
        LWFuzzPackage::addNamedImages(QJsonDocument::fromJson(parts.second).object(), feature);
    }
    LWFuzzPackage::importSaveAndBuild(package, scratch.path());
    return 0;
}
