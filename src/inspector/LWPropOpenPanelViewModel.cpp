#include "LWPropOpenPanelViewModel.h"

#include "LW3DModelTextureInfoPanelModel.h"
#include "LWParticleAffectorColorsPanelModel.h"
#include "common/LWEffectCommon.h"

#include <QMetaEnum>

LWPropOpenPanelViewModel::LWPropOpenPanelViewModel(const QString &id, const QJsonValue &component,
                                                   const QJsonValue &value, LWQmlViewModel *parent)
    : LWPropViewModel(id, component, value, parent, 26)
{
    const QMetaEnum panelTypes = QMetaEnum::fromType<LWEffectCommon::LWPopupPanelType>();
    bool ok = false;
    const int type = panelTypes.keyToValue(componentValue("panelType").toString().toLatin1().constData(), &ok);
    if (ok && type == LWEffectCommon::LWPopupPanelTypeParticleAffectorColors)
        m_content = std::make_shared<LWParticleAffectorColorsPanelModel>(id, component, value, this);
    else if (ok && type == LWEffectCommon::LWPopupPanelTypeModelAnimTextureInfo)
        m_content = std::make_shared<LW3DModelTextureInfoPanelModel>(id, component, value, this);
    if (m_content) {
        mutableChildren().append(m_content);
        connect(m_content.get(), &LWQmlViewModel::heightChanged, this, &LWPropOpenPanelViewModel::popupHeightChanged);
    }
}

QString LWPropOpenPanelViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropOpenPanelView.qml");
}

QJsonValue LWPropOpenPanelViewModel::value() const
{
    if (m_data.isUndefined() || !m_content)
        return QJsonValue(QJsonValue::Null);
    return m_content->value();
}
