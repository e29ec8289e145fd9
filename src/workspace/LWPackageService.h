#pragma once

#include <QJsonObject>
#include <QList>
#include <QPair>
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

// A package on its way into a zip: the documents written into a scratch
// folder, the bulky files (frames, pictures, music) left where they are and
// only listed, so their bytes are read once, straight into the zip.
struct Staged
{
    QString folder; // the scratch folder, removed by writeZip()
    QList<QPair<QString, QString>> filesElsewhere; // source, target inside folder
    bool ok = false;
};

// Saves the effect in package mode into a new scratch folder under parent.
// Runs where the effect lives (the interface thread).
Staged stage(LWEffectModel *effect, const QString &parent);
// Writes the staged package as the zip at zipPath, replacing what was there
// in one step, and removes the scratch folder. May run on any thread.
// keepOldOnFailure leaves an older file at zipPath when this fails.
bool writeZip(const Staged &staged, const QString &zipPath, bool keepOldOnFailure);

// The effect's package as "<data>/tmpSync/lw.zip" (also what a phone
// preview and an upload send).
Result build(LWEffectModel *effect);
// Writes the package straight to target (".zip" is added when missing),
// replacing what was there in one step; a failed export leaves the old one.
Result exportTo(LWEffectModel *effect, QString target);
// The package's config.json; a folder without one is not a package.
Result readConfig(const QString &folder, QJsonObject *config);
// Unpacks the zip ("qrc:" URLs and paths) into a fresh scratch folder, which
// the caller removes (LWFolderUtil::removeFolder) when done with it.
Result unpack(const QString &zipPathOrUrl);

} // namespace LWPackageService
