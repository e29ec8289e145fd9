#include "LWParticleAffectorColorsPanelModel.h"

#include "LWListViewModel.h"
#include "LWPropColorViewModel.h"

#include <QJsonArray>

LWParticleAffectorColorsPanelModel::LWParticleAffectorColorsPanelModel(const QString &id,
                                                                       const QJsonValue &component,
                                                                       const QJsonValue &value, LWQmlViewModel *parent)
    : LWQmlViewModel(parent)
    , m_listViewModel(std::make_shared<LWListViewModel>(this))
{
    initProperty(id, component, value);
    m_color = QStringLiteral("#34383C");
    const QJsonArray elements = value.toArray();
    for (const QJsonValue &element : elements) {
        const QJsonObject row{{QStringLiteral("type"), QStringLiteral("LWPropTypeColor")},
                              {QStringLiteral("label"), element[QLatin1String("label")]}};
        mutableChildren().append(
            std::make_shared<LWPropColorViewModel>(QStringLiteral("color"), row, element[QLatin1String("color")], this));
    }
    m_listViewModel->setRows(children());
}

LWParticleAffectorColorsPanelModel::~LWParticleAffectorColorsPanelModel() = default;

QString LWParticleAffectorColorsPanelModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPanelView/LWParticleAffectorColorsPanel.qml");
}

int LWParticleAffectorColorsPanelModel::height() const
{
    return m_listViewModel->height();
}

QJsonValue LWParticleAffectorColorsPanelModel::value() const
{
    QJsonArray result;
    const QJsonArray elements = m_data.toArray();
    for (int i = 0; i < children().size(); ++i) {
        const QJsonValue colour = children().at(i)->value();
        const QJsonValue element = elements.at(i);
        if (element.isObject()) {
            QJsonObject object = element.toObject();
            object.insert(QStringLiteral("color"), colour);
            result.append(object);
        } else {
            result.append(colour);
        }
    }
    return result;
}

void LWParticleAffectorColorsPanelModel::emitHeightChanged()
{
    m_listViewModel->emitHeightsUpdate();
    emit heightChanged();
}
