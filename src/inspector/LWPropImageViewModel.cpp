#include "LWPropImageViewModel.h"

#include "LWPropEdit.h"
#include "LWImageFileInfo.h"

#include <QCoreApplication>
#include <QJsonObject>

LWPropImageViewModel::LWPropImageViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                                           LWQmlViewModel *parent)
    : LWPropViewModel(id, component, value, parent, 0)
{
    m_width = componentValue("width").toInt(120);
    m_height = componentValue("height").toInt(120);
    m_imageName = value[QLatin1String("imageName")].toString();
}

QString LWPropImageViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropImageView.qml");
}

QString LWPropImageViewModel::imgPath() const
{
    if (m_imageName.isEmpty())
        return QString();
    if (m_imageName.startsWith(QLatin1Char(':')))
        return QStringLiteral("qrc") + m_imageName;
    return QUrl::fromLocalFile(m_imageName).toString();
}

QJsonValue LWPropImageViewModel::value() const
{
    QJsonObject object = m_data.toObject();
    object.insert(QStringLiteral("imageName"), m_imageName);
    return object;
}

void LWPropImageViewModel::changeImage(QUrl url)
{
    const QString path = LWImageFileInfo::localPath(url.toString());
    if (!LWImageFileInfo(path).readable()) {
        emit signalunRecognizedImage(QCoreApplication::translate("LWPropImageViewModel", "Image unable to parse"));
        return;
    }
    if (path == m_imageName)
        return;
    m_imageName = path;
    emit imgPathChanged();
    emit qmlViewDataChanged();
    LWPropEdit::markDirectEdit();
}
