#pragma once

#include "LWResouceControlModel.h"
#include "NSLWResourceParameter.h"
#include "inspector/LWQmlViewDataSource.h"

#include <QJsonObject>
#include <QSize>
#include <memory>

class LWInspectorViewModel;

// The inspector of an image resource: a large preview of the image. Made
// by the resource manager on the first request for the record and kept with
// it; the record owns the model, the model only looks at the record.
class LWResource2DTextureModel : public LWQmlViewDataSource, public LWResouceControlModel
{
public:
    using RecordPtr = NSLWResourceParameter::ResourceContentPtr;

    static QString profilePath2DTexture() { return QStringLiteral(":/ResourceInspector/LW2DTextureView.json"); }

    // The model for the record's type with its inspector built: an image
    // (type 1) or a frame sequence (type 6); null for every other type.
    static std::shared_ptr<LWResource2DTextureModel> create(const RecordPtr &record);

    explicit LWResource2DTextureModel(const RecordPtr &record);
    ~LWResource2DTextureModel() override;

    // The root of the panel; stays the same object for the model's life.
    std::shared_ptr<LWInspectorViewModel> inspector() const { return m_inspector; }

    QString resourceId() const { return m_resourceId; }
    QString name() const { return m_name; }
    int type() const { return m_type; }
    QString sourceFilePath() const { return m_sourceFilePath; }
    int subtype() const { return m_subtype; }
    // The image the panel shows and the size rules look at.
    QString imagePath() const { return m_imagePath; }
    int width() const { return m_size.width(); }
    int height() const { return m_size.height(); }

    // LWQmlViewDataSource: the panel's values by key, and "resourceId".
    QJsonValue value(QString dataId) override;
    // The texture button hands over the pictures dropped on it ("texture2d",
    // an array of paths): they become the resource's pictures, one undo step.
    void dataChanged(QString id, QJsonValue value, QJsonValue previous) override;
    // The record was pointed at other files (replaced pictures, undo): the
    // panel shows what it names now.
    virtual void reload();
    bool qualify(int constraint, QString *error) const override;

protected:
    // Loads the profile (its language variant) and builds the panel over
    // inspectorData(). Called once, right after construction.
    void build();
    virtual QString profilePath() const { return profilePath2DTexture(); }
    // The values the panel starts from.
    virtual QJsonObject inspectorData() const;
    // The absolute image path for the stored relative path.
    virtual QString imagePathFor(const QString &sourceFilePath) const;
    // Takes a new relative path: the image and its size follow.
    void setSourceFilePath(const QString &sourceFilePath);
    RecordPtr record() const { return m_record.lock(); }
    static QString resourcesFolder();

private:
    std::weak_ptr<NSLWResourceParameter::stResourceContent> m_record; // the record owns this model
    std::shared_ptr<LWInspectorViewModel> m_inspector;
    QString m_resourceId;
    QString m_name;
    int m_type = 0;
    QString m_sourceFilePath;
    int m_subtype = 0;
    QString m_imagePath;
    QSize m_size;
};
