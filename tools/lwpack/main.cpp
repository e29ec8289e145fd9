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
#include "render/LWEffectRenderer.h"
#include "render/LWFaceActions.h"
#include "render/LWFaceModel.h"
#include "render/LWFaceTracker.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <cmath>
#include <limits>

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
    "  render PACKAGE.zip|FOLDER|PROJECT.lwproj OUT.png [--at MS] [--trigger NAME[@MS]]...\n"
    "         [--size WxH] [--face human|cat|PHOTO] [--face-index N]\n"
    "                                  draw the effect at MS milliseconds on the standard face\n"
    "                                  (720 x 1280 human, 520 x 924 cat) or on the face found in\n"
    "                                  PHOTO (the leftmost but N, from 0, when there are several;\n"
    "                                  what the face does fires its actions at 0); a trigger fires\n"
    "                                  the face action NAME at MS (default 0): blink, mouth-open,\n"
    "                                  head-shake, nod, brow-raise, hand, ...\n"
    "  render ... --frames N --fps F OUT-DIR\n"
    "                                  N frames from --at on, F per second, as OUT-DIR/frame_000.png ...\n"
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

struct RenderArgs
{
    QString input, output;
    LWEffectRenderer::Request request;
    int frames = 0;
    double fps = 0;
    QString photo;
    int faceIndex = -1;
};

// Parses what follows "render"; false (after saying why) for wrong usage.
bool parseRender(const QStringList &args, RenderArgs &r)
{
    QStringList positional;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const bool hasValue = i + 1 < args.size();
        auto fail = [&arg](const QString &why) {
            err() << "lwpack: " << arg << ": " << why << Qt::endl;
            return false;
        };
        if (!arg.startsWith(QLatin1String("--"))) {
            positional << arg;
            continue;
        }
        if (!hasValue)
            return fail(QStringLiteral("needs a value"));
        const QString value = args.at(++i);
        bool ok = false;
        if (arg == QLatin1String("--at")) {
            r.request.timeMs = value.toLongLong(&ok);
            if (!ok || r.request.timeMs < 0)
                return fail(QStringLiteral("not a time in milliseconds: ") + value);
        } else if (arg == QLatin1String("--trigger")) {
            const QString name = value.section(QLatin1Char('@'), 0, 0);
            LWRenderRules::Trigger trigger;
            trigger.action = LWRenderRules::actionValue(name);
            if (trigger.action == 0)
                return fail(QStringLiteral("no face action named ") + name);
            if (value.contains(QLatin1Char('@'))) {
                trigger.atMs = value.section(QLatin1Char('@'), 1).toLongLong(&ok);
                if (!ok || trigger.atMs < 0)
                    return fail(QStringLiteral("not a time in milliseconds: ") + value);
            }
            r.request.triggers << trigger;
        } else if (arg == QLatin1String("--size")) {
            const QStringList wh = value.split(QLatin1Char('x'));
            const int w = wh.value(0).toInt(), h = wh.value(1).toInt();
            if (wh.size() != 2 || w < 1 || h < 1 || w > 8192 || h > 8192)
                return fail(QStringLiteral("not a size WxH (1 to 8192): ") + value);
            r.request.size = QSize(w, h);
        } else if (arg == QLatin1String("--face")) {
            if (value == QLatin1String("human") || value == QLatin1String("cat")) {
                r.request.faceType = value == QLatin1String("cat") ? 1 : 0;
                r.photo.clear();
            } else if (QFileInfo(value).isFile()) {
                r.photo = value;
                r.request.faceType = 0;
            } else {
                return fail(QStringLiteral("human, cat or a photo, not ") + value);
            }
        } else if (arg == QLatin1String("--face-index")) {
            r.faceIndex = value.toInt(&ok);
            if (!ok || r.faceIndex < 0)
                return fail(QStringLiteral("not a face number (0 and up): ") + value);
        } else if (arg == QLatin1String("--frames")) {
            r.frames = value.toInt(&ok);
            if (!ok || r.frames < 1 || r.frames > 100000)
                return fail(QStringLiteral("not a frame count (1 to 100000): ") + value);
        } else if (arg == QLatin1String("--fps")) {
            r.fps = value.toDouble(&ok);
            if (!ok || r.fps <= 0 || r.fps > 1000)
                return fail(QStringLiteral("not a frame rate (above 0, at most 1000): ") + value);
        } else {
            return fail(QStringLiteral("unknown option"));
        }
    }
    if (positional.size() != 2) {
        err() << "lwpack: render takes a package and an output" << Qt::endl;
        return false;
    }
    if (r.faceIndex >= 0 && r.photo.isEmpty()) {
        err() << "lwpack: --face-index goes with --face PHOTO" << Qt::endl;
        return false;
    }
    if ((r.frames > 0) != (r.fps > 0)) {
        err() << "lwpack: --frames and --fps go together" << Qt::endl;
        return false;
    }
    r.input = positional.at(0);
    r.output = positional.at(1);
    return true;
}

bool readPackage(const QString &input, LWRenderPackage::Package &package)
{
    const QFileInfo info(input);
    QString error;
    bool ok = false;
    if (info.isDir()) {
        ok = LWRenderPackage::readFolder(info.absoluteFilePath(), package, &error);
    } else if (input.endsWith(QLatin1String(".lwproj"))) {
        auto *manager = LWEffectPackManager::instance();
        if (info.isFile())
            manager->openProj(info.absoluteFilePath());
        if (!info.isFile() || !manager->hasProjInWorkSpace()) {
            err() << "lwpack: cannot open " << input << Qt::endl;
            return false;
        }
        progress(QStringLiteral("building the package"));
        const QString zip = manager->buildPackage();
        ok = !zip.isEmpty() && LWRenderPackage::readZip(zip, package, &error);
        if (zip.isEmpty())
            error = QStringLiteral("the package could not be built");
    } else {
        ok = LWRenderPackage::readZip(info.absoluteFilePath(), package, &error);
    }
    if (!ok)
        err() << "lwpack: " << input << ": unusable package: " << error << Qt::endl;
    return ok;
}

// Finds the face in the photo and puts it, and the actions it shows, into
// the request. Unusable when the photo or the face model cannot be read;
// Problems (after saying so) when no face is found: the photo is drawn
// with what needs no face.
Exit placeOnPhoto(RenderArgs &r, const LWRenderPackage::Package &package)
{
    r.request.picture = QImage(r.photo).convertToFormat(QImage::Format_RGB32);
    if (r.request.picture.isNull()) {
        err() << "lwpack: cannot read the photo " << r.photo << Qt::endl;
        return Unusable;
    }
    QString error;
    const std::shared_ptr<const LWFaceModel> model = LWFaceModel::shared(&error);
    if (!model) {
        err() << "lwpack: " << error << Qt::endl;
        return Unusable;
    }
    LWFaceTracker tracker(model);
    if (r.faceIndex >= 0)
        tracker.choose(r.faceIndex);
    const LWFaceTracker::Result face = tracker.still(r.request.picture);
    for (const QString &type : package.standardFaceOnlyTypes())
        progress(QStringLiteral("%1 is drawn on the standard face only").arg(type));
    if (!face.hasPoints()) {
        progress(QStringLiteral("no face found in %1").arg(r.photo));
        return Problems;
    }
    if (r.faceIndex >= face.faces.size()) {
        progress(QStringLiteral("%1 holds %2 face(s); drawn on face %3").arg(r.photo).arg(face.faces.size()).arg(face.chosen));
    } else if (face.faces.size() > 1) {
        progress(QStringLiteral("%1 holds %2 faces; drawn on face %3 from the left (--face-index)")
                     .arg(r.photo).arg(face.faces.size()).arg(face.chosen));
    }
    r.request.facePoints = face.points;
    for (int action : LWFaceActions::still(face.points).started) {
        r.request.triggers << LWRenderRules::Trigger{action, 0, std::numeric_limits<qint64>::max() / 2};
        progress(QStringLiteral("the face shows %1").arg(LWRenderRules::actionName(action)));
    }
    return Clean;
}

int render(const QStringList &args)
{
    RenderArgs r;
    if (!parseRender(args, r))
        return Usage;
    LWRenderPackage::Package package;
    if (!readPackage(r.input, package))
        return Unusable;
    for (const QString &type : package.undrawnTypes())
        progress(QStringLiteral("%1 is not drawn").arg(type));
    if (r.request.faceType == 1 && !package.allowsCat())
        progress(QStringLiteral("this effect is made for the human face; drawn on the cat face anyway"));
    Exit placed = Clean;
    if (!r.photo.isEmpty()) {
        placed = placeOnPhoto(r, package);
        if (placed == Unusable)
            return Unusable;
    }
    LWEffectRenderer renderer;
    QElapsedTimer clock;
    clock.start();
    if (r.frames == 0) {
        const QImage frame = renderer.render(package, r.request);
        const qint64 took = clock.elapsed();
        if (!frame.save(r.output, "PNG")) {
            err() << "lwpack: cannot write " << r.output << Qt::endl;
            return Problems;
        }
        progress(QStringLiteral("wrote %1 (%2 x %3, drawn in %4 ms)").arg(r.output).arg(frame.width()).arg(frame.height()).arg(took));
        return placed;
    }
    if (!QDir().mkpath(r.output)) {
        err() << "lwpack: cannot make " << r.output << Qt::endl;
        return Problems;
    }
    const qint64 start = r.request.timeMs;
    for (int i = 0; i < r.frames; ++i) {
        r.request.timeMs = start + qint64(std::floor(i * 1000.0 / r.fps));
        const QString file = QStringLiteral("%1/frame_%2.png").arg(r.output).arg(i, 3, 10, QLatin1Char('0'));
        if (!renderer.render(package, r.request).save(file, "PNG")) {
            err() << "lwpack: cannot write " << file << Qt::endl;
            return Problems;
        }
    }
    progress(QStringLiteral("wrote %1 frames to %2 in %3 ms").arg(r.frames).arg(r.output).arg(clock.elapsed()));
    return placed;
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
    if (command == QLatin1String("render"))
        return render(args.mid(1));
    err() << kHelp;
    return Usage;
}
