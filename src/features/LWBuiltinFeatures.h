#pragma once

#include "LWFeatureFactory.h"

// The feature kinds that have a class. Each kind defines its creator in its
// own folder; the factory table lists them in one place.
LWFeatureModel *lwCreate2DStickerFeature(const LWFeatureFactory::Request &request, int stickerKind);
LWFeatureModel *lwCreateFaceMakeupFeature(const LWFeatureFactory::Request &request);
LWFeatureModel *lwCreateFilterFeature(const LWFeatureFactory::Request &request);
LWFeatureModel *lwCreateHairColorFeature(const LWFeatureFactory::Request &request);
LWFeatureModel *lwCreateMattingFeature(const LWFeatureFactory::Request &request);
LWFeatureModel *lwCreateBGMFeature(const LWFeatureFactory::Request &request);
