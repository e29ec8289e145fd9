import QtQuick 2.15
import "qrc:/LWViewCommon"

Rectangle {
    implicitHeight: LWTheme.hairline
    color: LWTheme.line
}
