#pragma once

#include <QPointF>
#include <QVector>
#include <QtGlobal>

// Reads face actions (blink, open mouth, raised brows, nod, head shake)
// from a tracked face's table points, frame after frame, by the measures,
// thresholds and hysteresis of LWRenderRules. Not thread-safe.
class LWFaceActions
{
public:
    // The measures of one face (see LWRenderRules).
    struct Measures
    {
        double eyes = 0, mouth = 0, brows = 0, pitch = 0, yaw = 0;
    };
    // False when the points are not a human face table.
    static bool measure(const QVector<QPointF> &points, Measures &out);

    struct Update
    {
        QVector<int> started; // actions that began with this frame
        QVector<int> held;    // actions on at this frame (begun now or before)
    };

    // One frame of a video at ms (rising). No points: the face is gone, and
    // whatever it held ends.
    Update feed(const QVector<QPointF> &points, qint64 ms);
    // A photo: only what one picture shows (eyes closed, mouth open).
    static Update still(const QVector<QPointF> &points);
    void reset();

private:
    struct Gesture
    {
        double rest = 0;
        qint64 leftAt = -1; // when the measure left its rest (-1: at rest)
        int side = 0;       // which way it left
        bool fired = false;
    };
    bool stepNod(double pitch, qint64 ms);
    bool stepShake(double yaw, qint64 ms);
    void follow(double &rest, double value, qint64 dt);

    bool m_started = false;
    qint64 m_lastMs = 0;
    bool m_eyesClosed = false, m_mouthOpen = false, m_browsRaised = false;
    double m_browRest = 0, m_eyeRest = 0;
    Gesture m_nod, m_shake;
};
