#include "LWUploadEffectFile.h"

#include "LWOnlineAddresses.h"
#include "LWServiceProtocol.h"
#include "LWUploadForm.h"

#include <QFile>

LWUploadEffectFile::LWUploadEffectFile(QObject *parent)
    : LWUploadEffectBase(parent)
{
}

QString LWUploadEffectFile::identifierKey() const
{
    return QStringLiteral("id");
}

bool LWUploadEffectFile::readPackage(const QString &packagePath, QByteArray *bytes)
{
    QFile file(packagePath);
    if (packagePath.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        refuse(LWUploadFileUnreadable);
        return false;
    }
    // Read one byte past the limit: enough to know, without loading a
    // package of any size into memory.
    *bytes = file.read(LWServiceProtocol::kPackageLimit + 1);
    if (bytes->size() > LWServiceProtocol::kPackageLimit) {
        refuse(LWUploadFileUnreadable, tr("The effect package is larger than 5 MB."));
        return false;
    }
    begin();
    return true;
}

void LWUploadEffectFile::submit(const QString &packagePath, const LWUploadFields &fields, const QString &cookieDatabase)
{
    QByteArray bytes;
    if (!readPackage(packagePath, &bytes))
        return;
    QHttpMultiPart *form = LWUploadForm::package(bytes, fields);
    http().loadBrowserCookies(cookieDatabase, false);
    handleReply(http().postSync(LWOnlineAddresses::publishUrl(LWServiceProtocol::kPathSubmit), form, kTimeLimitMs));
}

void LWUploadEffectFile::submit(const QString &packagePath, const LWUploadFields &fields,
                                const QList<QNetworkCookie> &cookies)
{
    QByteArray bytes;
    if (!readPackage(packagePath, &bytes))
        return;
    QHttpMultiPart *form = LWUploadForm::package(bytes, fields);
    http().setBrowserCookies(cookies);
    handleReply(http().postSync(LWOnlineAddresses::publishUrl(LWServiceProtocol::kPathSubmit), form, kTimeLimitMs));
}

void LWUploadEffectFile::preview(const QString &packagePath, const LWUploadFields &fields)
{
    QByteArray bytes;
    if (!readPackage(packagePath, &bytes))
        return;
    http().post(LWOnlineAddresses::publishUrl(LWServiceProtocol::kPathPreview), LWUploadForm::package(bytes, fields),
                [this](const LWHttpReply &reply) { handleReply(reply); });
}

void LWUploadEffectFile::pageUpload(const QString &packagePath, const QString &cookieDatabase)
{
    QByteArray bytes;
    if (!readPackage(packagePath, &bytes))
        return;
    http().loadBrowserCookies(cookieDatabase, false);
    handleReply(http().postSync(LWOnlineAddresses::publishUrl(LWServiceProtocol::kPathPageUpload),
                                LWUploadForm::packageOnly(bytes), kTimeLimitMs));
}

void LWUploadEffectFile::pageUpload(const QString &packagePath, const QList<QNetworkCookie> &cookies)
{
    QByteArray bytes;
    if (!readPackage(packagePath, &bytes))
        return;
    http().setBrowserCookies(cookies);
    handleReply(http().postSync(LWOnlineAddresses::publishUrl(LWServiceProtocol::kPathPageUpload),
                                LWUploadForm::packageOnly(bytes), kTimeLimitMs));
}
