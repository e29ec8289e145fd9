#pragma once

#include "ServiceContext.h"

#include <QJsonObject>

// Fills the material library on first start from the catalogue the asset
// generator draws (tools/assetgen, committed under seed/ and carried in the
// program's resources): frame sequences as zips of PNG frames with
// animated GIF icons, and single PNG images with PNG icons.
class MaterialSeeder
{
public:
    explicit MaterialSeeder(const ServiceContext &context);

    bool seedIfEmpty();

    // Where the seed lives in the resources; "catalogue.json" lists it.
    static QString seedFolder();

private:
    bool add(const QJsonObject &entry, int position);

    ServiceContext m_context;
};
