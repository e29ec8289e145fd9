#pragma once

#include "render/LWFaceModel.h"

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QVector>

#include <memory>

// Follows one face through a photo or a run of video frames and gives the
// engine's human face table for it (LWFaceMapping). Detection is the costly
// step, so in a video it runs every few frames; in between, the points are
// refitted in a box made from the points a frame before, and smoothed over
// time so they do not shiver. Headless and not thread-safe: one tracker per
// source, used from one thread.
class LWFaceTracker
{
public:
    // Detections the detector is less sure of are not faces: on a photo
    // they are mostly patterns (a badge, a flag) that look like one.
    static constexpr double kMinScore = 0.1;
    // Video frames between two detections.
    static constexpr int kDetectEvery = 6;
    // How long the last good points are kept once the face is lost, so a
    // missed detection or a hand passing does not make the effect jump.
    static constexpr int kHoldMs = 700;
    // Smoothing (a one-euro filter on every point): the cut-off frequency at
    // rest, how much it rises with speed (per face width a second), and the
    // cut-off of the speed estimate itself.
    static constexpr double kSmoothMinHz = 1.2;
    static constexpr double kSmoothBeta = 6.0;
    static constexpr double kSmoothSpeedHz = 1.0;

    enum class State {
        Tracking, // a face is followed
        Holding,  // lost a moment ago: the last points stand in
        NoFace,   // none found
    };

    struct Result
    {
        State state = State::NoFace;
        // The faces of the last detection, left to right, in frame pixels,
        // and which of them is followed (-1: none).
        QVector<QRectF> faces;
        int chosen = -1;
        // The followed face's 68 points and its 108 table points, in frame
        // pixels; empty for NoFace.
        QVector<QPointF> landmarks;
        QVector<QPointF> points;
        bool hasPoints() const { return !points.isEmpty(); }
    };

    explicit LWFaceTracker(std::shared_ptr<const LWFaceModel> model);
    ~LWFaceTracker();

    // One frame of a video or camera at ms (its own clock, rising).
    Result track(const QImage &frame, qint64 ms);
    // A photo: every face is looked for, nothing carries over.
    Result still(const QImage &photo);

    // Follows the face at this index of the last result's faces from now on.
    void choose(int index);
    // Forgets the face followed (a new source).
    void reset();

private:
    struct Smoother;
    Result detectAndFit(const LWFaceModel::Frame &frame, const QRectF *near);
    Result lost(qint64 ms, const QSize &frameSize);
    QRectF boxFromPoints() const;

    std::shared_ptr<const LWFaceModel> m_model;
    LWFaceModel::Detector m_detector;
    std::unique_ptr<Smoother> m_smoother;
    QVector<QRectF> m_faces;
    int m_chosen = -1;
    int m_wantedIndex = -1; // a choice made, waiting for the next detection
    QVector<QPointF> m_landmarks; // raw, of the last frame
    QVector<QPointF> m_shown;     // smoothed, of the last frame
    // The detector's box relative to the bounding box of the points it
    // gave, so boxes made from points look like the detector's.
    QRectF m_boxFromPoints{0, 0, 1, 1};
    int m_sinceDetection = kDetectEvery;
    qint64 m_lastSeenMs = -1;
    qint64 m_lastMs = -1;
    bool m_following = false;
};
