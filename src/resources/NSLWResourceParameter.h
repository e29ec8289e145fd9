#pragma once

#include <QString>
#include <memory>

class LWResource2DTextureModel;

namespace NSLWResourceParameter {

// One resource of the project library. The manager's table owns it; tree
// items and inspector models keep further references.
struct stResourceContent
{
    QString resourceId;           // 32 hexadecimal digits, key of the table
    QString uid;                  // kept for stored libraries; empty for new ones
    QString name;                 // storage name (random letters or frame folder)
    QString sourceFilePath;       // relative to the resources folder, "/" separated
    QString plainFilePath;        // sourceFilePath without a compression suffix; not stored
    QString additionalProperties; // read from stored libraries, never written back
    QString flags;                // storage kind; "folder" marks a frame sequence
    QString displayName;          // the imported base name; not stored
    qint32 subtype = 0;
    qint32 type = 0;              // LWEffectCommon::LWResourceType
    std::shared_ptr<LWResource2DTextureModel> model; // inspector model, created on first request
    qint32 compressType = 0;      // 0 none, 1 high, 2 medium, 3 low quality

    bool isFolder() const { return flags == QLatin1String("folder"); }
};

using ResourceContentPtr = std::shared_ptr<stResourceContent>;

// A fresh identifier: a UUID without braces and dashes.
QString newResourceId();

// The path with a compression-quality suffix ("_32jr3jf39_LowQuility")
// removed. Compressed copies carry that suffix; features and export want the
// path of the original.
QString plainFilePathOf(const QString &sourceFilePath);

} // namespace NSLWResourceParameter
