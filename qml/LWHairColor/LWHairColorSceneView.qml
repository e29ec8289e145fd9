import QtQuick 2.15
import "qrc:/LWViewCommon"

// Hair colour is found on the camera picture by the engine; the scene shows
// the standard face over the filter's backdrop.
LWBackdropScene {
    facePicture: "qrc:/LWFilter/imgStandardFace.png"
}
