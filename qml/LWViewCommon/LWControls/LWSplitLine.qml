import QtQuick 2.15
import "qrc:/LWViewCommon"

Rectangle {
    implicitHeight: 1
    color: LWTheme.line
}
