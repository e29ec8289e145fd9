#include "LWPropFloatRangeViewModel.h"

#include "LWInspectorHub.h"
#include "LWPropBaseUndoCommandT.h"
#include "LWPropEdit.h"

#include <QJsonObject>

namespace {
const QLatin1String kBrowParam("browV2Param");
const QLatin1String kThinIntensity("thinIntensity");
} // namespace

LWPropFloatRangeViewModel::LWPropFloatRangeViewModel(const QString &id, const QJsonValue &component,
                                                     const QJsonValue &value, LWQmlViewModel *parent)
    : LWPropFloatViewModel(id, component, value, parent)
{
    const QJsonValue min = componentValue("min");
    const QJsonValue max = componentValue("max");
    if (min.isDouble())
        m_min = min.toDouble();
    if (max.isDouble())
        m_max = max.toDouble();
    m_tag = componentValue("tag").toString();
    if (isBrowParam() && value[kThinIntensity].isDouble())
        m_floatValue = value[kThinIntensity].toDouble();
    m_tempValue = m_floatValue;
    useLanguageChange(0);
    if (id == QLatin1String("ovalRadiusX") || id == QLatin1String("ovalRadiusY"))
        connect(LWInspectorHub::instance(), &LWInspectorHub::sceneViewDataChanged, this,
                &LWPropFloatRangeViewModel::onSceneViewDataChanged);
}

QString LWPropFloatRangeViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropFloatRangeView.qml");
}

bool LWPropFloatRangeViewModel::isBrowParam() const
{
    return m_id == kBrowParam;
}

QJsonValue LWPropFloatRangeViewModel::value() const
{
    if (!isBrowParam())
        return m_tempValue;
    QJsonObject param = m_data.toObject();
    param.insert(kThinIntensity, m_tempValue);
    return param;
}

void LWPropFloatRangeViewModel::pushCommit(double value)
{
    LWPropEdit::push<LWPropBaseUndoCommandT<LWPropFloatRangeViewModel, float>>(this, float(value));
}

void LWPropFloatRangeViewModel::onSceneViewDataChanged(QJsonValue val, QString string)
{
    if (string != m_id || !val.isDouble())
        return;
    followValue(val.toDouble());
}
