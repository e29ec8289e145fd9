// lwpack: export, import and check effect packages from the command line,
// with the same code the editor uses.
#include "common/LWDataPaths.h"
#include "common/LWFolderUtil.h"
#include "common/LWResources.h"
#include "common/LWSettings.h"
#include "workspace/LWEffectPackManager.h"
#include "package/LWPackageCheck.h"
#include "workspace/LWProjectModel.h"
#include "package/LWZipUtil.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

enum Exit { Clean = 0, Problems = 1, Unusable = 2, Usage = 64 };

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

const char kHelp[] =
    "usage: lwpack <command> [arguments]\n"
    "\n"
    "  export PROJECT.lwproj OUT.zip   build the effect package the editor exports\n"
    "  import PACKAGE.zip|FOLDER DIR   make a new project in DIR (named after DIR) from a package\n"
    "  check PACKAGE.zip|FOLDER|PROJECT.lwproj\n"
    "                                  report problems, one line each\n"
    "  --help                          this text\n"
    "\n"
    "Exit status: 0 done and clean, 1 problems found, 2 unusable input, 64 wrong usage.\n"
    "Progress is written to standard error.\n";

void progress(const QString &text)
{
    err() << "lwpack: " << text << Qt::endl;
}

int exportProject(const QString &project, const QString &target)
{
    if (!QFileInfo(project).isFile() || !project.endsWith(QLatin1String(".lwproj"))) {
        err() << "lwpack: " << project << " is not a project file (.lwproj)" << Qt::endl;
        return Unusable;
    }
    auto *manager = LWEffectPackManager::instance();
    progress(QStringLiteral("opening %1").arg(project));
    manager->openProj(project);
    if (!manager->hasProjInWorkSpace())
        return Unusable;
    progress(QStringLiteral("building the package"));
    if (!manager->exportEffect(QFileInfo(target).absoluteFilePath()))
        return Problems;
    progress(QStringLiteral("wrote %1").arg(target));
    return Clean;
}

int importPackage(const QString &package, const QString &targetDir)
{
    if (QFileInfo::exists(targetDir) && !QDir(targetDir).isEmpty()) {
        err() << "lwpack: " << targetDir << " exists and is not empty" << Qt::endl;
        return Unusable;
    }
    auto *manager = LWEffectPackManager::instance();
    manager->createProj();
    progress(QStringLiteral("importing %1").arg(package));
    const QFileInfo info(package);
    const bool ok = info.isDir() ? manager->importEffect(info.absoluteFilePath())
                                 : manager->importEffectZipPack(info.absoluteFilePath());
    if (!ok)
        return Unusable;
    manager->saveProjAs(QFileInfo(targetDir).absoluteFilePath());
    if (!manager->isSaved())
        return Problems;
    progress(QStringLiteral("saved %1").arg(manager->project()->projectFilePath()));
    return Clean;
}

int report(const LWPackageCheck::Report &result, const QString &name)
{
    for (const QString &problem : result.problems)
        out() << name << ": " << problem << Qt::endl;
    if (!result.usable)
        return Unusable;
    if (result.problems.isEmpty())
        out() << name << ": ok" << Qt::endl;
    return result.problems.isEmpty() ? Clean : Problems;
}

int check(const QString &input)
{
    const QFileInfo info(input);
    if (info.isDir())
        return report(LWPackageCheck::checkFolder(info.absoluteFilePath()), input);
    QString zip = info.absoluteFilePath();
    if (input.endsWith(QLatin1String(".lwproj"))) {
        auto *manager = LWEffectPackManager::instance();
        manager->openProj(zip);
        if (!manager->hasProjInWorkSpace()) {
            err() << "lwpack: cannot open " << input << Qt::endl;
            return Unusable;
        }
        progress(QStringLiteral("building the package"));
        zip = manager->buildPackage();
        if (zip.isEmpty())
            return Problems;
    }
    if (!QFileInfo(zip).isFile()) {
        err() << "lwpack: " << input << " does not exist" << Qt::endl;
        return Unusable;
    }
    const QString scratch = LWFolderUtil::makeScratchFolder(LWDataPaths::subFolder(QStringLiteral("unzipTmp")));
    progress(QStringLiteral("unpacking"));
    const bool unpacked = LWZipUtil::unzip(zip, scratch);
    LWPackageCheck::Report result = LWPackageCheck::checkFolder(scratch, QFileInfo(zip).size());
    if (!unpacked) {
        result.usable = false;
        result.problems.prepend(QStringLiteral("the archive is damaged or holds unsafe entries"));
    }
    LWFolderUtil::removeFolder(scratch);
    return report(result, input);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    LWSettings::applyIdentity();
    QGuiApplication app(argc, argv);
    lwInitResources();
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        out() << kHelp;
        return Clean;
    }
    if (command == QLatin1String("export") && args.size() == 3)
        return exportProject(args.at(1), args.at(2));
    if (command == QLatin1String("import") && args.size() == 3)
        return importPackage(args.at(1), args.at(2));
    if (command == QLatin1String("check") && args.size() == 2)
        return check(args.at(1));
    err() << kHelp;
    return Usage;
}
