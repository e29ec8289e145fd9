#include "LWRenderRules.h"

#include <algorithm>
#include <cmath>

namespace LWRenderRules {

namespace {

float clamp01(float v)
{
    return std::clamp(v, 0.0f, 1.0f);
}

float lum(const Rgb &c)
{
    return 0.3f * c.r + 0.59f * c.g + 0.11f * c.b;
}

Rgb clipColor(Rgb c)
{
    const float l = lum(c);
    const float n = std::min({c.r, c.g, c.b});
    const float x = std::max({c.r, c.g, c.b});
    auto fix = [&](float v) {
        if (n < 0)
            v = l + (v - l) * l / (l - n);
        if (x > 1)
            v = l + (v - l) * (1 - l) / (x - l);
        return v;
    };
    return {clamp01(fix(c.r)), clamp01(fix(c.g)), clamp01(fix(c.b))};
}

Rgb setLum(const Rgb &c, float l)
{
    const float d = l - lum(c);
    return clipColor({c.r + d, c.g + d, c.b + d});
}

float sat(const Rgb &c)
{
    return std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b});
}

Rgb setSat(Rgb c, float s)
{
    float *ch[3] = {&c.r, &c.g, &c.b};
    std::sort(ch, ch + 3, [](const float *a, const float *b) { return *a < *b; });
    float &mn = *ch[0], &mid = *ch[1], &mx = *ch[2];
    if (mx > mn) {
        mid = (mid - mn) * s / (mx - mn);
        mx = s;
    } else {
        mid = mx = 0;
    }
    mn = 0;
    return c;
}

float colorDodge(float b, float s)
{
    if (b <= 0)
        return 0;
    if (s >= 1)
        return 1;
    return std::min(1.0f, b / (1 - s));
}

float colorBurn(float b, float s)
{
    if (b >= 1)
        return 1;
    if (s <= 0)
        return 0;
    return 1 - std::min(1.0f, (1 - b) / s);
}

float hardLight(float b, float s)
{
    return s <= 0.5f ? b * 2 * s : b + (2 * s - 1) - b * (2 * s - 1);
}

float softLight(float b, float s)
{
    if (s <= 0.5f)
        return b - (1 - 2 * s) * b * (1 - b);
    const float d = b <= 0.25f ? ((16 * b - 12) * b + 4) * b : std::sqrt(b);
    return b + (2 * s - 1) * (d - b);
}

float separable(int mode, float b, float s)
{
    switch (mode) {
    case Darken: return std::min(b, s);
    case Multiply: return b * s;
    case ColorBurn: return colorBurn(b, s);
    case LinearBurn: return b + s - 1;
    case Lighten: return std::max(b, s);
    case Screen: return b + s - b * s;
    case ColorDodge: return colorDodge(b, s);
    case LinearDodge: return b + s;
    case Overlay: return hardLight(s, b);
    case SoftLight: return softLight(b, s);
    case HardLight: return hardLight(b, s);
    case VividLight: return s <= 0.5f ? colorBurn(b, 2 * s) : colorDodge(b, 2 * s - 1);
    case LinearLight: return b + 2 * s - 1;
    case PinLight: return s <= 0.5f ? std::min(b, 2 * s) : std::max(b, 2 * s - 1);
    case HardMix: return b + s >= 1 ? 1.0f : 0.0f;
    case Difference: return std::fabs(b - s);
    case Exclusion: return b + s - 2 * b * s;
    case Subtract: return b - s;
    case Divide: return s <= 0 ? 1.0f : b / s;
    default: return s;
    }
}

} // namespace

int blendModeOf(int stored)
{
    const int mode = stored % 1000;
    return mode >= 0 && mode < BlendModeCount ? mode : Normal;
}

Rgb blend(int mode, const Rgb &b, const Rgb &s)
{
    switch (mode) {
    case Normal:
    case Dissolve:
        return s;
    case DarkerColor:
        return lum(s) < lum(b) ? s : b;
    case LighterColor:
        return lum(s) > lum(b) ? s : b;
    case Hue:
        return setLum(setSat(s, sat(b)), lum(b));
    case Saturation:
        return setLum(setSat(b, sat(s)), lum(b));
    case Color:
        return setLum(s, lum(b));
    case Luminosity:
        return setLum(b, lum(s));
    default:
        return {clamp01(separable(mode, b.r, s.r)), clamp01(separable(mode, b.g, s.g)),
                clamp01(separable(mode, b.b, s.b))};
    }
}

bool dissolveShows(int x, int y, float coverage)
{
    quint32 h = quint32(x) * 73856093u ^ quint32(y) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return float(h & 0xffff) / 65536.0f < coverage;
}

bool loopsEndlessly(int triggerLoop)
{
    return triggerLoop <= 0 || triggerLoop >= 9999;
}

Presence presenceAt(const TriggerRule &rule, qint64 t, const QVector<Trigger> &triggers)
{
    if (rule.type == 0)
        return {true, t};
    // The moments, in order, at which matching actions take effect up to t,
    // with how long each is held.
    QVector<QPair<qint64, qint64>> moments;
    for (const Trigger &trigger : triggers) {
        const qint64 at = trigger.atMs + rule.delayMs;
        if (trigger.action == rule.type && at <= t)
            moments << qMakePair(at, std::max<qint64>(0, trigger.heldMs));
    }
    std::sort(moments.begin(), moments.end());
    const bool held = !moments.isEmpty() && t < moments.last().first + moments.last().second;
    if (rule.disappear)
        return {!held, t};
    if (rule.stop)
        return {held, held ? t - moments.last().first : 0};
    if (moments.isEmpty())
        return {false, 0};
    return {true, t - (rule.restart ? moments.last().first : moments.first().first)};
}

MusicPosition musicAt(const TriggerRule &rule, int triggerLoop, qint64 trackMs, qint64 t,
                      const QVector<Trigger> &triggers)
{
    const Presence presence = presenceAt(rule, t, triggers);
    if (!presence.shown)
        return {};
    if (trackMs <= 0)
        return {true, presence.localMs};
    if (!loopsEndlessly(triggerLoop) && presence.localMs >= trackMs * triggerLoop)
        return {};
    return {true, presence.localMs % trackMs};
}

int frameAt(qint64 localMs, int frameMs, int frameCount, int triggerLoop)
{
    if (frameCount <= 1 || frameMs <= 0 || localMs <= 0)
        return 0;
    const qint64 step = localMs / frameMs;
    if (!loopsEndlessly(triggerLoop) && step >= qint64(frameCount) * triggerLoop)
        return frameCount - 1;
    return int(step % frameCount);
}

const QVector<ActionName> &actionNames()
{
    static const QVector<ActionName> names = {
        {"blink", 2, "Blink"},          {"mouth-open", 4, "Open mouth"}, {"head-shake", 8, "Shake head"},
        {"nod", 16, "Nod"},             {"brow-raise", 32, "Raise eyebrow"}, {"hand", 53, "Hand gesture"},
        {"kiss", 64, "Kissing face"},   {"angry", 128, "Angry"},        {"disgusted", 256, "Disgusted"},
        {"afraid", 512, "Afraid"},      {"happy", 1024, "Happy"},       {"sad", 2048, "Sad"},
        {"surprised", 4096, "Surprised"}, {"natural", 8192, "Natural"}, {"disappear", 131072, "Disappear"},
    };
    return names;
}

int actionValue(const QString &name)
{
    for (const ActionName &action : actionNames()) {
        if (name == QLatin1String(action.name))
            return action.value;
    }
    return 0;
}

QString actionName(int value)
{
    for (const ActionName &action : actionNames()) {
        if (action.value == value)
            return QString::fromLatin1(action.name);
    }
    return QString();
}

} // namespace LWRenderRules
