#pragma once

#include <QObject>
#include <QVariantList>

// The feature kinds the effect navigator's add menu offers, in menu order,
// as the interface reads them: one entry per kind with its key
// ("LWFeatureType2DSticker"), translated label, icon, the menu state set
// while it is created (empty for none) and its choices (a submenu of
// {label, choice}; empty for a plain entry). Published as
// "featureCatalogue".
class LWFeatureCatalogue : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantList entries READ entries CONSTANT)

public:
    static LWFeatureCatalogue *instance();

    QVariantList entries() const;

private:
    LWFeatureCatalogue();
};
