import QtQuick 2.15
import "qrc:/LWViewCommon"

Rectangle {
    LWTheme { id: theme }
    implicitHeight: 1
    color: theme.line
}
