import QtQuick 2.15
import "qrc:/LWViewCommon"

// The last frame the preview drew; the bare face until the first one.
Item {
    id: frame
    property var model: null

    Image {
        anchors.fill: parent
        fillMode: Image.PreserveAspectFit
        visible: frame.model === null || frame.model.frameUrl === ""
        source: "qrc:/LW2DSticker/imgStandardFaceHuman.png"
    }
    Image {
        objectName: "previewImage"
        anchors.fill: parent
        fillMode: Image.PreserveAspectFit
        cache: false
        smooth: true
        source: frame.model ? frame.model.frameUrl : ""
    }
    Text {
        anchors.centerIn: parent
        visible: frame.model !== null && frame.model.building && frame.model.frameUrl === ""
        text: qsTr("Drawing the effect\u2026")
        color: LWTheme.textDim
        font.pixelSize: LWTheme.smallSize
    }
}
