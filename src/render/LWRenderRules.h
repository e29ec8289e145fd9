#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>

// The drawing rules an effect package leaves to the player: how blend modes
// mix colours, how long a frame shows, and how a face action shows or hides
// what it triggers. The preview window, "lwpack render" and the tests all go
// through these functions, so they cannot disagree; a change of rule is made
// here and nowhere else.
//
// Blend modes, numbered as the inspectors list them (0 Normal ... 26
// Luminosity), follow the usual layer definitions: with backdrop Cb, source
// Cs (both 0..1, un-premultiplied) and source coverage a (texture alpha x
// the layer's opacity or intensity), a pixel becomes
//     (1 - a) * Cb + a * B(Cb, Cs)
// over the always opaque camera picture. Separable modes apply B per channel:
//   Multiply Cb*Cs; Screen Cb+Cs-Cb*Cs; Overlay = HardLight(Cs, Cb);
//   Darken/Lighten min/max; Color Dodge min(1, Cb/(1-Cs)) (0 when Cb is 0);
//   Color Burn 1-min(1, (1-Cb)/Cs) (1 when Cb is 1); Hard Light Multiply(2Cs)
//   below 0.5 else Screen(2Cs-1); Soft Light the smooth W3C curve; Linear Burn
//   Cb+Cs-1; Linear Dodge Cb+Cs; Vivid Light Color Burn/Dodge on 2Cs; Linear
//   Light Cb+2Cs-1; Pin Light Darken/Lighten on 2Cs; Hard Mix 1 when
//   Cb+Cs >= 1 else 0; Difference |Cb-Cs|; Exclusion Cb+Cs-2CbCs; Subtract
//   Cb-Cs; Divide Cb/Cs (1 when Cs is 0); every result clamped to 0..1.
// Darker/Lighter Color pick the whole colour with the lower/higher luminosity
// (0.3 R + 0.59 G + 0.11 B); Hue, Saturation, Color and Luminosity are the
// W3C non-separable modes on that luminosity. Dissolve shows a pixel whole or
// not at all: it shows when a fixed hash of its position is below a, so a
// still frame renders identically each time. A blend mode stored with the
// transparent-region flag (+1000) draws as the mode below 1000, since
// coverage already leaves transparent pixels out. Unknown modes draw Normal.
//
// Features, drawn in ascending "zorder" (ties in Link order), each over what
// the ones before it drew:
// - sticker parts in ascending "zPosition", the frame's top-left at the
//   first position anchor's point minus s times that anchor's image offset,
//   s the face distance of the two scale anchors over their image distance
//   (1 when they coincide); the face is upright, so every position type
//   places the same way;
// - makeup filters in ascending "zPosition"; the makeup's square standard
//   face holds the 720-wide face centred, so x shifts by (1280 - 720) / 2.
//   Textured filters fill their "rect"; a pupil is drawn 60 x 60 on each
//   pupil point inside the eye's contour, its reflection (frame 002) over it
//   with "reflectBlendMode"; lip colours ("uMouthColor") lie on the lips
//   between the outer and inner lip contours in Color mode, so the lips'
//   shading stays; lookup filters of the lips and teeth recolour those
//   contours through their table;
// - the lookup filter maps every pixel through its table (trilinear) and
//   mixes the result in by "intensity";
// - hair colour mixes Color mode with the fill colour into the hair mask's
//   pixels by "strength" times the mask;
// - segment matting cuts the person (the person mask) out of what is drawn
//   so far, puts the replacement backdrop in its place, and lays the person,
//   ringed by the border colour, over everything the later features draw:
//   they make the new background, as a background sticker does. Two border
//   colours take turns, each shown for 1 / "fps" seconds. Stealth matting fades the person into
//   the empty scene behind it over "animationDuration" frames: the person
//   starts gone when "defaultInVisible" is set or nothing triggers it, and
//   each counted action toggles it ("disableOnceTrigger": the first only;
//   without "triggerKeep" the toggle lasts as long as a held action).
// Makeup, hair colour and matting belong to the human face: on the cat face
// only stickers and the lookup filter draw.
namespace LWRenderRules {

enum BlendMode {
    Normal = 0, Dissolve, Darken, Multiply, ColorBurn, LinearBurn, DarkerColor, Lighten, Screen, ColorDodge,
    LinearDodge, LighterColor, Overlay, SoftLight, HardLight, VividLight, LinearLight, PinLight, HardMix,
    Difference, Exclusion, Subtract, Divide, Hue, Saturation, Color, Luminosity, BlendModeCount
};

// The mode a stored value draws with.
int blendModeOf(int stored);

struct Rgb
{
    float r = 0, g = 0, b = 0;
};

// B(Cb, Cs) of the mode (Dissolve and Normal give Cs).
Rgb blend(int mode, const Rgb &backdrop, const Rgb &source);

// Whether a Dissolve pixel at (x, y) with coverage a shows.
bool dissolveShows(int x, int y, float coverage);

// Sticker parts carry no frame rate: their frames advance at the pace the
// editor's scene views show them, one frame every 150 ms.
constexpr int kStickerFrameMs = 150;
// Makeup sequences carry "imageInterval" in seconds; a missing or zero
// interval falls back to this.
constexpr double kMakeupDefaultInterval = 0.05;

// A trigger fired in the preview or on the command line is a moment. The
// "continuous action" trigger modes need an action that lasts: a fired
// action counts as held for this long.
constexpr int kHeldActionMs = 1000;
// "triggerDelay" values are milliseconds after the action.
// Matting's "animationDuration" counts frames at this rate.
constexpr int kAnimationFps = 30;

// "triggerLoop": 0 and 9999 and above play endlessly; 1 to 9998 play that
// many times and then hold the last frame.
bool loopsEndlessly(int triggerLoop);

// One fired face action (its engine value, e.g. 4 for an open mouth), when
// it fired, in milliseconds of effect time, and how long it lasts: a button
// or "--trigger" fires a moment, held for kHeldActionMs; an action read from
// a tracked face lasts as long as the face holds it.
struct Trigger
{
    int action = 0;
    qint64 atMs = 0;
    qint64 heldMs = kHeldActionMs;
};

// Face actions read from a tracked face (photo, video, camera), from the
// 106 table points. Every measure is a ratio of distances, so it holds at
// any size of the face in the picture:
//   eyes  = (|53-57| + |54-56|) / (2 |52-55|) and (|59-63| + |60-62|) /
//           (2 |58-61|), their mean: the lids' gap over the eye's width
//   mouth = (|97-103| + |98-102| + |99-101|) / (3 |84-90|): the inner lips'
//           gap over the mouth's width
//   brows = (|35-72| + |40-75|) / (2 |74-77|): brow over the upper lid, in
//           eye distances
//   pitch = where the nose tip 46 lies from the pupils' middle (0) to the
//           chin 16 (1), along that line
//   yaw   = how far the nose tip 46 lies off the middle of the ears 0 and 32,
//           across the eye line, in ear distances
// Blink (2) starts when the eyes fall below kEyesClosed, or below their
// resting value times kEyesClosedShare (eyes differ in shape, and drawn ones
// more), and lasts until they rise above both kEyesOpen and their resting
// value times kEyesOpenShare. Open mouth (4) starts above kMouthOpen and
// lasts until below kMouthClosed: a mouth wide open, not one that talks.
// Raise eyebrow (32) starts when brows exceed their resting value times
// kBrowsRaised and lasts until below times kBrowsRested.
// Nod (16) fires, as a moment, when pitch leaves its resting value by
// kNodSwing and comes back within half of it inside kGestureMs; head shake (8)
// when yaw passes its resting value by kShakeSwing on one side and then on
// the other inside kGestureMs. Resting values follow the measure with time
// constant kRestingMs while no action of theirs is on, from the first frame
// on; a photo has no rest to compare with and fires only blink (by
// kEyesClosed alone) and open mouth. The other actions (hand gesture,
// expressions) stay on the buttons.
constexpr double kEyesClosed = 0.15;
constexpr double kEyesOpen = 0.20;
constexpr double kEyesClosedShare = 0.65;
constexpr double kEyesOpenShare = 0.80;
constexpr double kMouthOpen = 0.35;
constexpr double kMouthClosed = 0.28;
constexpr double kBrowsRaised = 1.15;
constexpr double kBrowsRested = 1.07;
constexpr double kNodSwing = 0.06;
constexpr double kShakeSwing = 0.04;
constexpr int kGestureMs = 1200;
constexpr int kRestingMs = 1500;

// The trigger part of a sticker part or a music record.
struct TriggerRule
{
    int type = 0; // 0: not triggered
    int delayMs = 0;
    bool stop = false;
    bool disappear = false;
    bool restart = false;
};

// Whether something under the rule shows at time t, and how far into its
// own animation it is. With no trigger it shows from 0. "Appear" shows from
// the first matching action on (a later action starts it again only with
// triggerRestart); "Appear (continuous action)" shows while the action is
// held, from its start each time; "Disappear (continuous action)" hides
// while the action is held. Actions take effect triggerDelay ms after they
// fire.
struct Presence
{
    bool shown = false;
    qint64 localMs = 0;
};
Presence presenceAt(const TriggerRule &rule, qint64 t, const QVector<Trigger> &triggers);

// Where background music is at effect time t: it sounds under its record's
// trigger rule like a sticker part shows, from its start each time the rule
// starts it, repeating after trackMs while its loops (as "triggerLoop")
// remain, then silent. trackMs 0 (length not known yet) plays on.
struct MusicPosition
{
    bool sounding = false;
    qint64 positionMs = 0;
};
MusicPosition musicAt(const TriggerRule &rule, int triggerLoop, qint64 trackMs, qint64 t,
                      const QVector<Trigger> &triggers);

// Which frame of a sequence shows localMs into it: frame i shows from
// i * frameMs on, wrapping after the last frame while loops remain (see
// loopsEndlessly), then holding it.
int frameAt(qint64 localMs, int frameMs, int frameCount, int triggerLoop);

// The face actions a person can fire, by the names "lwpack render --trigger"
// and the preview use, with the engine values of the packages.
struct ActionName
{
    const char *name;
    int value;
    const char *label;
};
const QVector<ActionName> &actionNames();
// 0 for a name that is not an action.
int actionValue(const QString &name);
// Empty for a value without a name.
QString actionName(int value);

} // namespace LWRenderRules
