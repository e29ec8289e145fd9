#include "LWFaceTracker.h"

#include "render/LWFaceMapping.h"

#include <algorithm>
#include <cmath>

namespace {

// While no face is followed, a detection every this many frames.
constexpr int kSearchEvery = 3;
// A detection is the followed face again when it overlaps it this much.
constexpr double kSameFaceOverlap = 0.3;

QRectF boundsOf(const QVector<QPointF> &points)
{
    if (points.isEmpty())
        return QRectF();
    double left = points.first().x(), right = left, top = points.first().y(), bottom = top;
    for (const QPointF &p : points) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

double overlap(const QRectF &a, const QRectF &b)
{
    const QRectF both = a & b;
    if (both.isEmpty())
        return 0;
    const double common = both.width() * both.height();
    return common / (a.width() * a.height() + b.width() * b.height() - common);
}

} // namespace

// A one-euro filter over every point: still points are smoothed hard,
// moving ones follow with little lag.
struct LWFaceTracker::Smoother
{
    QVector<QPointF> value, speed;
    qint64 lastMs = -1;

    static double alpha(double hz, double dt)
    {
        const double tau = 1.0 / (2 * M_PI * hz);
        return 1.0 / (1.0 + tau / dt);
    }

    QVector<QPointF> filter(const QVector<QPointF> &points, qint64 ms)
    {
        if (value.size() != points.size() || lastMs < 0 || ms <= lastMs) {
            value = points;
            speed = QVector<QPointF>(points.size());
            lastMs = ms;
            return value;
        }
        const double dt = (ms - lastMs) / 1000.0;
        lastMs = ms;
        const double width = std::max(1.0, boundsOf(points).width());
        const double aSpeed = alpha(kSmoothSpeedHz, dt);
        for (int i = 0; i < points.size(); ++i) {
            const QPointF raw = (points.at(i) - value.at(i)) / dt;
            speed[i] = aSpeed * raw + (1 - aSpeed) * speed.at(i);
            const double hz = kSmoothMinHz + kSmoothBeta * std::hypot(speed.at(i).x(), speed.at(i).y()) / width;
            const double a = alpha(hz, dt);
            value[i] = a * points.at(i) + (1 - a) * value.at(i);
        }
        return value;
    }
};

LWFaceTracker::LWFaceTracker(std::shared_ptr<const LWFaceModel> model)
    : m_model(std::move(model)), m_smoother(new Smoother)
{
}

LWFaceTracker::~LWFaceTracker() = default;

void LWFaceTracker::reset()
{
    m_faces.clear();
    m_chosen = -1;
    m_wantedIndex = -1;
    m_landmarks.clear();
    m_shown.clear();
    *m_smoother = Smoother();
    m_sinceDetection = kDetectEvery; // the first frame looks for a face
    m_lastSeenMs = -1;
    m_lastMs = -1;
    m_following = false;
}

void LWFaceTracker::choose(int index)
{
    m_wantedIndex = index;
}

LWFaceTracker::Result LWFaceTracker::detectAndFit(const LWFaceModel::Frame &frame, const QRectF *near)
{
    Result result;
    QVector<LWFaceModel::Detection> found = m_detector.detect(frame);
    found.erase(std::remove_if(found.begin(), found.end(),
                               [](const LWFaceModel::Detection &d) { return d.score < kMinScore; }),
                found.end());
    std::sort(found.begin(), found.end(), [](const LWFaceModel::Detection &a, const LWFaceModel::Detection &b) {
        return a.box.center().x() < b.box.center().x();
    });
    m_faces.clear();
    for (const LWFaceModel::Detection &detection : found)
        m_faces << detection.box;
    result.faces = m_faces;
    if (m_faces.isEmpty()) {
        m_chosen = -1;
        return result;
    }
    int pick = -1;
    if (m_wantedIndex >= 0 && m_wantedIndex < m_faces.size()) {
        pick = m_wantedIndex;
    } else if (near) {
        double best = kSameFaceOverlap;
        for (int i = 0; i < m_faces.size(); ++i) {
            const double o = overlap(*near, m_faces.at(i));
            if (o >= best) {
                best = o;
                pick = i;
            }
        }
    }
    if (pick < 0) {
        // A new face: the one the detector is surest of.
        pick = 0;
        for (int i = 1; i < found.size(); ++i) {
            if (found.at(i).score > found.at(pick).score)
                pick = i;
        }
    }
    m_wantedIndex = -1;
    const bool sameFace = m_following && m_chosen == pick && near;
    m_chosen = pick;
    const QRectF box = m_faces.at(pick);
    m_landmarks = m_model->fit(frame, box);
    const QRectF bounds = boundsOf(m_landmarks);
    if (m_landmarks.size() != LWFaceModel::kPointCount || bounds.isEmpty()) {
        m_landmarks.clear();
        return result;
    }
    m_boxFromPoints = QRectF((box.left() - bounds.left()) / bounds.width(), (box.top() - bounds.top()) / bounds.height(),
                             box.width() / bounds.width(), box.height() / bounds.height());
    if (!sameFace)
        *m_smoother = Smoother();
    result.chosen = pick;
    result.landmarks = m_landmarks;
    result.state = State::Tracking;
    return result;
}

LWFaceTracker::Result LWFaceTracker::lost(qint64 ms, const QSize &frameSize)
{
    Result result;
    result.faces = m_faces;
    m_following = false;
    if (m_lastSeenMs >= 0 && ms - m_lastSeenMs <= kHoldMs && !m_shown.isEmpty()) {
        result.state = State::Holding;
        result.landmarks = m_shown;
        result.points = LWFaceMapping::humanPoints(m_shown, QSizeF(frameSize));
        return result;
    }
    m_shown.clear();
    m_landmarks.clear();
    *m_smoother = Smoother();
    return result;
}

LWFaceTracker::Result LWFaceTracker::track(const QImage &image, qint64 ms)
{
    if (!m_model || image.isNull())
        return Result();
    if (m_lastMs >= 0 && ms < m_lastMs)
        reset(); // a video started over
    m_lastMs = ms;
    ++m_sinceDetection;
    const bool following = m_following && !m_landmarks.isEmpty();
    const bool detect = m_wantedIndex >= 0 || m_sinceDetection >= (following ? kDetectEvery : kSearchEvery);
    if (!following && !detect)
        return lost(ms, image.size());
    const LWFaceModel::Frame frame(image);
    Result result;
    if (detect) {
        m_sinceDetection = 0;
        const QRectF near = following ? boxFromPoints() : QRectF();
        result = detectAndFit(frame, following ? &near : nullptr);
        if (result.state != State::Tracking)
            return lost(ms, image.size());
    } else {
        const QRectF before = boundsOf(m_landmarks);
        const QVector<QPointF> fitted = m_model->fit(frame, boxFromPoints());
        const QRectF after = boundsOf(fitted);
        // A fit that collapses or balloons has lost the face: look again.
        const double change = after.isEmpty() ? 0 : after.width() / before.width();
        if (fitted.size() != LWFaceModel::kPointCount || change < 0.7 || change > 1.4) {
            m_sinceDetection = kDetectEvery;
            m_landmarks.clear();
            return lost(ms, image.size());
        }
        m_landmarks = fitted;
        result.faces = m_faces;
        result.chosen = m_chosen;
        result.state = State::Tracking;
    }
    m_following = true;
    m_lastSeenMs = ms;
    m_shown = m_smoother->filter(m_landmarks, ms);
    result.landmarks = m_shown;
    result.points = LWFaceMapping::humanPoints(m_shown, QSizeF(image.size()));
    return result;
}

QRectF LWFaceTracker::boxFromPoints() const
{
    const QRectF b = boundsOf(m_landmarks);
    return QRectF(b.left() + m_boxFromPoints.left() * b.width(), b.top() + m_boxFromPoints.top() * b.height(),
                  m_boxFromPoints.width() * b.width(), m_boxFromPoints.height() * b.height());
}

LWFaceTracker::Result LWFaceTracker::still(const QImage &photo)
{
    if (!m_model || photo.isNull())
        return Result();
    const int wanted = m_wantedIndex;
    reset();
    m_wantedIndex = wanted;
    const LWFaceModel::Frame frame(photo);
    Result result = detectAndFit(frame, nullptr);
    if (result.state == State::Tracking)
        result.points = LWFaceMapping::humanPoints(m_landmarks, QSizeF(photo.size()));
    return result;
}
