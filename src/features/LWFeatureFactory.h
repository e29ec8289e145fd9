#pragma once

#include "common/LWEffectCommon.h"

#include <QJsonObject>
#include <QString>

class LWFeatureContainer;
class LWFeatureModel;

// Builds the feature object for a type through its kind (LWFeatureKind);
// a type without a feature class builds nothing.
namespace LWFeatureFactory {

struct Request
{
    LWFeatureContainer *effect = nullptr;
    int zOrder = 5000;
    QString path;              // folder name with a trailing "/"
    QJsonObject data;          // default data or the project / package record
    LoadParam loadParam;
    QString makeupChoice;      // the pending choice of the add menu
};

using Creator = LWFeatureModel *(*)(const Request &request);

// Null for a type without a feature class.
LWFeatureModel *create(LWEffectCommon::LWFeatureType type, const Request &request);

// Replaces the creator of a type (tests bring stand-in kinds this way).
void setCreator(LWEffectCommon::LWFeatureType type, Creator creator);

} // namespace LWFeatureFactory
