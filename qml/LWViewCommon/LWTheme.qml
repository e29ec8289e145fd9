import QtQuick 2.15

// Palette and metrics shared by every window.
QtObject {
    readonly property color window: "#1e1f24"
    readonly property color panel: "#26282e"
    readonly property color panelRaised: "#2f323a"
    readonly property color line: "#3a3d46"
    readonly property color text: "#e8e9ee"
    readonly property color textDim: "#9a9daa"
    readonly property color accent: "#ff7a45"
    readonly property int fontSize: 13
    readonly property int titleSize: 22
}
