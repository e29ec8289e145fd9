import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// "Check for updates automatically", bound to the model's setting.
Row {
    id: row
    property var model: null
    spacing: LWTheme.spacing

    LWCheck {
        anchors.verticalCenter: parent.verticalCenter
        checked: row.model ? row.model.bAutoCheck : false
        onToggled: if (row.model) row.model.bAutoCheck = !row.model.bAutoCheck
    }
    Text {
        anchors.verticalCenter: parent.verticalCenter
        text: qsTr("Check for updates automatically")
        color: LWTheme.textDim
        font.pixelSize: LWTheme.smallSize
    }
}
