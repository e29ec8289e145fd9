// assetgen <assets folder>: redraws every generated asset.
// assetgen --overlay <folder>: writes point-layout check pictures instead.
// assetgen --materials <folder>: writes the material library's catalogue.
// assetgen --templates <folder>: makes the template packages and their tiles.
// assetgen --faces <folder>: draws the face tracker's test faces.
//
// Drawing is deterministic (no randomness, no system fonts in shapes) so a
// rerun reproduces the committed files; the template packages differ only in
// what every export makes anew (tags, the effect's name, library names).
#include "appicons.h"
#include "assetio.h"
#include "catface.h"
#include "facevariants.h"
#include "humandraw.h"
#include "humanface.h"
#include "icons.h"
#include "lut.h"
#include "makeup.h"
#include "materials.h"
#include "overlay.h"
#include "pictures.h"
#include "previewmasks.h"
#include "templates.h"

#include <QGuiApplication>
#include <QTextStream>

#include <functional>

namespace {

using AssetIO::saveImage;
using AssetIO::saveText;

bool generateAppIcon()
{
    const QImage icon = AppIcons::render(AppIcons::Kind::Application, 256);
    return AssetIO::saveImageAs(icon, "win_resource/AppIcon.ico", "ico")
        && AssetIO::saveImageAs(icon, "win_resource/AppIcon.png", nullptr);
}

// The icons the desktop shows for the program and its project files. They
// sit beside the program once installed and are not carried as resources.
bool generateDesktopIcons()
{
    return AppIcons::generateTheme(QStringLiteral("desktop/icons/hicolor"));
}

// The sticker's standard faces. Each table ends with the image's top-left
// and top-right corners, the anchors of screen-fixed foregrounds.
bool generateStickerFaces()
{
    QVector<QPointF> human = humanFace().keyPoints();
    human << QPointF(0, 0) << QPointF(HumanFaceGeometry::width, 0);
    return saveImage(drawHumanFace(stickerFaceStyle()), "LW2DSticker/imgStandardFaceHuman.png")
        && saveText(AssetIO::pointLines(human), "LW2DSticker/facePointsHuman.txt")
        && saveImage(drawCatFace(), "LW2DSticker/imgStandardFaceCat.jpg")
        && saveText(AssetIO::pointLines(catFace().keyPoints()), "LW2DSticker/facePointsCat.txt");
}

bool generateMeanFace()
{
    // Texture coordinates are normalised to the makeup engine's square
    // standard face, in which the mean face sits centred.
    QVector<QPointF> normalised;
    for (const QPointF &p : humanFace().densePoints())
        normalised << QPointF((p.x() + Makeup::meanFaceOffsetX) / Makeup::faceSize, p.y() / Makeup::faceSize);
    const QByteArray texcoord = QByteArray::number(normalised.size()) + '\n' + AssetIO::pointLines(normalised, 6);
    return saveImage(drawHumanFace(meanFaceStyle()), "LWFaceMakeUpV2/res/meanface.png")
        && saveText(texcoord, "FeatureTemplates/FaceMakeupV2/mask/texcoord.txt");
}

bool generateMakeupTextures()
{
    bool ok = saveImage(Makeup::blackMask(), "LWFaceMakeUpV2/res/blackmask.png")
           && saveImage(Makeup::transparentPicture(), "LWFaceMakeUpV2/res/tranw-brow.png");
    for (const Makeup::Texture &t : Makeup::defaultTextures())
        ok = saveImage(t.image, "LWFaceMakeUpV2/res/" + t.name + '/' + t.name + "000.png") && ok;
    return ok;
}

bool generateLookupTables()
{
    const QImage identity = Lut::identity();
    return saveImage(identity, "LWViewCommon/images/default_lut.png")
        && saveImage(identity, "FeatureTemplates/Filter/default.png");
}

bool generatePreviewPictures()
{
    HumanStyle cutOut = stickerFaceStyle();
    cutOut.background = false;
    return saveImage(drawHumanFace(cutOut), "LWFilter/imgStandardFace.png")
        && saveImage(Pictures::sceneBackdrop(), "LWFilter/bg_facedistortion.png")
        && saveImage(Pictures::hairColorTemplate(), "LWHairColor/template.png")
        && saveImage(Pictures::stickerPlaceholder(), "LW2DSticker/res/2DStickerPlacehold/default2D.png")
        && saveImage(Pictures::defaultEffectIcon(), "LWViewCommon/images/defaultFeature.png");
}

// The renderer's knowledge of the human face's hair and person.
bool generatePreviewMasks()
{
    return saveImage(PreviewMasks::hair(), "LWPreview/hairMaskHuman.png")
        && saveImage(PreviewMasks::person(), "LWPreview/personMaskHuman.png")
        && saveImage(PreviewMasks::personBorder(), "LWPreview/personBorderHuman.png")
        && saveImage(PreviewMasks::emptyScene(), "LWPreview/emptySceneHuman.png");
}

// Icons come at 32 px and at twice that for high-density screens (Qt
// picks the "@2x" file by itself).
bool generateIcons()
{
    bool ok = true;
    for (const Icons::Icon &icon : Icons::all()) {
        QString doubled = icon.file;
        doubled.insert(doubled.lastIndexOf('.'), "@2x");
        ok = saveImage(Icons::render(icon, 32), "LWViewCommon/images/" + icon.file) && ok;
        ok = saveImage(Icons::render(icon, 64), "LWViewCommon/images/" + doubled) && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    // The templates run the editor's code, which needs its own set-up
    // before the application object exists.
    if (argc == 3 && qstrcmp(argv[1], "--templates") == 0)
        return Templates::run(argc, argv, QString::fromLocal8Bit(argv[2]));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args.at(0) == "--overlay")
        return writePointOverlays(args.at(1)) ? 0 : 1;
    if (args.size() == 2 && args.at(0) == "--faces")
        return FaceVariants::generate(args.at(1)) ? 0 : 1;
    if (args.size() == 2 && args.at(0) == "--materials")
        return Materials::generate(args.at(1)) ? 0 : 1;
    if (args.size() != 1) {
        QTextStream(stderr) << "usage: assetgen <assets folder> | assetgen --overlay <folder>"
                               " | assetgen --materials <folder> | assetgen --templates <folder>"
                               " | assetgen --faces <folder>\n";
        return 64;
    }
    AssetIO::setRoot(args.at(0));
    const std::function<bool()> generators[] = {
        generateAppIcon,        generateStickerFaces, generateMeanFace,        generateMakeupTextures,
        generateLookupTables,   generatePreviewPictures, generateIcons,           generateDesktopIcons,
        generatePreviewMasks,
    };
    bool ok = true;
    for (const auto &generate : generators)
        ok = generate() && ok;
    return ok ? 0 : 1;
}
