#pragma once

#include "LWMattingPartBase.h"

// Stealth mode: the person is made invisible, at once or while a face
// action triggers it, fading in and out over the animation duration. The
// panel edits the trigger and the start state.
class LWMattingStealthModel : public LWMattingPartBase
{
public:
    static const char *const kMattingType; // "MattingTypeInvisibleHuman"

    explicit LWMattingStealthModel(const QJsonObject &content = QJsonObject());

    QString profilePath() const override;
    QString mattingType() const override;
    // The trigger's members and "defaultInVisible". The panel asks "Trigger
    // Multiple Times", so "disableOnceTrigger" travels negated.
    QJsonObject inspectorData() const override;
    void applyInspectorValue(const QJsonObject &value) override;
    QJsonObject record(bool forProject) const override;

    bool defaultInVisible() const { return m_defaultInVisible; }

private:
    // The fade from visible to invisible over the duration, which the
    // engine plays whenever the trigger fires.
    void setAnimationKeys();

    bool m_defaultInVisible = false;
};
