#include "LWProp2DTextureOptionViewModel.h"

#include "LWInspectorHub.h"
#include "common/LWEffectCommon.h"

LWProp2DTextureOptionViewModel::LWProp2DTextureOptionViewModel(const QString &id, const QJsonValue &component,
                                                               const QJsonValue &value, LWQmlViewModel *parent)
    : LWPropChoiceViewModel(id, component, value, parent, 26)
{
    m_selectedKey = value.isString() ? value.toString() : QString::fromLatin1(kNoneValue);
    if (componentValue("dynamicResData").isString()) {
        listResources(0);
    } else {
        // Without a named type the control lists plain 2D textures.
        m_resourceType = LWEffectCommon::LWResourceType2DTexture;
        connect(LWInspectorHub::instance(), &LWInspectorHub::resourceModelDataChanged, this,
                &LWPropChoiceViewModel::onResourceModelDataChanged);
        rebuildFromResources();
    }
}

QString LWProp2DTextureOptionViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropOptionView.qml");
}

QList<LWPropChoiceViewModel::Entry> LWProp2DTextureOptionViewModel::resourceEntries() const
{
    QList<Entry> entries = LWPropChoiceViewModel::resourceEntries();
    // "path" names the image the "None" entry shows.
    const QString placeholder = componentValue("path").toString();
    if (!placeholder.isEmpty() && !entries.isEmpty())
        entries.first().iconPath = placeholder;
    return entries;
}
