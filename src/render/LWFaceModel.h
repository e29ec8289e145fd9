#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVector>

#include <memory>

// The face model of the preview: a frontal face detector and a 68-point
// landmark predictor, both from the system's dlib. The predictor is a large
// file (about 100 MB, a second to read), so it is read once per process and
// shared; only this class's source file sees dlib, whose headers are heavy.
//
// The 68 points are the usual ones of that model: 0-16 the jaw from the
// image's left to its right, 17-21 and 22-26 the brows (left, right), 27-30
// the nose bridge from root to tip, 31-35 the nostrils' lower line, 36-41 the
// left eye and 42-47 the right eye (each from its left corner, over the
// upper lid and back along the lower one), 48-59 the outer lips from the left
// corner over the upper lip and back, 60-67 the inner lips the same way.
class LWFaceModel
{
public:
    static constexpr int kPointCount = 68;

    // Where Debian's libdlib-data puts the predictor.
    static QString defaultModelPath();
    // The predictor's file, or empty with the reason (what to install) in why.
    static QString findModel(QString *why = nullptr);

    // The process-wide model, read on the first call (which therefore takes
    // about a second: call it off the interface thread). Null with the
    // reason in error when the file is missing or unreadable; a failed read
    // is not retried.
    static std::shared_ptr<const LWFaceModel> shared(QString *error = nullptr);
    // Reads a model from a file of one's own.
    static std::shared_ptr<const LWFaceModel> load(const QString &path, QString *error);

    ~LWFaceModel();

    // A frame as the model reads it: grey, at full size for the landmarks
    // and reduced for the detector. Made once per frame.
    class Frame
    {
    public:
        explicit Frame(const QImage &image);
        ~Frame();
        Frame(const Frame &) = delete;
        Frame &operator=(const Frame &) = delete;
        QSize size() const;

    private:
        friend class LWFaceModel;
        struct Data;
        std::unique_ptr<Data> d;
    };

    struct Detection
    {
        QRectF box; // frame pixels
        double score = 0;
    };

    // The detector keeps scratch state between calls, so each thread that
    // detects owns one; it is cheap to make.
    class Detector
    {
    public:
        Detector();
        ~Detector();
        Detector(const Detector &) = delete;
        Detector &operator=(const Detector &) = delete;
        // Every frontal face, best first.
        QVector<Detection> detect(const Frame &frame);

    private:
        struct Data;
        std::unique_ptr<Data> d;
    };

    // The 68 points of the face in the box (a detection's box, or one made
    // from the face's points a frame before). Safe from several threads.
    QVector<QPointF> fit(const Frame &frame, const QRectF &box) const;

private:
    LWFaceModel();
    struct Data;
    std::unique_ptr<Data> d;
};
