#pragma once

#include "LWQmlViewModel.h"

#include <QList>

class LWPropOptionItemModel;

// The pop-up that shows a model animation's texture images: textureNum
// images named by texturePathFormat with "%d" replaced by 0, 1, ...
class LW3DModelTextureInfoPanelModel : public LWQmlViewModel
{
    Q_OBJECT
    Q_PROPERTY(QList<QObject *> textures READ textures NOTIFY texturesChanged)
    Q_PROPERTY(int listViewWidth READ listViewWidth NOTIFY listViewWidthChanged)

public:
    LW3DModelTextureInfoPanelModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                                   LWQmlViewModel *parent);

    QString qmlPath() const override;
    int height() const override { return 200; }
    // "textureSamplerName", "textureNum", and "texturePathFormat" as the
    // model folder's "resource/anim/anim_%d.png".
    QJsonValue value() const override;

    QList<QObject *> textures() const;
    int listViewWidth() const { return m_listViewWidth; }

signals:
    void texturesChanged();
    void listViewWidthChanged();

private:
    QString m_samplerName;
    QString m_pathFormat;
    int m_textureNum = 0;
    int m_listViewWidth = 0;
    QList<LWPropOptionItemModel *> m_textures; // owned (QObject children)
};
