#include "LWUploadDraftEffectModel.h"

#include "LWDeviceIdentity.h"
#include "LWUploadEffectFile.h"
#include "LWUploadForm.h"
#include "LWUploadPackage.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

constexpr char LWUploadDraftEffectModel::kNoIdentifier[];

LWUploadDraftEffectModel *LWUploadDraftEffectModel::instance()
{
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    static LWUploadDraftEffectModel *object = nullptr;
    if (!object)
        object = new LWUploadDraftEffectModel();
    return object;
}

LWUploadDraftEffectModel::LWUploadDraftEffectModel(QObject *parent)
    : QObject(parent)
    , m_file(new LWUploadEffectFile(this))
{
    m_file->setCallback([this](LWUploadEffectNetStatus state, const QString &text) { onUploaded(state, text); });
}

QString LWUploadDraftEffectModel::effectUUID() const
{
    if (m_identifier.isEmpty())
        return QString();
    const QString quote = QStringLiteral("\"");
    return QStringLiteral("{") + quote + QStringLiteral("id") + quote + QStringLiteral(": ") + quote
        + LWDeviceIdentity::deviceId() + quote + QStringLiteral(",") + quote + QStringLiteral("type") + quote
        + QStringLiteral(": ") + quote + QStringLiteral("studio") + quote + QStringLiteral(",") + quote
        + QStringLiteral("time") + quote + QStringLiteral(": ") + quote
        + QString::number(QDateTime::currentSecsSinceEpoch()) + quote + QStringLiteral("}");
}

bool LWUploadDraftEffectModel::uploading() const
{
    return m_file->isRunning();
}

void LWUploadDraftEffectModel::fail(int kind, const QString &text)
{
    emit infoChanged(text);
    emit draftUploadResult(kind, text);
}

void LWUploadDraftEffectModel::uploadEffectDraft()
{
    if (uploading())
        return;
    emit infoChanged(tr("Uploading..."));
    const QString package = LWUploadPackage::build();
    if (package.isEmpty()) {
        fail(1, tr("Failed to get special effect file"));
        return;
    }
    if (LWUploadPackage::isOverLimit(QFileInfo(package).size())) {
        fail(2, tr("The effect file is over 5M and cannot be uploaded."));
        return;
    }
    LWUploadFields fields;
    fields.name = QStringLiteral("Lumeworks");
    fields.sendInstructions = false;
    fields.id = m_identifier;
    fields.deviceId = LWDeviceIdentity::deviceId();
    m_file->preview(package, fields);
    emit uploadingChanged();
}

void LWUploadDraftEffectModel::onUploaded(int state, const QString &text)
{
    emit uploadingChanged();
    if (state != LWUploadDone) {
        fail(1, tr("Effect file upload failed, please try again"));
        return;
    }
    if (m_identifier.isEmpty())
        m_identifier = text.isEmpty() ? QString::fromLatin1(kNoIdentifier) : text;
    emit infoChanged(QString());
    emit draftUploadResult(0, QString());
    emit effectUUIDChanged(effectUUID());
}

void LWUploadDraftEffectModel::cancleUpload()
{
    m_file->cancel();
}
