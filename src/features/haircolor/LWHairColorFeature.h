#pragma once

#include <QJsonObject>
#include <QStringList>

#include "features/LWFeatureTreeItem.h"

class LWHairColorSceneViewModel;
namespace LWFeatureFactory {
struct Request;
}

// Tints the hair the engine's segmentation finds with one colour. There is
// no template: the feature writes its whole content file itself, and it is
// the one feature that states its detector requirements.
class LWHairColorFeature : public LWFeatureTreeItem
{
    Q_OBJECT

public:
    static const char *const kDefaultColor;    // "FFFFFF"
    static const char *const kDefaultTemplate; // the built-in colour template

    explicit LWHairColorFeature(const LWFeatureFactory::Request &request);
    ~LWHairColorFeature() override;

    void readContentFile() override;
    QJsonObject getFeatureRequirements() const override;
    QJsonValue saveFeature(const SaveParam &param) override;
    QJsonValue toConfigLinkValue() const override;
    void menuItemAction(QString menuItemId) override;
    void naviTreeItemInspectorDataChanged() override;

    int colorType() const { return m_colorType; }
    QString color() const { return m_color; }
    double strength() const { return m_strength; }
    // As written in the content file: relative to the feature folder, or a
    // "qrc:" URL for the built-in template.
    QString colorTemplate() const { return m_colorTemplate; }
    // The template image as a file the program can open.
    QString colorTemplatePath() const;

    // The fill record; templateName replaces the stored template name.
    QJsonObject fillRecord(const QString &templateName) const;
    // Six upper-case hexadecimal digits, or empty for anything else.
    static QString normalizedColor(const QString &text);

    // What the package check looks for in a folder of this kind.
    static void checkPackageFolder(const QJsonObject &link, const QString &folder, QStringList &problems);

private:
    void readFill(const QJsonObject &fill);
    void buildInspector();
    QJsonObject inspectorData() const;
    void writeContent(const QString &templateName);
    // Copies the colour template of a templated fill next to the exported
    // content file; returns the name to write, or the stored one when there
    // is nothing to copy.
    QString exportTemplate(const QString &folder) const;

    int m_colorType = 0;
    QString m_color;
    double m_strength = 1.0;
    QString m_colorTemplate;
    LWHairColorSceneViewModel *m_scene = nullptr; // owned (QObject child)
};
