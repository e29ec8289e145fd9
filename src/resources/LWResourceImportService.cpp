#include "LWResourceImportService.h"

#include "LWResourceImageCheck.h"
#include "LWResourceImporter.h"
#include "LWResourceManager.h"
#include "LWResouceTreeViewModel.h"

#include "common/LWImageLimits.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

LWResourceImportService *LWResourceImportService::instance()
{
    static LWResourceImportService *service = new LWResourceImportService;
    return service;
}

LWResourceImportService::LWResourceImportService()
    : QObject(QCoreApplication::instance())
{
}

void LWResourceImportService::setLibraryProvider(LibraryProvider provider)
{
    m_provider = std::move(provider);
}

bool LWResourceImportService::ensureLibrary() const
{
    return m_provider ? m_provider() : LWResourceManager::instance()->isLoaded();
}

QString LWResourceImportService::pathFromUrl(const QString &url)
{
    if (url.startsWith(QLatin1String("qrc:")))
        return QLatin1Char(':') + QUrl(url).path(QUrl::FullyDecoded);
    // Only text that names a scheme is a URL: a plain path may hold "#",
    // "?" or "%20" in its file names and means exactly those characters.
    const QUrl parsed(url);
    if (url.startsWith(QLatin1Char('/')) || url.startsWith(QLatin1Char(':')) || parsed.scheme().size() < 2)
        return url;
    const QString local = parsed.toLocalFile();
    return local.isEmpty() ? parsed.path(QUrl::FullyDecoded) : local;
}

QStringList LWResourceImportService::urlTexts(const QVariantList &urls)
{
    QStringList texts;
    for (const QVariant &url : urls)
        texts.append(url.userType() == QMetaType::QUrl ? url.toUrl().toString(QUrl::FullyEncoded) : url.toString());
    return texts;
}

bool LWResourceImportService::passesPngCheck(const QString &url)
{
    const QString path = pathFromUrl(url);
    if (LWResourceImageCheck::passesEightBitCheck(path))
        return true;
    qDebug("png not ok");
    emit importRefused(Refusal::PngDepth, path);
    return false;
}

bool LWResourceImportService::passesSizeCheck(const QStringList &paths)
{
    for (const QString &path : paths) {
        QSize size;
        if (LWImageLimits::isOversized(path, &size)) {
            qWarning().noquote() << "import refused:" << path << "is" << size.width() << "x" << size.height();
            emit importRefused(Refusal::ImageTooLarge, path);
            return false;
        }
    }
    return true;
}

bool LWResourceImportService::passesFolderSizeCheck(const QString &folder, bool withChildren)
{
    const QDir dir(folder);
    QStringList paths;
    const QFileInfoList files = dir.entryInfoList(QDir::Files);
    for (const QFileInfo &file : files)
        paths << file.filePath();
    if (withChildren) {
        const QFileInfoList children = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QFileInfo &child : children) {
            const QFileInfoList inner = QDir(child.filePath()).entryInfoList(QDir::Files);
            for (const QFileInfo &file : inner)
                paths << file.filePath();
        }
    }
    return passesSizeCheck(paths);
}

QString LWResourceImportService::refusalMessage(Refusal refusal, const QString &path)
{
    if (refusal == Refusal::ImageTooLarge) {
        const QSize size = LWImageLimits::declaredSize(path);
        return tr("%1 is %2 x %3 pixels. The camera uses images of at most %4 pixels: "
                  "please scale it down before importing it.")
            .arg(QFileInfo(path).fileName())
            .arg(size.width())
            .arg(size.height())
            .arg(LWImageLimits::limitText());
    }
    return tr("Please use 8 bit PNG");
}

namespace {

LWResourceImporter importerFor(const ImportResourceParam &param)
{
    return LWResourceImporter(param, LWResourceManager::instance()->importParent());
}

} // namespace

QString LWResourceImportService::importMusic(const QString &filePath)
{
    // Called while an effect loads, before it is the current one: only the
    // library already loaded for it can take the music.
    if (!LWResourceManager::instance()->isLoaded())
        return QString();
    // Music is MP3; any other file would join the library as something else
    // (a picture, say) and then stand in for the music.
    if (QFileInfo(filePath).suffix().compare(QLatin1String("mp3"), Qt::CaseInsensitive) != 0) {
        qWarning().noquote() << "background music: ignoring" << filePath << "- not an MP3 file";
        return QString();
    }
    ImportResourceParam param;
    param.returnResourceId = true;
    param.withUndo = false;
    return importerFor(param).importFile(filePath);
}

QString LWResourceImportService::importFile(const QString &url, ImportResourceParam param)
{
    if (!ensureLibrary())
        return QString();
    const QString path = pathFromUrl(url);
    if (!passesSizeCheck({path}))
        return QString();
    const QString id = importerFor(param).importFile(path);
    return param.returnResourceId ? id : QString();
}

QStringList LWResourceImportService::importMultiFiles(const QStringList &urls, ImportResourceParam param)
{
    if (!ensureLibrary() || urls.isEmpty() || !passesPngCheck(urls.first()))
        return {};
    QStringList ids;
    for (const QString &url : urls) {
        const QString id = importFile(url, param);
        if (!id.isEmpty())
            ids.append(id);
    }
    return ids;
}

QString LWResourceImportService::importMultiFilesAsTexture(const QStringList &urls, ImportResourceParam param)
{
    if (!ensureLibrary() || urls.isEmpty() || !passesPngCheck(urls.first()))
        return QString();
    QStringList paths;
    for (const QString &url : urls)
        paths.append(pathFromUrl(url));
    if (!passesSizeCheck(paths))
        return QString();
    const QString id = importerFor(param).importFramesFromFiles(paths);
    return param.returnResourceId ? id : QString();
}

QString LWResourceImportService::importTextureFolder(const QString &url, ImportResourceParam param)
{
    if (!ensureLibrary() || !passesFolderSizeCheck(pathFromUrl(url), false))
        return QString();
    const QString id = importerFor(param).importFramesFromFolder(pathFromUrl(url));
    return param.returnResourceId ? id : QString();
}

QString LWResourceImportService::importTextureFolderAndChildren(const QString &url, ImportResourceParam param)
{
    if (!ensureLibrary() || !passesFolderSizeCheck(pathFromUrl(url), true))
        return QString();
    const QString id = importerFor(param).importFolderAndChildren(pathFromUrl(url));
    return param.returnResourceId ? id : QString();
}

QStringList LWResourceImportService::importGroup(const QString &url, ImportResourceParam param)
{
    if (!ensureLibrary())
        return {};
    const QStringList ids = importerFor(param).importGroup(pathFromUrl(url));
    return param.returnResourceId ? ids : QStringList();
}

QString LWResourceImportService::importUnknown(const QString &url, ImportResourceParam param)
{
    if (QFileInfo(pathFromUrl(url)).isDir())
        return importTextureFolderAndChildren(url, param);
    return importFile(url, param);
}

void LWResourceImportService::addEmptyGroup(ImportResourceParam param)
{
    if (ensureLibrary())
        LWResourceImporter(param, LWResourceManager::instance()->treeRoot()).addEmptyGroup();
}
