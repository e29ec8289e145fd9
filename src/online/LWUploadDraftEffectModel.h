#pragma once

#include <QObject>
#include <QString>

class LWUploadEffectFile;

// Uploads the effect as a draft for the phone preview and offers the QR
// code text the phone app scans. The service keeps one draft per device;
// the identifier of the first upload is sent again to replace it.
class LWUploadDraftEffectModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString effectUUID READ effectUUID NOTIFY effectUUIDChanged)
    Q_PROPERTY(bool uploading READ uploading NOTIFY uploadingChanged)

public:
    // Stored when a successful reply carried no identifier.
    static constexpr char kNoIdentifier[] = "IFEELNOTGOOD";

    // The one the interface uses; tests may make their own.
    static LWUploadDraftEffectModel *instance();
    explicit LWUploadDraftEffectModel(QObject *parent = nullptr);

    // {"id": "<device id>","type": "studio","time": "<unix seconds>"}, or
    // empty before the first successful draft upload.
    QString effectUUID() const;
    QString storedIdentifier() const { return m_identifier; }
    bool uploading() const;

    Q_INVOKABLE void uploadEffectDraft();
    Q_INVOKABLE void cancleUpload();

signals:
    void draftUploadResult(int p_type, QString p_strRet);
    void infoChanged(QString p_strInfo);
    void effectUUIDChanged(QString uuid);
    void uploadingChanged();

private:
    void onUploaded(int state, const QString &text);
    void fail(int kind, const QString &text);

    QString m_identifier;
    LWUploadEffectFile *m_file; // owned (QObject child)
};
