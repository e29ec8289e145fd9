#include "LWFaceActions.h"

#include "render/LWRenderRules.h"

#include <QLineF>

#include <cmath>

namespace Rules = LWRenderRules;

namespace {

enum Action { Blink = 2, MouthOpen = 4, HeadShake = 8, Nod = 16, BrowRaise = 32 };

double distance(const QVector<QPointF> &p, int a, int b)
{
    return QLineF(p.at(a), p.at(b)).length();
}

} // namespace

bool LWFaceActions::measure(const QVector<QPointF> &p, Measures &out)
{
    if (p.size() < 106)
        return false;
    const double leftWidth = distance(p, 52, 55), rightWidth = distance(p, 58, 61);
    const double mouthWidth = distance(p, 84, 90), eyeDistance = distance(p, 74, 77), earDistance = distance(p, 0, 32);
    if (leftWidth <= 0 || rightWidth <= 0 || mouthWidth <= 0 || eyeDistance <= 0 || earDistance <= 0)
        return false;
    const double left = (distance(p, 53, 57) + distance(p, 54, 56)) / (2 * leftWidth);
    const double right = (distance(p, 59, 63) + distance(p, 60, 62)) / (2 * rightWidth);
    out.eyes = (left + right) / 2;
    out.mouth = (distance(p, 97, 103) + distance(p, 98, 102) + distance(p, 99, 101)) / (3 * mouthWidth);
    out.brows = (distance(p, 35, 72) + distance(p, 40, 75)) / (2 * eyeDistance);
    const QPointF eyes = (p.at(74) + p.at(77)) / 2;
    const QPointF toChin = p.at(16) - eyes;
    const double chinLength2 = QPointF::dotProduct(toChin, toChin);
    out.pitch = chinLength2 > 0 ? QPointF::dotProduct(p.at(46) - eyes, toChin) / chinLength2 : 0;
    const QPointF across = (p.at(77) - p.at(74)) / eyeDistance;
    out.yaw = QPointF::dotProduct(p.at(46) - (p.at(0) + p.at(32)) / 2, across) / earDistance;
    return true;
}

void LWFaceActions::reset()
{
    *this = LWFaceActions();
}

void LWFaceActions::follow(double &rest, double value, qint64 dt)
{
    rest += (value - rest) * (1 - std::exp(-double(dt) / Rules::kRestingMs));
}

bool LWFaceActions::stepNod(double pitch, qint64 ms)
{
    Gesture &g = m_nod;
    const double off = pitch - g.rest;
    if (g.leftAt < 0) {
        if (std::fabs(off) > Rules::kNodSwing) {
            g.leftAt = ms;
            g.side = off > 0 ? 1 : -1;
        }
        return false;
    }
    if (ms - g.leftAt > Rules::kGestureMs) {
        // Held there: a new posture, not a nod.
        g.rest = pitch;
        g.leftAt = -1;
        return false;
    }
    if (std::fabs(off) < Rules::kNodSwing / 2) {
        g.leftAt = -1;
        return true;
    }
    return false;
}

bool LWFaceActions::stepShake(double yaw, qint64 ms)
{
    Gesture &g = m_shake;
    const double off = yaw - g.rest;
    if (g.fired) {
        // Re-armed once the head is back in front.
        if (std::fabs(off) < Rules::kShakeSwing / 2)
            g.fired = false;
        return false;
    }
    if (g.leftAt < 0) {
        if (std::fabs(off) > Rules::kShakeSwing) {
            g.leftAt = ms;
            g.side = off > 0 ? 1 : -1;
        }
        return false;
    }
    if (ms - g.leftAt > Rules::kGestureMs) {
        if (std::fabs(off) > Rules::kShakeSwing)
            g.rest = yaw; // turned and kept there
        g.leftAt = -1;
        return false;
    }
    if (off * g.side < -Rules::kShakeSwing) {
        g.leftAt = -1;
        g.fired = true;
        return true;
    }
    return false;
}

LWFaceActions::Update LWFaceActions::feed(const QVector<QPointF> &points, qint64 ms)
{
    Update update;
    Measures m;
    if (!measure(points, m)) {
        // The face is gone: what it held ends, and its rest is learnt anew.
        reset();
        return update;
    }
    if (!m_started) {
        m_started = true;
        m_lastMs = ms;
        m_browRest = m.brows;
        m_eyeRest = m.eyes;
        m_nod.rest = m.pitch;
        m_shake.rest = m.yaw;
    }
    const qint64 dt = std::max<qint64>(0, ms - m_lastMs);
    m_lastMs = ms;
    auto hysteresis = [&](bool &on, bool enter, bool leave, int action) {
        if (!on && enter) {
            on = true;
            update.started << action;
        } else if (on && leave) {
            on = false;
        }
        if (on)
            update.held << action;
    };
    hysteresis(m_eyesClosed, m.eyes < Rules::kEyesClosed || m.eyes < m_eyeRest * Rules::kEyesClosedShare,
               m.eyes > Rules::kEyesOpen && m.eyes > m_eyeRest * Rules::kEyesOpenShare, Blink);
    if (!m_eyesClosed)
        follow(m_eyeRest, m.eyes, dt);
    hysteresis(m_mouthOpen, m.mouth > Rules::kMouthOpen, m.mouth < Rules::kMouthClosed, MouthOpen);
    hysteresis(m_browsRaised, m.brows > m_browRest * Rules::kBrowsRaised, m.brows < m_browRest * Rules::kBrowsRested,
               BrowRaise);
    if (!m_browsRaised)
        follow(m_browRest, m.brows, dt);
    if (stepShake(m.yaw, ms))
        update.started << HeadShake;
    if (stepNod(m.pitch, ms))
        update.started << Nod;
    if (m_nod.leftAt < 0)
        follow(m_nod.rest, m.pitch, dt);
    if (m_shake.leftAt < 0 && !m_shake.fired)
        follow(m_shake.rest, m.yaw, dt);
    return update;
}

LWFaceActions::Update LWFaceActions::still(const QVector<QPointF> &points)
{
    Update update;
    Measures m;
    if (!measure(points, m))
        return update;
    if (m.eyes < Rules::kEyesClosed)
        update.started << Blink;
    if (m.mouth > Rules::kMouthOpen)
        update.started << MouthOpen;
    update.held = update.started;
    return update;
}
