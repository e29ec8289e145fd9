#pragma once

#include "LWMattingPartBase.h"

// Segment mode: the person is cut out and may be outlined with a border.
// The panel edits the border only.
class LWMattingSegmentModel : public LWMattingPartBase
{
public:
    static const char *const kMattingType; // "MattingTypeSegmentBody"

    explicit LWMattingSegmentModel(const QJsonObject &content = QJsonObject());

    QString profilePath() const override;
    QString mattingType() const override;
    QJsonObject inspectorData() const override;
    void applyInspectorValue(const QJsonObject &value) override;
    // The package record has no "mattingType": the engine takes a content
    // without one as a segment.
    QJsonObject record(bool forProject) const override;
};
