.pragma library

// Numbers read from a part may come from a damaged file: a scale of 0 or
// one that is not a number, a frame of no size. The scenes draw such a part
// at a size they can hold on to and never hand those numbers back.

var placeholder = "qrc:/LW2DSticker/res/2DStickerPlacehold/default2D.png"
var placeholderSize = 300

function finite(value) {
    return typeof value === "number" && isFinite(value)
}

function scaleOf(part) {
    var s = part ? part.partScale : 1
    return finite(s) && s > 0 ? s : 1
}

function hasScale(part) {
    var s = part ? part.partScale : 0
    return finite(s) && s > 0
}

function positionOf(part) {
    var p = part ? part.framePos : undefined
    if (!p || !finite(p.x) || !finite(p.y))
        return Qt.point(0, 0)
    return Qt.point(p.x, p.y)
}

function hasSize(part) {
    return part && finite(part.frameWidth) && finite(part.frameHeight)
           && part.frameWidth > 0 && part.frameHeight > 0
}

function widthOf(part) {
    return hasSize(part) ? part.frameWidth : placeholderSize
}

function heightOf(part) {
    return hasSize(part) ? part.frameHeight : placeholderSize
}

function hasFrames(part) {
    return !!part && part.frameCount > 0 && !!part.stickerPartPath && hasSize(part)
}

// An absolute file path as a URL, every segment escaped, so that "#", "?"
// or "%" in a folder name stay part of the name.
function fileUrl(path) {
    if (!path)
        return ""
    var segments = String(path).split("/")
    for (var i = 0; i < segments.length; ++i)
        segments[i] = encodeURIComponent(segments[i])
    var joined = segments.join("/")
    return joined.charAt(0) === "/" ? "file://" + joined : "file:///" + joined
}

// The width to decode a picture at: its size on screen rounded up to a power
// of two, so zooming reloads it only now and then, and never wider than the
// picture's place in the scene, so a 4096-pixel texture shown small costs
// what a small one does. 0 (decode at full size) while the size is unknown.
function decodeWidth(placeWidth, shownWidth) {
    if (!(shownWidth > 0) || !(placeWidth > 0))
        return 0
    var bucket = Math.pow(2, Math.ceil(Math.log(Math.max(16, shownWidth)) / Math.LN2))
    return Math.min(bucket, Math.max(1, Math.round(placeWidth)))
}
