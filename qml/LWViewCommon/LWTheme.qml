pragma Singleton
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
    readonly property color field: "#1a1b20"
    readonly property color fieldBorder: "#3a3d46"
    readonly property color fieldHover: "#4a4e59"
    readonly property color accentDim: "#b3552f"
    readonly property color sectionHeader: "#2b2d34"
    readonly property color danger: "#e5534b"
    readonly property int fontSize: 13
    readonly property int smallSize: 12
    readonly property int rowMargin: 12
    readonly property int titleSize: 22
}
