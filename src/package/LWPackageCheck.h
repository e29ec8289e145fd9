#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <functional>

// Looks over an unpacked effect package for what would break it on the
// camera or at publishing: missing or unreadable feature folders and
// content files, PNGs the engine cannot read, and packages over the
// publishing size limit. Feature kinds add their own checks (frame counts,
// texture sizes) through addFeatureCheck.
namespace LWPackageCheck {

constexpr qint64 kPublishLimitBytes = 0x500000; // 5 MB

struct Report
{
    bool usable = true;   // false: not a package at all
    QStringList problems; // one clear line each
};

// packageFolder holds config.json and the feature folders. packageBytes is
// the size of the package archive when there is one; otherwise the folder's
// own size is held against the limit.
Report checkFolder(const QString &packageFolder, qint64 packageBytes = -1);

// A check of one feature: its Link entry, its folder (absolute), and where
// to add problem lines.
using FeatureCheck = std::function<void(const QJsonObject &link, const QString &featureFolder, QStringList &problems)>;
void addFeatureCheck(const QString &packageTypeName, FeatureCheck check);

// The bit depth of a PNG read from its header; 0 when the file is not a
// readable PNG.
int pngBitDepth(const QString &path);

} // namespace LWPackageCheck
