#pragma once

#include <QJsonObject>
#include <QStringList>

#include "features/LWFeatureTreeItem.h"
#include "resources/LWTemplateResourceReceiver.h"

#include <QSize>
#include <QStringList>

class LWFilterSceneViewModel;
namespace LWFeatureFactory {
struct Request;
}

// The LUT filter: recolours the whole picture through a lookup image at a
// chosen strength. Its content file is config.json (its folder name starts
// with "Filter") and the lookup image lives in the folder's "filter"
// sub-folder. The image itself is a resource of the project library; the
// feature keeps only its id.
class LWFilterModel : public LWFeatureTreeItem, public LWTemplateResourceReceiver
{
    Q_OBJECT

public:
    // Every lookup image the engine reads is 8 x 8 tiles of 64 x 64.
    static constexpr int kLookupSide = 512;

    explicit LWFilterModel(const LWFeatureFactory::Request &request);
    ~LWFilterModel() override;

    void readContentFile() override;
    QJsonValue saveFeature(const SaveParam &param) override;
    QJsonValue toConfigLinkValue() const override;
    void menuItemAction(QString menuItemId) override;
    void naviTreeItemInspectorDataChanged() override;

    QString textureId() const { return m_textureId; }
    // An image dropped on the filter becomes its lookup table, chosen as in
    // the panel (a table of the wrong size is shown with its problem there).
    void receiveTemplateResources(const QStringList &resourceIds) override;
    QStringList textureIds() const { return m_textureIds; }
    float intensity() const { return m_intensity; }

    // The lookup image of a feature folder: "filter/filter.png", then
    // ".jpg", then ".jpeg", skipping files that do not decode. Empty when
    // there is none.
    static QString findLookupImage(const QString &featureFolder);
    // The lookup images a package folder offers, in search order, whether
    // they decode or not.
    static QStringList lookupImageCandidates(const QString &featureFolder);
    // The size of an image file; invalid when it does not decode.
    static QSize imageSize(const QString &path);

    // What the package check looks for in a folder of this kind.
    static void checkPackageFolder(const QJsonObject &link, const QString &folder, QStringList &problems);

private:
    void readProjectFields(const QJsonObject &record);
    void readIntensity();
    void buildInspector();
    QJsonObject inspectorData() const;
    void setIntensity(float intensity);
    // Writes members of the filter record in the content file, keeping the
    // others.
    void updateFilterRecord(const QJsonObject &fields);
    // The image file to export and its suffix (lower case): the current
    // texture's file, or the built-in lookup image when it has none.
    QString exportSource(QString *suffix) const;
    void exportPackage(const SaveParam &param);
    // Into the project library without an undo step; empty without a
    // library or when the file could not be imported.
    static QString importLookupImage(const QString &path);

    QString m_textureId;
    QStringList m_textureIds;
    float m_intensity = 1.0f;
    LWFilterSceneViewModel *m_scene = nullptr; // owned (QObject child)
};
