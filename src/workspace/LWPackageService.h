#pragma once

#include <QJsonObject>
#include <QString>

class LWEffectModel;

// Effect packages on disk: building the package of an effect, exporting it
// to the author's place, and reading one in (a folder, or a zip unpacked
// into a scratch folder). Each operation answers with what it made and, when
// it failed, why, in a line fit for the author.
namespace LWPackageService {

struct Result
{
    QString path;    // the package, folder or zip made
    QString problem; // empty on success
    bool ok() const { return problem.isEmpty(); }
};

// The effect's package as "<data>/tmpSync/lw.zip" (also what a phone
// preview and an upload send).
Result build(LWEffectModel *effect);
// Builds the package and puts it at target (".zip" is added when missing),
// replacing what was there in one step.
Result exportTo(LWEffectModel *effect, QString target);
// The package's config.json; a folder without one is not a package.
Result readConfig(const QString &folder, QJsonObject *config);
// Unpacks the zip ("qrc:" URLs and paths) into a fresh scratch folder, which
// the caller removes (LWFolderUtil::removeFolder) when done with it.
Result unpack(const QString &zipPathOrUrl);

} // namespace LWPackageService
