#pragma once

#include "LWMattingBorder.h"

#include <QJsonObject>
#include <QString>

// One mode of a matting feature (segment or stealth): what the feature's
// "content" holds, and the panel that edits it. Not a tree item: the
// feature shows the part's panel as its own.
class LWMattingPartBase
{
public:
    virtual ~LWMattingPartBase();

    LWMattingPartBase(const LWMattingPartBase &) = delete;
    LWMattingPartBase &operator=(const LWMattingPartBase &) = delete;

    virtual QString profilePath() const = 0;
    // "MattingTypeSegmentBody" or "MattingTypeInvisibleHuman".
    virtual QString mattingType() const = 0;
    virtual QJsonObject inspectorData() const = 0;
    virtual void applyInspectorValue(const QJsonObject &value) = 0;
    // The feature's "content"; forProject adds what only project saves
    // carry.
    virtual QJsonObject record(bool forProject) const = 0;

    const LWMattingBorder &border() const { return m_border; }
    const QJsonObject &trigger() const { return m_trigger; }

    // The trigger a new part starts with.
    static QJsonObject defaultTrigger();

protected:
    // Reads "border" and "trigger" of a content object (defaults for what
    // is missing or of the wrong type) and keeps the members no part knows.
    explicit LWMattingPartBase(const QJsonObject &content);
    // The members this program does not know, to be written back as read.
    QJsonObject unknownMembers() const { return m_unknown; }

    LWMattingBorder m_border;
    QJsonObject m_trigger;

private:
    QJsonObject m_unknown;
};
