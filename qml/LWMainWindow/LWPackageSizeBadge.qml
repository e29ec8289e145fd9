import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"

// The size the exported package would have, beside "Sync to Phone": marked
// once it passes the publishing limit, so the author trims frames before
// the upload refuses them.
Rectangle {
    id: badge
    readonly property var estimator: typeof packageSizeEstimator !== "undefined" ? packageSizeEstimator : null
    readonly property bool known: estimator !== null && estimator.bytes >= 0
    readonly property bool over: known && estimator.overLimit

    visible: known
    implicitWidth: label.implicitWidth + LWTheme.buttonPadding
    implicitHeight: LWTheme.badgeHeight
    radius: LWTheme.radius
    color: over ? LWTheme.dangerBadge : "transparent"
    border.color: over ? LWTheme.danger : LWTheme.line

    Text {
        id: label
        anchors.centerIn: parent
        text: badge.known ? (badge.over ? qsTr("Package %1 · over 5 MB").arg(badge.estimator.sizeText)
                                        : qsTr("Package %1").arg(badge.estimator.sizeText))
                          : ""
        color: badge.over ? LWTheme.danger : LWTheme.textDim
        opacity: badge.estimator && badge.estimator.measuring ? 0.6 : 1.0
        font.pixelSize: LWTheme.smallSize
    }

    MouseArea {
        id: hover
        anchors.fill: parent
        hoverEnabled: true
    }
    ToolTip.visible: hover.containsMouse
    ToolTip.delay: 400
    ToolTip.text: qsTr("Size of the exported effect package. Packages over 5 MB cannot be published.")
}
