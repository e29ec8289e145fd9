// Opens a project and repeats one operation on it until it is killed: the
// fault tests stop it at random moments and look at what it left on disk.
//
//   lwfaultchild save|backup <project file>
//   lwfaultchild saveas|export|import <project file> <folder, zip or package>
//   lwfaultchild full-save|full-saveas|full-export <project file> [<target>]
//
// Each round adds one 2D sticker and one picture to the project, so a
// consistent project has as many new features as new resources. "ready"
// is printed once the first round is done. The full-* forms grow the
// project once, cap the size of any file written to 64 KiB (as a full disk
// would), do the operation once and print what the author was told.
#include "common/LWResources.h"
#include "common/LWSettings.h"
#include "features/LWFeatureModel.h"
#include "resources/LWResourceManager.h"
#include "workspace/LWAutoBackup.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWProjectModel.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QTextStream>

#include <csignal>
#include <sys/resource.h>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

// Large enough that writing effect.json takes a while and passes the cap.
QJsonArray bulk()
{
    QJsonArray array;
    for (int i = 0; i < 20000; ++i)
        array.append(QStringLiteral("frame_%1.png").arg(i));
    return array;
}

void grow(LWEffectPackManager *manager, const QString &picture, int round)
{
    LWFeatureModel *feature =
        manager->effect()->createFeature(LWEffectCommon::LWFeatureType2DSticker, QJsonObject(), false);
    if (feature) {
        feature->contentJson().insert(QStringLiteral("round"), round);
        if (round == 0)
            feature->contentJson().insert(QStringLiteral("bulk"), bulk());
    }
    ImportResourceParam param;
    param.returnResourceId = true;
    param.withUndo = false;
    manager->importFileToWorkSpaceResource(picture, param);
    // What an edit in the editor does.
    manager->pushHappend();
}

void capFileSize()
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 64 * 1024;
    setrlimit(RLIMIT_FSIZE, &limit);
}

} // namespace

int main(int argc, char **argv)
{
    LWSettings::applyIdentity();
    QGuiApplication app(argc, argv);
    lwInitResources();
    const QStringList args = app.arguments();
    const QString operation = args.value(1);
    const QString target = args.value(3);
    auto *manager = LWEffectPackManager::instance();
    QObject::connect(manager, &LWEffectPackManager::packageProblem,
                     [](const QString &message) { out() << "problem: " << message << Qt::endl; });
    manager->openProj(args.value(2));
    if (!manager->project() || !manager->effect())
        return 2;
    // Beside the project folder, which the test removes with everything in it.
    const QString picture = QFileInfo(manager->project()->folder()).absolutePath()
                            + QStringLiteral("/picture-%1.png").arg(app.applicationPid());
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(QColor(200, 40, 90));
    if (!image.save(picture))
        return 2;

    if (operation.startsWith(QLatin1String("full-"))) {
        grow(manager, picture, 0);
        QFile::remove(picture);
        capFileSize();
        if (operation == QLatin1String("full-save"))
            manager->saveProj();
        else if (operation == QLatin1String("full-saveas"))
            manager->saveProjAs(target);
        else if (operation == QLatin1String("full-export"))
            manager->exportEffect(target);
        out() << "saved: " << int(manager->isSaved()) << Qt::endl;
        out() << "folder: " << manager->project()->folder() << Qt::endl;
        return 0;
    }

    for (int round = 0;; ++round) {
        if (operation == QLatin1String("import")) {
            manager->importEffectZipPack(target);
            manager->saveProj();
        } else {
            grow(manager, picture, round);
            if (operation == QLatin1String("save"))
                manager->saveProj();
            else if (operation == QLatin1String("saveas"))
                manager->saveProjAs(target + QStringLiteral("/Copy%1").arg(round));
            else if (operation == QLatin1String("backup"))
                LWAutoBackup::backupProject(manager->project());
            else if (operation == QLatin1String("export"))
                manager->exportEffect(target);
            else
                return 2;
        }
        if (round == 0)
            out() << "ready" << Qt::endl;
    }
}
