#include "LWUploadEffectIcon.h"

#include "LWOnlineAddresses.h"
#include "LWServiceProtocol.h"
#include "LWUploadForm.h"

#include <QFile>

LWUploadEffectIcon::LWUploadEffectIcon(QObject *parent)
    : LWUploadEffectBase(parent)
{
}

QString LWUploadEffectIcon::identifierKey() const
{
    return QStringLiteral("uri");
}

void LWUploadEffectIcon::upload(const QString &iconPath)
{
    QFile file(iconPath);
    if (iconPath.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        refuse(LWUploadFileUnreadable);
        return;
    }
    if (file.size() > LWServiceProtocol::kIconLimit) {
        refuse(LWUploadIconTooLarge);
        return;
    }
    const QByteArray bytes = file.read(LWServiceProtocol::kIconLimit + 1);
    if (bytes.size() > LWServiceProtocol::kIconLimit) {
        refuse(LWUploadIconTooLarge);
        return;
    }
    begin();
    handleReply(http().postSync(LWOnlineAddresses::publishUrl(LWServiceProtocol::kPathIconUpload),
                                LWUploadForm::icon(bytes), kTimeLimitMs));
}
