// The face makeup document of a package ("makeup.json" beside the
// feature's content.json), with small images at the texture paths it names.
#include "LWFuzzPackage.h"
#include "LWFuzzSupport.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    LWFuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = LWFuzz::bytes(data, size);
    LWFuzz::Scratch scratch;
    const QString package = scratch.file(QStringLiteral("package"));
    const QString feature = package + QStringLiteral("/FaceMakeupV2_fuzz");
    QDir().mkpath(feature);
    LWFuzz::writeFile(package + QStringLiteral("/config.json"),
                      R"({"name":"LW_0","version":"1.0","effect":{"Link":[{"type":"FaceMakeupV2","zorder":10000,"path":"FaceMakeupV2_fuzz/"}]}})");
    LWFuzz::writeFile(feature + QStringLiteral("/content.json"),
                      R"({"tag":"FaceMakeup_fuzz","version":"1.0","requirement":{"faceDetect":true},"content":{"path":"makeup.json"}})");
    LWFuzz::writeFile(feature + QStringLiteral("/makeup.json"), input);
    LWFuzzPackage::addNamedImages(QJsonDocument::fromJson(input).object(), feature);
    LWFuzzPackage::importSaveAndBuild(package, scratch.path());
    return 0;
}
