#pragma once

#include "navigation/LWModelContainer.h"

#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

class LW2DStickerPart;
class LW2DStickerPartSceneViewModel;
class LWNaviTreeItem;
struct LW2DStickerPartData;

namespace NS2DStickerParameter {
struct FaceTypeRelateData;
}

// The sticker document: its version, the background edge record it was
// read with, and the ordered components (row 0 first, drawn on top). Not a
// tree node itself: its parts hang under the feature that owns it. Parts
// are QObject children of the document; the list does not own them.
class LW2DSticker : public QObject, public LWModelContainer<LW2DStickerPart>
{
    Q_OBJECT

public:
    // treeItem: the node the parts hang under (the feature); not owned.
    explicit LW2DSticker(LWNaviTreeItem *treeItem, QObject *parent = nullptr);
    ~LW2DSticker() override;

    struct LoadContext
    {
        bool fromProject = false;
        // The feature folder the frames of a package are read from; their
        // folders go into the resource library and are deleted here.
        QString featureFolder;
    };
    // Replaces the parts with those of the document, highest "zPosition"
    // first. An empty document is a new sticker.
    void load(const QJsonObject &document, const LoadContext &context);

    struct WriteContext
    {
        bool projectKeys = false;  // project save: every part, with title, id and check state
        QString frameFolder;       // export: where the frame folders go; empty for none
    };
    // The document of the parts in row order. An export skips unchecked
    // parts and writes their frames.
    QJsonObject write(const WriteContext &context) const;

    // The engine trigger types of the parts an export writes.
    QSet<int> exportedTriggerTypes() const;

    QString version() const { return m_version; }
    bool hasBackgroundEdge() const { return !m_backgroundEdge.isEmpty(); }
    QJsonObject backgroundEdge() const { return m_backgroundEdge; }

    // Creates a part at the row (clamped) from its data; the caller tells
    // the tree.
    LW2DStickerPart *insertPart(int row, const LW2DStickerPartData &data);

    // The list operations tell the scene that the parts changed.
    void insertModel(int row, LW2DStickerPart *model) override;
    bool removeModel(LW2DStickerPart *model) override;
    LW2DStickerPart *removeModelAt(int row) override;
    void movePart(int from, int to);

    // Titles: "Untitled", "Untitled_2", "Untitled_3" ...
    bool containsModelName(const QString &name) const override;
    QString uniqueModelName(const QString &name) const override;

    LWNaviTreeItem *treeItem() const { return m_treeItem; }
    // The face the parts are placed on comes from the part scene.
    void setScene(LW2DStickerPartSceneViewModel *scene);
    LW2DStickerPartSceneViewModel *scene() const;
    int faceType() const;
    const NS2DStickerParameter::FaceTypeRelateData &faceTypeData() const;

    // "name_2" for "name", "name_<N+1>" for "name_<N>".
    static QString nextName(const QString &name);

    // Imports the frame folder "<featureFolder>/<key>" into the resource
    // library as a frame sequence (no undo step) and deletes the folder once
    // the library has the frames. The new id, empty when nothing was imported.
    static QString importFrameFolder(const QString &featureFolder, const QString &key);
    // The title a part imported from a package is shown under: its key
    // without the library's generated stem.
    static QString displayTitle(const QString &key);

signals:
    void partsChanged();

protected:
    // The parts hang under the feature.
    LWNaviTreeItem *listTreeItem() const override { return m_treeItem; }

private:
    LWNaviTreeItem *m_treeItem; // not owned: the feature, which owns this
    QPointer<LW2DStickerPartSceneViewModel> m_scene;
    QString m_version = QStringLiteral("1.1");
    QJsonObject m_backgroundEdge;
};
