#pragma once

#include "LWPropViewModel.h"

// A note row about the sticker's frames (the profile's "value" text); the
// bound data passes through unchanged.
class LWPropStickerFrameUpdaterViewModel : public LWPropViewModel
{
    Q_OBJECT
    Q_PROPERTY(QString value READ displayValue CONSTANT)

public:
    LWPropStickerFrameUpdaterViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                                       LWQmlViewModel *parent);

    QString qmlPath() const override;
    QString displayValue() const { return m_text; }

private:
    QString m_text;
};
