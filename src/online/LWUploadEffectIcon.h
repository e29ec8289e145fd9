#pragma once

#include "LWUploadEffectBase.h"

// Sends the effect's icon; the reply's "uri" is the reference a later
// submission carries. Icons over 40960 bytes are refused before sending.
class LWUploadEffectIcon : public LWUploadEffectBase
{
    Q_OBJECT
public:
    explicit LWUploadEffectIcon(QObject *parent = nullptr);

    void upload(const QString &iconPath);

protected:
    QString identifierKey() const override;
};
