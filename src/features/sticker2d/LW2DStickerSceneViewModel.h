#pragma once

#include "scene/LWSceneViewModel.h"

#include <QObjectList>
#include <QPointer>
#include <QSizeF>
#include <QString>
#include <QUrl>

class LW2DSticker;

namespace NS2DStickerParameter {
struct FaceTypeRelateData;
}

// The whole 2D sticker, shown while the feature itself is selected: every
// part over the standard face, animated, nothing to edit.
class LW2DStickerSceneViewModel : public LWSceneViewModel
{
    Q_OBJECT
    Q_PROPERTY(QObjectList listPartObject READ listPartObject NOTIFY listPartObjectChanged)
    Q_PROPERTY(QString backgroundImage READ backgroundImage NOTIFY backgroundImageChanged)
    Q_PROPERTY(QSizeF backgroundSize READ backgroundSize NOTIFY backgroundImageChanged)

public:
    // sticker is not owned; the face type follows the sticker's part scene.
    explicit LW2DStickerSceneViewModel(LW2DSticker *sticker, QObject *parent = nullptr);
    ~LW2DStickerSceneViewModel() override;

    QString qmlPath() const override { return QStringLiteral("qrc:/LW2DSticker/LW2DStickerSceneView.qml"); }

    QObjectList listPartObject() const;
    QString backgroundImage() const;
    QSizeF backgroundSize() const;
    Q_INVOKABLE QUrl frameUrl(QObject *part, int frame) const { return partFrameUrl(part, frame); }

    // The parts of a sticker as the scenes draw them: the last part first,
    // so that the sticker's first part ends up on top.
    static QObjectList drawingOrder(const LW2DSticker *sticker);
    // Frame n of a part's sequence as a file URL: "<path>_<n, at least 3
    // digits>.png". Empty when the part has no such frame on disk, so that
    // a lost frame shows the placeholder instead of a load error.
    static QUrl partFrameUrl(QObject *part, int frame);
    // The face's size, or the human face's for a face without picture.
    static QSizeF drawableSize(const NS2DStickerParameter::FaceTypeRelateData &face);

signals:
    void listPartObjectChanged();
    void backgroundImageChanged();

private:
    QPointer<LW2DSticker> m_sticker;
};
