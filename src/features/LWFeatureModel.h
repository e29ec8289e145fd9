#pragma once

#include "common/LWEffectCommon.h"
#include "navigation/LWModelContainer.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

class LWFeatureModel;
class LWNaviTreeItem;

// The effect as its features see it: the ordered list they insert themselves
// into and the folder their own folders live in.
class LWFeatureContainer : public LWModelContainer<LWFeatureModel>
{
public:
    // The effect folder, without a trailing "/".
    virtual QString absolutePath() const = 0;
    // The tree node the features hang under.
    virtual LWNaviTreeItem *containerItem() = 0;
};

// The data role of a feature: its folder in the effect, its z-order, its
// content file and the operations by which the effect loads, saves, exports
// and removes it without knowing its kind. Concrete features derive from a
// tree item first and from this second (see LWFeatureTreeItem).
class LWFeatureModel
{
public:
    // The container is the effect the feature belongs to; the effect lists
    // the feature once it is built (LWEffectModel puts it first).
    explicit LWFeatureModel(LWFeatureContainer *container);
    // Also reads the content file of the folder when path is not empty.
    LWFeatureModel(LWFeatureContainer *container, int zOrder, const QString &path);
    virtual ~LWFeatureModel();

    LWFeatureModel(const LWFeatureModel &) = delete;
    LWFeatureModel &operator=(const LWFeatureModel &) = delete;

    virtual void removeLocalFolder();
    virtual QString localAbsolutePath() const;
    virtual LWNaviTreeItem *asNaviTreeItem() { return nullptr; }
    // Parses contentJson into the feature's own state.
    virtual void readContentFile() {}
    virtual QJsonObject getFeatureRequirements() const { return {}; }
    // Export (bSaveProject false): writes the package files, returns null.
    // Project save: returns the project record.
    virtual QJsonValue saveFeature(const SaveParam &param);
    virtual void loadFeatureData(const QJsonObject &, const LoadParam &) {}
    virtual bool shouldExport() const { return true; }
    // The feature's "Link" entry in a package's config.json.
    virtual QJsonValue toConfigLinkValue() const { return QJsonValue(); }
    virtual void onActionRemoveFeature();
    // Fills contentJson from the folder, or from the type's template when
    // the folder yields nothing.
    virtual void loadContentFile();

    // The folder name: "2DSticker_byTool/" names "2DSticker_byTool".
    QString name() const;
    // "<name>_<32 hex digits>", remembered as the generated tag.
    QString newTag();

    LWFeatureContainer *container() const { return m_container; }
    void setContainer(LWFeatureContainer *container) { m_container = container; }
    QString path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }
    int zOrder() const { return m_zOrder; }
    void setZOrder(int zOrder) { m_zOrder = zOrder; }
    LWEffectCommon::LWFeatureType featureType() const { return m_featureType; }
    QString tag() const { return m_tag; }
    QString generatedTag() const { return m_generatedTag; }
    const QJsonObject &contentJson() const { return m_contentJson; }
    QJsonObject &contentJson() { return m_contentJson; }
    QString sdkVersion() const { return m_sdkVersion; }

    // The template folder of a type ("2DSticker/"), empty for none.
    static QString templateFolder(LWEffectCommon::LWFeatureType type);

protected:
    void setFeatureType(LWEffectCommon::LWFeatureType type) { m_featureType = type; }
    void setSdkVersion(const QString &version) { m_sdkVersion = version; }
    void raiseSdkVersion(const QString &version);

    // The export step shared by all features with a content file: the
    // folder, a new tag, the requirements, the content file. False when the
    // content file could not be written.
    bool exportContentFile(const SaveParam &param);
    // The project record shared by those features: type, zorder, path,
    // name, checked and contentFile; callers add their own keys.
    QJsonObject projectRecord();
    // Takes the content object and the title and check state of a project
    // record.
    void readProjectRecord(const QJsonObject &record);

private:
    void readFolderContent();

    LWFeatureContainer *m_container = nullptr; // not owned
    QString m_tag;
    int m_zOrder = 5000;
    QString m_path;
    QJsonObject m_contentJson;
    QString m_sdkVersion;
    QString m_generatedTag;
    LWEffectCommon::LWFeatureType m_featureType = LWEffectCommon::LWFeatureTypeUnknow;
};
