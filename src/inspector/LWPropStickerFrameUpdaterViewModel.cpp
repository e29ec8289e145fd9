#include "LWPropStickerFrameUpdaterViewModel.h"

LWPropStickerFrameUpdaterViewModel::LWPropStickerFrameUpdaterViewModel(const QString &id, const QJsonValue &component,
                                                                       const QJsonValue &value, LWQmlViewModel *parent)
    : LWPropViewModel(id, component, value, parent, 28)
    , m_text(component[QLatin1String("value")].toVariant().toString())
{
}

QString LWPropStickerFrameUpdaterViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropStickerFrameUpdaterView.qml");
}
