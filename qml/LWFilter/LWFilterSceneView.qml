import QtQuick 2.15
import "qrc:/LWViewCommon"

// A lookup filter acts on the whole camera picture; its scene shows the
// standard face over the backdrop.
LWBackdropScene {
    facePicture: "qrc:/LWFilter/imgStandardFace.png"
}
