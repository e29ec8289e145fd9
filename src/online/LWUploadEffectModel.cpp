#include "LWUploadEffectModel.h"

#include "LWExternalBrowser.h"
#include "common/LWDialogs.h"
#include "LWLoginBridgeModel.h"
#include "LWOnlineAddresses.h"
#include "LWServiceProtocol.h"
#include "LWUploadEffectFile.h"
#include "LWUploadEffectIcon.h"
#include "LWUploadForm.h"
#include "LWUploadPackage.h"

#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QPointer>

LWUploadEffectModel *LWUploadEffectModel::instance()
{
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    static LWUploadEffectModel *object = nullptr;
    if (!object)
        object = new LWUploadEffectModel();
    return object;
}

LWUploadEffectModel::LWUploadEffectModel(QObject *parent)
    : QObject(parent)
    , m_iconPath(QStringLiteral("qrc:/LWViewCommon/images/defaultFeature.png"))
    , m_file(new LWUploadEffectFile(this))
    , m_icon(new LWUploadEffectIcon(this))
{
}

void LWUploadEffectModel::setEffectName(const QString &name)
{
    if (m_effectName == name)
        return;
    m_effectName = name;
    emit effectNameChanged();
}

void LWUploadEffectModel::setEffectDesc(const QString &desc)
{
    if (m_effectDesc == desc)
        return;
    m_effectDesc = desc;
    emit effectDescChanged();
}

void LWUploadEffectModel::setStrDescription(const QString &text)
{
    if (m_strDescription == text)
        return;
    m_strDescription = text;
    emit strDescriptionChanged();
}

void LWUploadEffectModel::setCurrentIndex(int index)
{
    if (m_currentIndex == index)
        return;
    m_currentIndex = index;
    emit currentIndexChanged();
}

void LWUploadEffectModel::setUploadReady(bool ready)
{
    if (m_uploadReady == ready)
        return;
    m_uploadReady = ready;
    emit uploadReadyChanged();
}

void LWUploadEffectModel::setUploading(bool uploading)
{
    if (m_uploading == uploading)
        return;
    m_uploading = uploading;
    emit buploadingChanged();
}

void LWUploadEffectModel::getAndCaculateEffectPack()
{
    m_packagePath = LWUploadPackage::build();
    if (m_packagePath.isEmpty()) {
        setUploadReady(false);
        emit fileUploadResult(3, tr("特效文件生成失败，无法上传"));
        return;
    }
    const qint64 size = QFileInfo(m_packagePath).size();
    m_overSize = LWUploadPackage::isOverLimit(size);
    m_effectSize = LWUploadPackage::sizeText(size);
    emit effectSizeChanged();
    setUploadReady(true);
}

void LWUploadEffectModel::uploadIcon(QUrl p_strIconPath)
{
    const QString path = p_strIconPath.isLocalFile() ? p_strIconPath.toLocalFile() : p_strIconPath.toString();
    m_icon->upload(path);
    const LWUploadEffectNetStatus state = m_icon->state();
    if (state == LWUploadDone) {
        m_iconReference = m_icon->identifier();
        m_iconPath = QUrl::fromLocalFile(path);
        emit iconPathChanged();
        emit iconUploadResult(state, m_iconReference);
        return;
    }
    QString text = m_icon->message();
    if (state == LWUploadFileUnreadable)
        text = tr("The icon file cannot be opened.");
    else if (state == LWUploadIconTooLarge)
        text = tr("The icon must be a PNG file of at most 40 kB.");
    else if (state == LWUploadTimedOut)
        text = tr("The icon upload timed out, please try again.");
    else if (text.isEmpty())
        text = tr("The icon upload failed, please try again.");
    emit iconUploadResult(state, text);
}

void LWUploadEffectModel::chooseIcon()
{
    LWFileRequest request;
    request.title = tr("Choose an icon");
    request.filter = QStringList{tr("PNG images (*.png)")};
    QPointer<LWUploadEffectModel> self(this);
    LWDialogs::instance()->openFile(request, [self](const QList<QUrl> &urls) {
        if (self && !urls.isEmpty())
            self->uploadIcon(urls.first());
    });
}

void LWUploadEffectModel::uploadEffectFile()
{
    uploadEffectFile(QString());
}

bool LWUploadEffectModel::refuseBeforeSending()
{
    QString message;
    if (m_effectName.isEmpty())
        message = tr("请输入特效名称");
    else if (m_effectDesc.isEmpty())
        message = tr("请输入特效介绍");
    // Measured again: the package may have been rebuilt since the window opened.
    else if (m_overSize || (!m_packagePath.isEmpty() && LWUploadPackage::isOverLimit(QFileInfo(m_packagePath).size())))
        message = tr("特效文件超过5M，无法上传");
    else if (m_packagePath.isEmpty())
        message = tr("获取特效文件失败");
    if (message.isEmpty())
        return false;
    emit fileUploadResult(1, message);
    return true;
}

void LWUploadEffectModel::uploadEffectFile(QString strUUID)
{
    if (m_uploading || refuseBeforeSending())
        return;
    LWUploadFields fields;
    fields.name = m_effectName;
    fields.instructions = m_strDescription;
    fields.icon = m_iconReference;
    fields.description = m_effectDesc;
    fields.id = strUUID;
    setUploading(true);
    m_file->submit(m_packagePath, fields, LWLoginBridgeModel::instance()->currentWebCookies());
    setUploading(false);
    reportSubmission();
}

void LWUploadEffectModel::reportSubmission()
{
    const LWUploadEffectNetStatus state = m_file->state();
    if (state == LWUploadDone) {
        emit fileUploadResult(0, tr("上传成功"));
        LWExternalBrowser::open(LWOnlineAddresses::publishUrl(LWServiceProtocol::kPathSiteEffects));
    } else if (state == LWUploadCancelled) {
        emit cancleUploadSignal();
    } else {
        const QString message = m_file->message();
        emit fileUploadResult(2, message.isEmpty() ? tr("特效文件上传失败，请重试") : message);
    }
}

void LWUploadEffectModel::cancleUpload()
{
    m_file->cancel();
}
