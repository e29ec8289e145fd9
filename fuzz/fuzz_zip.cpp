// Zip reading: any archive is unpacked into a scratch folder. Nothing may
// be written outside the target and no link may be made; an archive that
// unpacked completely is zipped again and must unpack to the same files.
#include "LWFuzzSupport.h"
#include "package/LWZipUtil.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void checkNoLinks(const QString &folder)
{
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        if (QFileInfo(it.next()).isSymLink())
            LWFuzz::fail("unzip made a link", it.filePath());
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    LWFuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    LWFuzz::Scratch scratch;
    const QString archive = scratch.file(QStringLiteral("in.zip"));
    const QString target = scratch.file(QStringLiteral("target"));
    LWFuzz::writeFile(archive, LWFuzz::bytes(data, size));
    const QStringList outside = LWFuzz::treeOutside(scratch.path());
    const bool complete = LWZipUtil::unzip(archive, target);
    for (const QString &entry : LWFuzz::tree(scratch.path())) {
        if (entry != QLatin1String("in.zip") && entry != QLatin1String("target")
            && !entry.startsWith(QLatin1String("target/")))
            LWFuzz::fail("unzip wrote outside its target", entry);
    }
    if (LWFuzz::treeOutside(scratch.path()) != outside)
        LWFuzz::fail("unzip touched files outside its scratch folder");
    checkNoLinks(target);
    if (!complete)
        return 0;
    // Names of unflagged entries are decoded with the local codec; bytes it
    // cannot read become replacement characters, which may make a name too
    // long for an archive of ours. Such a folder is not zipped again.
    for (const QString &file : LWFuzz::tree(target)) {
        if (file.toUtf8().size() > LWZipUtil::kMaxEntryNameBytes - 1)
            return 0;
    }

    const QString again = scratch.file(QStringLiteral("again.zip"));
    const QString copy = scratch.file(QStringLiteral("copy"));
    if (!LWZipUtil::zipFolder(target, again))
        LWFuzz::fail("an unpacked archive could not be zipped again");
    if (!LWZipUtil::unzip(again, copy))
        LWFuzz::fail("an archive of ours did not unpack");
    const QStringList files = LWFuzz::tree(target);
    if (files != LWFuzz::tree(copy))
        LWFuzz::fail("zipping an unpacked archive again changed its entries");
    for (const QString &file : files) {
        if (readAll(target + QLatin1Char('/') + file) != readAll(copy + QLatin1Char('/') + file))
            LWFuzz::fail("zipping an unpacked archive again changed a file", file);
    }
    return 0;
}
