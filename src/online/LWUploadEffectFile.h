#pragma once

#include "LWUploadEffectBase.h"

struct LWUploadFields;
class QNetworkCookie;

// Sends the effect package: for review, as a draft for the phone preview,
// or for the service's own upload page. A package that cannot be read or
// is over the size limit is refused without sending anything.
class LWUploadEffectFile : public LWUploadEffectBase
{
    Q_OBJECT
public:
    explicit LWUploadEffectFile(QObject *parent = nullptr);

    // Waits up to the time limit; the web view's cookies go along.
    void submit(const QString &packagePath, const LWUploadFields &fields, const QString &cookieDatabase);
    // The same with the cookies of the web view's live store.
    void submit(const QString &packagePath, const LWUploadFields &fields, const QList<QNetworkCookie> &cookies);
    // Returns at once; the callback reports the outcome.
    void preview(const QString &packagePath, const LWUploadFields &fields);
    // Waits up to the time limit; the web view's cookies go along, since
    // the service keeps the upload for the account signed in there.
    void pageUpload(const QString &packagePath, const QString &cookieDatabase);
    // The same with the cookies of the web view's live store.
    void pageUpload(const QString &packagePath, const QList<QNetworkCookie> &cookies);

protected:
    QString identifierKey() const override;

private:
    bool readPackage(const QString &packagePath, QByteArray *bytes);
};
