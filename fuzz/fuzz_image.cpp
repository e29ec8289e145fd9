// Image headers: what the panels show about an image (LWImageFileInfo),
// the 8-bit PNG check before an import, the texture size rules, and the
// frames of an imported animated GIF. The bytes are tried under both names.
#include "LWFuzzSupport.h"
#include "common/LWDataPaths.h"
#include "common/LWEffectCommon.h"
#include "common/LWFolderUtil.h"
#include "inspector/LWImageFileInfo.h"
#include "resources/LWResourceImageCheck.h"
#include "resources/LWResourceImporter.h"

#include <QDir>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    LWFuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = LWFuzz::bytes(data, size);
    LWFuzz::Scratch scratch;
    const QString gifArea = LWDataPaths::subFolder(QStringLiteral("gifTemp"));
    for (const QString &name : {QStringLiteral("pic.png"), QStringLiteral("pic.gif")}) {
        const QString path = scratch.file(name);
        LWFuzz::writeFile(path, input);
        const LWImageFileInfo info(path);
        if (info.bytes() != input.size())
            LWFuzz::fail("the file size shown is not the file's", name);
        LWResourceImageCheck::passesEightBitCheck(path);
        QString error;
        for (int constraint = LWEffectCommon::LWConstraintTypeNone;
             constraint <= LWEffectCommon::LWConstrainTypeTextureSizeFix150x150; ++constraint)
            LWResourceImageCheck::checkTextureConstraint(path, constraint, &error);
    }
    const QStringList frames = LWResourceImporter::extractGifFrames(scratch.file(QStringLiteral("pic.gif")));
    for (const QString &frame : frames) {
        if (!QDir::cleanPath(frame).startsWith(gifArea + QStringLiteral("/pic/")))
            LWFuzz::fail("a GIF frame was written outside its folder", frame);
    }
    const QStringList written = LWFuzz::tree(gifArea);
    LWFolderUtil::removeFolder(gifArea);
    for (const QString &entry : written) {
        if (entry != QLatin1String("pic") && !entry.startsWith(QLatin1String("pic/")))
            LWFuzz::fail("GIF frames went somewhere else", entry);
    }
    return 0;
}
