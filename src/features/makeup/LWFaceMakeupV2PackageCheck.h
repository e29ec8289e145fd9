#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// The package checks of the face makeup: makeup.json and its key point file
// are there, every frame a filter counts is in its folder, and the textures
// the engine needs in a fixed size have it.
namespace LWFaceMakeupV2PackageCheck {

// featureFolder: the feature's folder inside the unpacked package.
void check(const QJsonObject &link, const QString &featureFolder, QStringList &problems);

} // namespace LWFaceMakeupV2PackageCheck
