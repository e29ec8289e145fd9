// An editor session without windows, as the recovery tests need it: it
// takes the run marker and the quit signals like the editor, opens or makes
// a project, makes one edit and waits for its end, which the test brings
// about with SIGKILL (a crash, a power cut) or SIGTERM (a logout).
//
//   lwrecoverychild saved <project file>
//   lwrecoverychild empty
//   lwrecoverychild template <package zip URL>
//
// Once the edit is made it prints "edited <features> <resources>": what the
// project then holds.
#include "app/LWQuitSignals.h"
#include "common/LWResources.h"
#include "common/LWRunMarker.h"
#include "common/LWSettings.h"
#include "resources/LWResourceManager.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWProjectModel.h"

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

int main(int argc, char **argv)
{
    LWSettings::applyIdentity();
    QGuiApplication app(argc, argv);
    lwInitResources();
    const QStringList args = app.arguments();
    LWRunMarker::begin();
    LWQuitSignals::installForEditor();

    auto *manager = LWEffectPackManager::instance();
    // The main window arms the backups as it is shown, before the project.
    manager->readyToAutoBackupProj();
    const QString mode = args.value(1);
    if (mode == QLatin1String("saved"))
        manager->openProj(args.value(2));
    else if (mode == QLatin1String("empty"))
        manager->createProj();
    else if (mode == QLatin1String("template"))
        manager->createProjFromTemp(args.value(2));
    if (!manager->project() || !manager->effect())
        return 2;

    const QString picture = QDir::temp().filePath(QStringLiteral("recovery-%1.png").arg(app.applicationPid()));
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(QColor(30, 160, 90));
    if (!image.save(picture))
        return 2;
    // The edit: a feature and a picture, as the author adds them.
    manager->createFeatureToWorkSpaceEffect(QStringLiteral("LWFeatureTypeFilter"));
    manager->importFileToWorkSpaceResource(picture);
    QFile::remove(picture);
    QTextStream(stdout) << "edited " << manager->effect()->modelCount() << ' '
                        << LWResourceManager::instance()->recordCount() << Qt::endl;

    const int status = app.exec();
    LWRunMarker::end();
    return status;
}
