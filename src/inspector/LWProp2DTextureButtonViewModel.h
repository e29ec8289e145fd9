#pragma once

#include "LWPropViewModel.h"

#include <QList>
#include <QSize>
#include <QUrl>

// The large texture preview of the resource inspectors: the first image of
// a texture or frame sequence, how many images it has and how much disk it
// takes. Dropping new images replaces them when every one loads and has the
// size the resource already has.
class LWProp2DTextureButtonViewModel : public LWPropViewModel
{
    Q_OBJECT
    Q_PROPERTY(QString strTexurePath READ strTexurePath NOTIFY strTexurePathChanged)
    Q_PROPERTY(int itemWidth READ itemWidth CONSTANT)
    Q_PROPERTY(int itemHeight READ itemHeight CONSTANT)
    Q_PROPERTY(int imageCount READ imageCount NOTIFY imageCountChanged)
    Q_PROPERTY(bool enabled READ enabled NOTIFY enabledChanged)
    Q_PROPERTY(QString textureSize READ textureSize NOTIFY textureSizeChanged)

public:
    LWProp2DTextureButtonViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                                   LWQmlViewModel *parent);

    QString qmlPath() const override;
    // The texture path (the bound text until images are replaced).
    QJsonValue value() const override { return m_value; }
    void notifyChildren(int kinds, const QJsonValue &payload) override;

    // A file URL of the first image, for the view.
    QString strTexurePath() const;
    QString texturePath() const { return m_texturePath; }
    int itemWidth() const { return m_itemWidth; }
    int itemHeight() const { return m_itemHeight; }
    int imageCount() const { return m_imageCount; }
    bool enabled() const { return m_enabled; }
    QString textureSize() const;
    QSize requiredSize() const { return m_requiredSize; }

    Q_INVOKABLE void changeTextures(QList<QUrl> urls);

signals:
    void strTexurePathChanged();
    void imageCountChanged();
    void enabledChanged();
    void textureSizeChanged();
    void signalTextureSizeNotFit(QString message);
    void signalunRecognizedImage(QString message);

private:
    void readResource();
    void readByteSize();
    QString ownerResourceId() const;

    QString m_value;
    QString m_texturePath;
    int m_itemWidth = 260;
    int m_itemHeight = 264;
    int m_imageCount = 0;
    bool m_enabled = true;
    qint64 m_bytes = -1; // -1 until known
    QSize m_requiredSize;
};
