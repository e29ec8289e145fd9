#pragma once

#include "features/LWFeatureTreeItem.h"

namespace LWFeatureFactory {
struct Request;
}

// Background music: one music resource of the library, played while the
// effect runs, optionally started by a face, cat-face or hand action. It
// has no folder and no content file: its record goes into the effect file
// as "bgm" and its music into the package's "bgm" folder. All of its data
// is its panel's value.
class LWBGMFeatureModel : public LWFeatureTreeItem
{
    Q_OBJECT

public:
    static const char *const kMusicFolder; // "bgm"

    // What a new feature starts with.
    static QJsonObject defaultData();

    explicit LWBGMFeatureModel(const LWFeatureFactory::Request &request);
    ~LWBGMFeatureModel() override;

    // Empty data means a new feature. From a project the record's "name"
    // and "checked" are restored; the music's resource id ("resId") comes
    // with the record, or from the effect's import of the package's music.
    void loadFeatureData(const QJsonObject &data, const LoadParam &param) override;
    // Project save: the data with "name" and "checked". Export: the "bgm"
    // record, with the music copied into the package and "resId" removed.
    QJsonValue saveFeature(const SaveParam &param) override;
    QJsonValue toConfigLinkValue() const override { return QJsonValue(); }
    void naviTreeItemInspectorDataChanged() override;

    // The tree's column text stays reachable beside the panel's value.
    using LWFeatureTreeItem::data;
    // The panel's current value.
    QJsonObject data() const;
    // "resId" when it names a music resource of the library, else empty.
    QString musicResourceId() const;

private:
    void buildInspector();
    // Copies the music into "<package>/bgm/" and returns "bgm/<file>", or
    // empty when there is no music to copy.
    QString exportMusic(const QString &packageFolder) const;

    QJsonObject m_data; // the data the panel was built from, then each pulled value
};
