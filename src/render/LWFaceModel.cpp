#include "LWFaceModel.h"

#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

#include <dlib/image_processing.h>
#include <dlib/image_processing/frontal_face_detector.h>
#include <dlib/image_transforms.h>

#include <algorithm>
#include <cmath>
#include <fstream>

namespace {

// The detector works on a reduced copy: its cost grows with the pixel
// count, while faces worth tracking stay above the 80 pixels it needs.
constexpr int kDetectLongSide = 640;
// Pictures smaller than this are doubled for the detector instead, so a
// small photo's face is still found.
constexpr int kDetectUpsampleBelow = 400;

dlib::rectangle toRect(const QRectF &box)
{
    return dlib::rectangle(long(std::lround(box.left())), long(std::lround(box.top())),
                           long(std::lround(box.right())), long(std::lround(box.bottom())));
}

void copyGrey(const QImage &image, dlib::array2d<unsigned char> &out)
{
    // Smooth scaling hands back a colour format: make sure of one byte a pixel.
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    out.set_size(grey.height(), grey.width());
    for (int y = 0; y < grey.height(); ++y)
        std::copy_n(grey.constScanLine(y), grey.width(), &out[y][0]);
}

} // namespace

struct LWFaceModel::Data
{
    dlib::shape_predictor predictor;
};

struct LWFaceModel::Frame::Data
{
    dlib::array2d<unsigned char> full;
    dlib::array2d<unsigned char> reduced;
    double scale = 1; // reduced pixels per full pixel
};

struct LWFaceModel::Detector::Data
{
    dlib::frontal_face_detector detector = dlib::get_frontal_face_detector();
};

LWFaceModel::LWFaceModel() : d(new Data) {}
LWFaceModel::~LWFaceModel() = default;

QString LWFaceModel::defaultModelPath()
{
    return QStringLiteral("/usr/share/dlib/shape_predictor_68_face_landmarks.dat");
}

QString LWFaceModel::findModel(QString *why)
{
    const QString path = defaultModelPath();
    if (QFileInfo(path).isFile() && QFileInfo(path).isReadable())
        return path;
    if (why) {
        *why = QStringLiteral("The face model %1 is missing: install the package libdlib-data "
                              "(scripts/setup does).").arg(path);
    }
    return QString();
}

std::shared_ptr<const LWFaceModel> LWFaceModel::load(const QString &path, QString *error)
{
    std::ifstream in(QFileInfo(path).absoluteFilePath().toStdString(), std::ios::binary);
    if (!in) {
        if (error)
            *error = QStringLiteral("The face model %1 cannot be read.").arg(path);
        return nullptr;
    }
    std::shared_ptr<LWFaceModel> model(new LWFaceModel);
    try {
        dlib::deserialize(model->d->predictor, in);
    } catch (const std::exception &e) {
        if (error)
            *error = QStringLiteral("The face model %1 is damaged: %2").arg(path, QString::fromLocal8Bit(e.what()));
        return nullptr;
    }
    if (model->d->predictor.num_parts() != kPointCount) {
        if (error)
            *error = QStringLiteral("The face model %1 does not give %2 points.").arg(path).arg(kPointCount);
        return nullptr;
    }
    return model;
}

std::shared_ptr<const LWFaceModel> LWFaceModel::shared(QString *error)
{
    static QMutex lock;
    static bool tried = false;
    static std::shared_ptr<const LWFaceModel> model;
    static QString failure;
    QMutexLocker locker(&lock);
    if (!tried) {
        tried = true;
        const QString path = findModel(&failure);
        if (!path.isEmpty())
            model = load(path, &failure);
    }
    if (!model && error)
        *error = failure;
    return model;
}

LWFaceModel::Frame::Frame(const QImage &image) : d(new Data)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    copyGrey(grey, d->full);
    const int longSide = std::max(grey.width(), grey.height());
    if (longSide <= 0)
        return;
    if (longSide < kDetectUpsampleBelow) {
        d->scale = 2;
        copyGrey(grey.scaled(grey.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), d->reduced);
    } else if (longSide > kDetectLongSide) {
        const QImage small = grey.scaled(grey.size() * kDetectLongSide / longSide, Qt::IgnoreAspectRatio,
                                         Qt::SmoothTransformation);
        d->scale = double(small.width()) / grey.width();
        copyGrey(small, d->reduced);
    } else {
        d->scale = 1;
        dlib::assign_image(d->reduced, d->full);
    }
}

LWFaceModel::Frame::~Frame() = default;

QSize LWFaceModel::Frame::size() const
{
    return QSize(int(d->full.nc()), int(d->full.nr()));
}

LWFaceModel::Detector::Detector() : d(new Data) {}
LWFaceModel::Detector::~Detector() = default;

QVector<LWFaceModel::Detection> LWFaceModel::Detector::detect(const Frame &frame)
{
    QVector<Detection> found;
    if (frame.d->reduced.size() == 0)
        return found;
    std::vector<dlib::rect_detection> detections;
    d->detector(frame.d->reduced, detections);
    const double k = 1 / frame.d->scale;
    for (const dlib::rect_detection &detection : detections) {
        const dlib::rectangle &r = detection.rect;
        found << Detection{QRectF(r.left() * k, r.top() * k, r.width() * k, r.height() * k), detection.detection_confidence};
    }
    std::sort(found.begin(), found.end(), [](const Detection &a, const Detection &b) { return a.score > b.score; });
    return found;
}

QVector<QPointF> LWFaceModel::fit(const Frame &frame, const QRectF &box) const
{
    QVector<QPointF> points;
    if (frame.d->full.size() == 0 || box.isEmpty())
        return points;
    const dlib::full_object_detection shape = d->predictor(frame.d->full, toRect(box));
    points.reserve(int(shape.num_parts()));
    for (unsigned long i = 0; i < shape.num_parts(); ++i)
        points << QPointF(shape.part(i).x(), shape.part(i).y());
    return points;
}
