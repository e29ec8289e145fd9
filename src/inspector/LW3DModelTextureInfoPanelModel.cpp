#include "LW3DModelTextureInfoPanelModel.h"

#include "LWPropOptionItemModel.h"

#include <QFileInfo>
#include <QJsonObject>
#include <QUrl>

namespace {
const int kThumbnailWidth = 72;
}

LW3DModelTextureInfoPanelModel::LW3DModelTextureInfoPanelModel(const QString &id, const QJsonValue &component,
                                                               const QJsonValue &value, LWQmlViewModel *parent)
    : LWQmlViewModel(parent)
{
    initProperty(id, component, value);
    m_samplerName = value[QLatin1String("textureSamplerName")].toString();
    m_pathFormat = value[QLatin1String("texturePathFormat")].toString();
    m_textureNum = qBound(0, value[QLatin1String("textureNum")].toInt(), 1000);
    for (int i = 0; i < m_textureNum; ++i) {
        const QString path = QString(m_pathFormat).replace(QLatin1String("%d"), QString::number(i));
        // A texture that is not on disk gets no thumbnail rather than an
        // image the view would fail to open.
        const QString icon = QFileInfo::exists(path) ? QUrl::fromLocalFile(path).toString() : QString();
        m_textures << new LWPropOptionItemModel(QStringLiteral("%1 %2").arg(m_samplerName).arg(i), icon, this);
    }
    m_listViewWidth = m_textureNum * kThumbnailWidth;
}

QString LW3DModelTextureInfoPanelModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPanelView/LW3DModelTextureInfoPanel.qml");
}

QList<QObject *> LW3DModelTextureInfoPanelModel::textures() const
{
    QList<QObject *> list;
    for (LWPropOptionItemModel *texture : m_textures)
        list << texture;
    return list;
}

QJsonValue LW3DModelTextureInfoPanelModel::value() const
{
    QString folder = m_pathFormat;
    const int resource = folder.indexOf(QLatin1String("/resource/"));
    folder = resource >= 0 ? folder.left(resource) : QFileInfo(folder).path();
    if (folder == QLatin1String("."))
        folder.clear();
    const QString format = (folder.isEmpty() ? QString() : folder + QLatin1Char('/'))
                           + QStringLiteral("resource/anim/anim_%d.png");
    return QJsonObject{{QStringLiteral("textureSamplerName"), m_samplerName},
                       {QStringLiteral("textureNum"), m_textureNum},
                       {QStringLiteral("texturePathFormat"), format}};
}
