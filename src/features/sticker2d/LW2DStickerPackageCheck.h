#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// The package checks of the 2D sticker kinds: every part the sticker
// document lists needs its frame folder, as many numbered frames as its
// "frameCount" says, and frames of the size it declares.
namespace LW2DStickerPackageCheck {

// featureFolder: the feature's folder inside the unpacked package.
void check(const QJsonObject &link, const QString &featureFolder, QStringList &problems);

} // namespace LW2DStickerPackageCheck
