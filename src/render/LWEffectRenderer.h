#pragma once

#include "render/LWRenderPackage.h"
#include "render/LWRenderRules.h"

#include <QCache>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QTransform>

#include <memory>
#include <vector>

class QPainterPath;

// Draws one frame of an effect package on the standard face of a face type,
// headless (QImage and QPainter only), so the preview window, "lwpack
// render" and the tests share it. Not thread-safe: each thread that renders
// keeps its own renderer. Decoded images are kept in a bounded cache, so a
// long animation costs the frames on show, not the whole sequence.
class LWEffectRenderer
{
public:
    struct Request
    {
        qint64 timeMs = 0;
        QVector<LWRenderRules::Trigger> triggers;
        int faceType = 0;   // NS2DStickerParameter::FaceType
        QSize size;         // empty: the standard face's (or the picture's) own size
        // A photo or video frame to draw on instead of the standard face,
        // and the tracked face's 108 table points in its pixels (empty: no
        // face found; only what needs none is drawn). The picture is fitted
        // into size, keeping its shape. Always the human face.
        QImage picture;
        QVector<QPointF> facePoints;
    };

    LWEffectRenderer();
    ~LWEffectRenderer();

    QImage render(const LWRenderPackage::Package &package, const Request &request);

    // The standard face picture's size (720 x 1280 human, 520 x 924 cat).
    static QSize standardSize(int faceType);

    // Bounds of the decoded-image cache, in kilobytes.
    static constexpr int kCacheKb = 96 * 1024;

private:
    struct Frame;
    struct Lut;

    const QImage *image(const QString &path);
    QImage scaledAsset(const QString &resource, const QSize &size, bool mask);
    const Lut *lut(const QString &path);
    QString sequenceFrame(const LWRenderPackage::Sequence &sequence, int index);

    void drawSticker(Frame &f, const LWRenderPackage::Feature &feature);
    void drawMakeup(Frame &f, const LWRenderPackage::Feature &feature);
    void drawMakeupFilter(Frame &f, const LWRenderPackage::MakeupFilter &filter, const QTransform &makeupToFace);
    void applyLookup(Frame &f, const Lut &table, double intensity, const QPainterPath *clip);
    void applyHairColor(Frame &f, const LWRenderPackage::Feature &feature);
    void applyMatting(Frame &f, const LWRenderPackage::Feature &feature);
    void cutOutPerson(Frame &f, const LWRenderPackage::Matting &m, const QImage &person);

    QCache<QString, QImage> m_images;
    QHash<QString, QImage> m_assets;              // scaled standard pictures and masks, by name and size
    QHash<QString, std::shared_ptr<Lut>> m_luts;  // a few per package
    QHash<QString, QStringList> m_folderPngs;
};
