// The 2D sticker document of a package ("sticker.json" beside the
// feature's content.json). Frame folders are made for the parts it names
// so that their frames reach the resource library as in a real package.
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
    const QString feature = package + QStringLiteral("/2DSticker_fuzz");
    QDir().mkpath(feature);
    LWFuzz::writeFile(package + QStringLiteral("/config.json"),
                      R"({"name":"LW_0","version":"1.0","effect":{"Link":[{"type":"2DSticker","zorder":10000,"path":"2DSticker_fuzz/"}]}})");
    LWFuzz::writeFile(feature + QStringLiteral("/content.json"),
                      R"({"tag":"2DSticker_fuzz","version":"1.0","requirement":{"faceDetect":true},"content":{"path":"sticker.json"}})");
    LWFuzz::writeFile(feature + QStringLiteral("/sticker.json"), input);
    const QJsonObject document = QJsonDocument::fromJson(input).object();
    LWFuzzPackage::addFrameFolders(document.value(QStringLiteral("parts")), feature);
    LWFuzzPackage::importSaveAndBuild(package, scratch.path());
    return 0;
}
