import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"

// A thin line between groups of menu entries.
MenuSeparator {
    topPadding: 3
    bottomPadding: 3
    contentItem: Rectangle {
        implicitWidth: 180
        implicitHeight: LWTheme.hairline
        color: LWTheme.line
    }
}
