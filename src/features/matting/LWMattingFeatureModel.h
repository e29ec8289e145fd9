#pragma once

#include <QJsonObject>
#include <QStringList>

#include "features/LWFeatureTreeItem.h"

#include <memory>

class LWMattingPartBase;
namespace LWFeatureFactory {
struct Request;
}

// Person matting in one of two modes, kept as an owned part: segment (cut
// out, optionally outlined) or stealth (made invisible). The mode comes
// from the add menu for a new feature and from the content's
// "mattingType" for a stored one.
class LWMattingFeatureModel : public LWFeatureTreeItem
{
    Q_OBJECT

public:
    static const char *const kChoiceSegment; // "addSegmentBody"
    static const char *const kChoiceStealth; // "addMatting"

    explicit LWMattingFeatureModel(const LWFeatureFactory::Request &request);
    ~LWMattingFeatureModel() override;

    void readContentFile() override;
    QJsonValue saveFeature(const SaveParam &param) override;
    QJsonValue toConfigLinkValue() const override;
    void menuItemAction(QString menuItemId) override;
    void naviTreeItemInspectorDataChanged() override;

    LWMattingPartBase *part() const { return m_part.get(); }
    bool isStealth() const;

    // What the package check looks for in a folder of this kind.
    static void checkPackageFolder(const QJsonObject &link, const QString &folder, QStringList &problems);

private:
    // From a content object: stealth for "MattingTypeInvisibleHuman",
    // otherwise segment.
    void createPartFromContent(const QJsonObject &content);
    void createPartFromChoice(const QString &choice);
    void buildInspector();

    std::unique_ptr<LWMattingPartBase> m_part; // owned
    QString m_choice;
    bool m_fromFolder = false;
};
