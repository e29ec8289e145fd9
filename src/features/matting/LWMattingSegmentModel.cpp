#include "LWMattingSegmentModel.h"

const char *const LWMattingSegmentModel::kMattingType = "MattingTypeSegmentBody";

LWMattingSegmentModel::LWMattingSegmentModel(const QJsonObject &content)
    : LWMattingPartBase(content)
{
}

QString LWMattingSegmentModel::profilePath() const
{
    return QStringLiteral(":/LWMatting/LWMattingSegmentProfile.json");
}

QString LWMattingSegmentModel::mattingType() const
{
    return QLatin1String(kMattingType);
}

QJsonObject LWMattingSegmentModel::inspectorData() const
{
    return m_border.inspectorData();
}

void LWMattingSegmentModel::applyInspectorValue(const QJsonObject &value)
{
    m_border = LWMattingBorder::fromInspector(value);
}

QJsonObject LWMattingSegmentModel::record(bool forProject) const
{
    QJsonObject record = unknownMembers();
    record.insert(QStringLiteral("border"), m_border.toRecord());
    record.insert(QStringLiteral("trigger"), m_trigger);
    if (forProject)
        record.insert(QStringLiteral("mattingType"), mattingType());
    return record;
}
