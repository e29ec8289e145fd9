import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// A three-page introduction shown over the editor until the author has
// finished or skipped it once.
Item {
    id: tour
    visible: false
    signal finished()
    signal nextClicked()
    property bool skipped: false

    property int page: 0
    readonly property var pages: [
        { title: qsTr("Add effects"), text: qsTr("Use + in the effect list to add stickers, makeup, filters, hair colour or person cut-out.") },
        { title: qsTr("Place and tune"), text: qsTr("Select an effect to place it on the face in the middle and tune it on the right.") },
        { title: qsTr("Try and share"), text: qsTr("Sync to Phone previews the effect on a phone; Upload sends it for review.") }
    ]

    function start() {
        page = 0
        skipped = false
        visible = true
    }
    function end() {
        visible = false
        finished()
    }

    Rectangle {
        anchors.fill: parent
        color: LWTheme.scrim
        MouseArea { anchors.fill: parent }
    }
    Rectangle {
        anchors.centerIn: parent
        width: 420
        height: 220
        radius: LWTheme.radiusCard
        color: LWTheme.panel
        border.color: LWTheme.accent
        Column {
            anchors.fill: parent
            anchors.margins: 22
            spacing: LWTheme.spacingLarge
            Text {
                text: tour.pages[tour.page].title
                color: LWTheme.text
                font.pixelSize: LWTheme.titleSize
                font.bold: true
            }
            Text {
                width: parent.width
                text: tour.pages[tour.page].text
                color: LWTheme.textDim
                font.pixelSize: LWTheme.largeSize
                wrapMode: Text.WordWrap
            }
        }
        Row {
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: LWTheme.spacingSection
            spacing: LWTheme.spacingMedium
            LWButton {
                text: qsTr("Click to pass")
                height: LWTheme.largeButtonHeight
                onClicked: {
                    tour.skipped = true
                    tour.end()
                }
            }
            LWButton {
                text: tour.page + 1 < tour.pages.length ? qsTr("Next") : qsTr("Finish")
                highlighted: true
                width: LWTheme.largeButtonWidth
                height: LWTheme.largeButtonHeight
                onClicked: {
                    if (tour.page + 1 < tour.pages.length) {
                        tour.page += 1
                        tour.nextClicked()
                    }
                    else
                        tour.end()
                }
            }
        }
        Text {
            anchors.left: parent.left
            anchors.bottom: parent.bottom
            anchors.margins: 22
            text: (tour.page + 1) + " / " + tour.pages.length
            color: LWTheme.textDim
            font.pixelSize: LWTheme.smallSize
        }
    }
}
