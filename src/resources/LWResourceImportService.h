#pragma once

#include "common/LWEffectCommon.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>

// Brings the author's files into the open project's resource library: every
// way the interface, the features and the online materials import
// something. Each operation takes "file:" URLs, "qrc:" URLs or plain paths
// and answers with what it imported; an import the library refuses is
// announced through importRefused, so the interface can tell the author why.
class LWResourceImportService : public QObject
{
    Q_OBJECT

public:
    enum class Refusal {
        // A PNG of more than 8 bits per channel: the camera cannot read it.
        PngDepth,
        // A picture (or a GIF's canvas) larger than the camera can use.
        ImageTooLarge,
    };
    Q_ENUM(Refusal)

    static LWResourceImportService *instance();

    // Makes sure the open project has a resource library to import into;
    // false when there is none. The workspace installs it; without one the
    // library already loaded (if any) is used.
    using LibraryProvider = std::function<bool()>;
    void setLibraryProvider(LibraryProvider provider);
    bool ensureLibrary() const;

    QString importFile(const QString &url, ImportResourceParam param = {});
    // Every file on its own; refused as a whole when the first file is a PNG
    // the camera cannot read.
    QStringList importMultiFiles(const QStringList &urls, ImportResourceParam param = {});
    // One frame sequence of the files, in list order.
    QString importMultiFilesAsTexture(const QStringList &urls, ImportResourceParam param = {});
    QString importTextureFolder(const QString &url, ImportResourceParam param = {});
    QString importTextureFolderAndChildren(const QString &url, ImportResourceParam param = {});
    QStringList importGroup(const QString &url, ImportResourceParam param = {});
    // A folder as a frame sequence with its sub-folders, anything else as a
    // file.
    QString importUnknown(const QString &url, ImportResourceParam param = {});
    void addEmptyGroup(ImportResourceParam param = {});
    // Background music of a loaded effect: an MP3 joins the library already
    // loaded, without an undo step or a tree item of its own being selected.
    QString importMusic(const QString &filePath);

    // The local path of a "file:" URL, ":" + path of a "qrc:" URL; any
    // other text without a URL scheme is a path already.
    static QString pathFromUrl(const QString &url);
    // What the author is told about a refused import of path.
    static QString refusalMessage(Refusal refusal, const QString &path);

    // The texts of URLs as QML hands them over (QUrl or string).
    static QStringList urlTexts(const QVariantList &urls);

signals:
    void importRefused(LWResourceImportService::Refusal refusal, QString path);

private:
    LWResourceImportService();
    bool passesPngCheck(const QString &url);
    // Reads only the headers: the first oversized picture refuses the lot.
    bool passesSizeCheck(const QStringList &paths);
    bool passesFolderSizeCheck(const QString &folder, bool withChildren);

    LibraryProvider m_provider;
};
