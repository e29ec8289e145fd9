import QtQuick 2.15
import "qrc:/LWViewCommon"

// Three dots that pulse in turn while something is on its way.
Row {
    id: dots
    property bool running: true
    spacing: LWTheme.spacing

    Repeater {
        model: 3
        Rectangle {
            id: dot
            width: 10
            height: 10
            radius: height / 2
            color: LWTheme.accent
            opacity: 0.3
            SequentialAnimation on opacity {
                running: dots.running && dots.visible
                loops: Animation.Infinite
                PauseAnimation { duration: index * 180 }
                NumberAnimation { from: 0.3; to: 1.0; duration: 300 }
                NumberAnimation { from: 1.0; to: 0.3; duration: 300 }
                PauseAnimation { duration: (2 - index) * 180 }
            }
        }
    }
}
