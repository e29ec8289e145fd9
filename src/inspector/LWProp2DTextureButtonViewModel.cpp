#include "LWProp2DTextureButtonViewModel.h"

#include "LWPropEdit.h"
#include "LWImageFileInfo.h"
#include "LWInspectorHub.h"
#include "LWInspectorResources.h"
#include "LWQmlViewDataSource.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>

LWProp2DTextureButtonViewModel::LWProp2DTextureButtonViewModel(const QString &id, const QJsonValue &component,
                                                               const QJsonValue &value, LWQmlViewModel *parent)
    : LWPropViewModel(id, component, value, parent, 0)
    , m_value(value.toString())
{
    m_itemWidth = componentValue("buttonWidth").toInt(260);
    m_itemHeight = componentValue("buttonHeight").toInt(264);
    m_height = m_itemHeight;
    useLanguageChange(80);
    readResource();
}

QString LWProp2DTextureButtonViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropTextureButtonView.qml");
}

QString LWProp2DTextureButtonViewModel::strTexurePath() const
{
    return m_texturePath.isEmpty() ? QString() : QUrl::fromLocalFile(m_texturePath).toString();
}

QString LWProp2DTextureButtonViewModel::textureSize() const
{
    return m_bytes < 0 ? QStringLiteral("0KB") : QStringLiteral("%1KB").arg((m_bytes + 1023) / 1024);
}

// The bound text is a resource id when the library knows it, otherwise
// the path of the image itself (how the resource inspectors bind it).
void LWProp2DTextureButtonViewModel::readResource()
{
    auto *resources = LWInspectorHub::instance()->resources();
    if (resources->type(m_value) != 0) {
        m_texturePath = resources->firstImage(m_value);
        m_imageCount = resources->frameCount(m_value);
    } else {
        const bool exists = QFileInfo::exists(m_value);
        m_texturePath = exists ? m_value : QString();
        const QString owner = ownerResourceId();
        m_imageCount = !owner.isEmpty() ? resources->frameCount(owner) : (exists ? 1 : 0);
    }
    m_requiredSize = LWImageFileInfo(m_texturePath).size();
    readByteSize();
    emit strTexurePathChanged();
    emit imageCountChanged();
}

// A resource inspector binds the path of the image it shows and names its
// resource through its data source: counts and sizes are the resource's.
QString LWProp2DTextureButtonViewModel::ownerResourceId() const
{
    LWQmlViewDataSource *source = dataSource();
    if (!source)
        return QString();
    const QString id = source->value(QStringLiteral("resourceId")).toString();
    return !id.isEmpty() && LWInspectorHub::instance()->resources()->type(id) != 0 ? id : QString();
}

void LWProp2DTextureButtonViewModel::readByteSize()
{
    bool exists = false;
    auto *resources = LWInspectorHub::instance()->resources();
    const QString owner = resources->type(m_value) != 0 ? QString() : ownerResourceId();
    const QString key = owner.isEmpty() ? m_value : owner;
    const qint64 bytes = resources->sizeOnDisk(key, &exists);
    if (exists)
        m_bytes = bytes;
    else if (QFileInfo::exists(m_texturePath))
        m_bytes = QFileInfo(m_texturePath).size();
    else
        m_bytes = -1;
    emit textureSizeChanged();
}

void LWProp2DTextureButtonViewModel::notifyChildren(int kinds, const QJsonValue &payload)
{
    if (kinds & 4) {
        // The owner may name the image to show from now on.
        const QJsonValue changed = payload[QLatin1String("resourceChanged")];
        if (changed.isString())
            m_value = changed.toString();
        readResource();
    }
    if (kinds & 8) {
        const QJsonValue enabled = payload[QLatin1String("textureClickEnabled")];
        if (enabled.isBool() && enabled.toBool() != m_enabled) {
            m_enabled = enabled.toBool();
            emit enabledChanged();
        }
    }
    if (kinds & 16)
        readByteSize();
}

void LWProp2DTextureButtonViewModel::changeTextures(QList<QUrl> urls)
{
    if (urls.isEmpty() || !m_enabled)
        return;
    QStringList paths;
    qint64 bytes = 0;
    for (const QUrl &url : qAsConst(urls)) {
        const QString path = LWImageFileInfo::localPath(url.toString());
        const LWImageFileInfo info(path);
        if (!info.readable()) {
            emit signalunRecognizedImage(tr("image format error"));
            return;
        }
        if (m_requiredSize.isValid() && info.size() != m_requiredSize) {
            emit signalTextureSizeNotFit(
                QStringLiteral("%1%2%3%4").arg(QCoreApplication::translate("LWProp2DTextureButtonViewModel",
                                                                            "Size of the imported image has to be"),
                                               QString::number(m_requiredSize.width()), QStringLiteral("x"),
                                               QString::number(m_requiredSize.height())));
            return;
        }
        paths << path;
        bytes += info.bytes();
    }
    // A resource inspector stores the pictures in the library, as one undo
    // step, and tells the panel what to show then.
    if (LWQmlViewDataSource *owner = dataSource()) {
        owner->dataChanged(id(), QJsonArray::fromStringList(paths), m_value);
        return;
    }
    m_value = m_texturePath = paths.first();
    m_imageCount = paths.size();
    m_bytes = bytes;
    if (!m_requiredSize.isValid())
        m_requiredSize = LWImageFileInfo(m_texturePath).size();
    emit strTexurePathChanged();
    emit imageCountChanged();
    emit textureSizeChanged();
    emit qmlViewDataChanged();
    LWPropEdit::markDirectEdit();
}
