#include "LWUploadPackage.h"

#include "LWServiceProtocol.h"
#include "common/LWDataPaths.h"
#include "workspace/LWEffectPackManager.h"

#include <QFileInfo>
#include <utility>

namespace LWUploadPackage {

namespace {

Builder &builder()
{
    static Builder current;
    return current;
}

QString &lastBuilt()
{
    static QString path;
    return path;
}

} // namespace

void setBuilder(Builder newBuilder)
{
    builder() = std::move(newBuilder);
    lastBuilt().clear();
}

QString build()
{
    const QString path = builder() ? builder()() : LWEffectPackManager::instance()->buildPackage();
    lastBuilt() = path;
    return QFileInfo(path).isFile() ? path : QString();
}

QString currentPath()
{
    if (!lastBuilt().isEmpty())
        return lastBuilt();
    return LWDataPaths::subFolder(QStringLiteral("tmpSync")) + QStringLiteral("/lw.zip");
}

bool isOverLimit(qint64 bytes)
{
    return bytes > LWServiceProtocol::kPackageLimit;
}

QString sizeText(qint64 bytes)
{
    if (bytes > 1048576)
        return QString::number(double(bytes) / 1048576.0, 'g', 2) + QStringLiteral("M");
    return QString::number(double(bytes) / 1024.0, 'f', 2) + QStringLiteral("Kb");
}

} // namespace LWUploadPackage
