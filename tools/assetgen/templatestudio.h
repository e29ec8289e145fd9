#pragma once

#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

class LW2DStickerFeatureModel;
class LW2DStickerPart;
class LWFaceMakeUpV2Model;
class LWFaceMakeupV2FilterBase;
class LWFeatureModel;
class LWNaviTreeItem;
class LWQmlViewModel;
class QColor;

// Drives the editor's own models the way an author works in the editor: a
// new project, features from the add menu, frames and pictures imported
// into the resource library, values chosen in the panels of the selected
// item, sticker parts moved and scaled as in the scene, and the package
// export. The application's wiring (controller, inspector hub) must be in
// place. Every step that fails adds a line to problems().
class TemplateStudio
{
public:
    // scratch: where the pictures handed to the imports are written.
    explicit TemplateStudio(const QString &scratch);

    void newProject();
    // The add menu; the new feature stands first in the effect.
    LWFeatureModel *addFeature(const QString &typeKey, const QString &choice = QString());

    // Writes the frames as "<name>/<name>_NNN.png" and imports the folder as
    // a new component of the sticker (its title is name).
    LW2DStickerPart *addPart(LW2DStickerFeatureModel *sticker, const QString &name, const QList<QImage> &frames);
    // Makes the part follow a tracking area (panel), then scales and moves it
    // (scene) so that its frames start at topLeft on the standard face and
    // are width pixels wide there.
    void place(LW2DStickerPart *part, int trackingArea, const QPointF &topLeft, double width);

    LWFaceMakeupV2FilterBase *addFilter(LWFaceMakeUpV2Model *makeup, const QString &type);

    // Imports into the resource library without an undo step; the id.
    QString importSequence(const QString &name, const QList<QImage> &frames);
    QString importPicture(const QString &name, const QImage &image);

    // Panel edits of an item, which is selected first.
    void choose(LWNaviTreeItem *item, const QString &id, const QString &resourceId);
    void chooseNumber(LWNaviTreeItem *item, const QString &id, int value);
    void setNumber(LWNaviTreeItem *item, const QString &id, double value);
    void setColor(LWNaviTreeItem *item, const QString &id, const QColor &color);
    // The page of the item's first option section.
    void setPage(LWNaviTreeItem *item, int page);

    // Exports the package and checks it the way lwpack does.
    void exportPackage(const QString &zipPath);

    const QStringList &problems() const { return m_problems; }

private:
    void select(LWNaviTreeItem *item);
    LWQmlViewModel *node(LWNaviTreeItem *item, const QString &id);
    QString writeFrames(const QString &name, const QList<QImage> &frames);
    void problem(const QString &text);

    QString m_scratch;
    int m_folders = 0;
    QStringList m_problems;
};
