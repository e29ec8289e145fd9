// What a recovery point costs for a project of three 300-frame sequences.
//
//   lwbench_recovery_point <work folder> [frames per sequence] [frame size]
//
// Builds the project (not timed), then times the first point (the mirror
// made), a point after one edit (median of 5 edits) and, for comparison,
// the three-minute full backup (median of 3). Prints one line of
// "label milliseconds files" per figure.

#include "LWBenchFrames.h"
#include "common/LWResources.h"
#include "workspace/LWAutoBackup.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWProjectModel.h"
#include "workspace/LWRecoveryPoint.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    lwInitResources();
    const QStringList args = app.arguments();
    if (args.size() < 2)
        return 1;
    const QString work = args.at(1);
    const int frames = args.value(2, QStringLiteral("300")).toInt();
    const int size = args.value(3, QStringLiteral("256")).toInt();
    QTextStream out(stdout);

    auto *manager = LWEffectPackManager::instance();
    manager->createProj();
    ImportResourceParam param;
    param.withUndo = false;
    for (int i = 0; i < 3; ++i) {
        const QString folder = QStringLiteral("%1/seq%2").arg(work).arg(i);
        if (LWBenchFrames::make(folder, frames, size) != 0)
            return 1;
        manager->importTextureFolderToWorkSpaceResource(folder, param);
    }
    manager->saveProjAs(work + QStringLiteral("/Bench"));

    LWRecoveryPoint point;
    QElapsedTimer clock;
    clock.start();
    point.write(manager->project());
    out << "first-point " << clock.nsecsElapsed() / 1e6 << ' ' << point.lastCost().filesLinked << Qt::endl;

    std::vector<double> edits;
    int linked = 0;
    for (int i = 0; i < 5; ++i) {
        manager->effect()->createFeature(LWEffectCommon::LWFeatureType2DSticker, QJsonObject(), false);
        clock.restart();
        point.write(manager->project());
        edits.push_back(clock.nsecsElapsed() / 1e6);
        linked = std::max(linked, point.lastCost().filesLinked);
    }
    out << "point-after-edit " << median(edits) << ' ' << linked << Qt::endl;

    std::vector<double> full;
    for (int i = 0; i < 3; ++i) {
        clock.restart();
        LWAutoBackup::backupProject(manager->project());
        full.push_back(clock.nsecsElapsed() / 1e6);
    }
    out << "full-backup " << median(full) << ' ' << 3 * frames << Qt::endl;
    return 0;
}
