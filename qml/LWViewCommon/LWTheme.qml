pragma Singleton
import QtQuick 2.15

// Palette and metrics shared by every window, named by what they are for.
// Geometry that belongs to one drawing (an icon, the colour spectrum, the
// face picture, a window's own size) stays with that drawing.
QtObject {
    // --- surfaces
    readonly property color window: "#1e1f24"
    readonly property color panel: "#26282e"
    readonly property color panelRaised: "#2f323a"
    readonly property color sectionHeader: "#2b2d34"
    readonly property color field: "#1a1b20"
    readonly property color fieldBorder: "#3a3d46"
    readonly property color fieldHover: "#4a4e59"
    readonly property color line: "#3a3d46"
    // dims the editor under the onboarding tour
    readonly property color scrim: "#99000000"
    // the light card a QR code is printed on
    readonly property color paper: "#ffffff"

    // --- text
    readonly property color text: "#e8e9ee"
    readonly property color textDim: "#9a9daa"
    // placeholders and footnotes
    readonly property color textFaint: "#6d7080"
    readonly property color textOnAccent: "#1e1f24"
    readonly property color textOnPaper: "#555866"

    // --- accent
    readonly property color accent: "#ff7a45"
    readonly property color accentHover: "#ff8c5c"
    readonly property color accentPressed: "#e5662f"
    readonly property color accentDim: "#b3552f"
    // the light end of the brand mark's gradient
    readonly property color accentLight: "#ffb08a"
    // a chosen row on a dark list
    readonly property color accentWash: "#3a2a22"
    // selected tree rows, and the row being dragged
    readonly property color selection: Qt.rgba(1, 0.48, 0.27, 0.22)
    readonly property color dragShadow: Qt.rgba(1, 0.48, 0.27, 0.35)

    // --- states
    readonly property color danger: "#e5534b"
    readonly property color dangerBanner: "#3a2226"
    readonly property color dangerBadge: Qt.rgba(danger.r, danger.g, danger.b, 0.18)
    readonly property color success: "#3fb37f"
    readonly property color successBanner: "#23332a"

    // --- marks drawn over pictures and colours
    readonly property color checkMark: "#ffffff"
    // the fill of handles and markers drawn over the scene
    readonly property color markerFill: "#ffffff"
    // behind images with transparency
    readonly property color checkerDark: "#23252b"
    readonly property color checkerLight: "#2a2c33"
    // behind a translucent colour swatch
    readonly property color swatchCheckerDark: "#bbbbbb"
    readonly property color swatchCheckerLight: "#ffffff"

    // --- type sizes
    readonly property int tinySize: 10
    readonly property int captionSize: 11
    readonly property int smallSize: 12
    readonly property int fontSize: 13
    readonly property int largeSize: 14
    readonly property int headingSize: 15
    readonly property int dialogTitleSize: 16
    readonly property int titleSize: 22
    // one-character labels: the zoom buttons, the panel arrows
    readonly property int glyphSize: 16
    readonly property int largeGlyphSize: 18
    // a number shown as the main fact of a panel
    readonly property int figureSize: 18
    // the stand-in glyph of a template tile without a picture
    readonly property int tileGlyphSize: 40

    // --- controls
    readonly property int controlHeight: 22
    // controls inside an inspector row
    readonly property int compactControlHeight: 20
    readonly property int miniControlHeight: 18
    readonly property int headerButtonHeight: 24
    // dialog and toolbar buttons
    readonly property int largeButtonHeight: 28
    readonly property int largeButtonWidth: 86
    readonly property int toolButtonSize: 28
    // the "+" beside a drop-down
    readonly property int glyphButtonWidth: 22
    readonly property int buttonMinWidth: 24
    readonly property int buttonPadding: 16
    readonly property int badgeHeight: 24
    readonly property int numberFieldWidth: 64
    readonly property int valueFieldWidth: 96
    readonly property int rangeFieldWidth: 58
    readonly property int checkSize: 16
    readonly property int iconSize: 16
    // icons are drawn from twice their size, for sharp edges
    readonly property int iconSourceSize: 32
    // Image previews (wells, picture grids) decode their pictures at most this large.
    readonly property int previewSourceSize: 512
    readonly property int thumbnailSize: 28
    readonly property int comboRowHeight: 24
    readonly property int comboThumbnailRowHeight: 36
    readonly property int comboPopupWidth: 160
    readonly property int popupMaxHeight: 300
    readonly property int sliderTrack: 4
    readonly property int sliderHandle: 12
    readonly property int menuItemHeight: 28
    readonly property int menuWidth: 200
    readonly property int menuPadding: 4
    // sign-in, upload and update windows
    readonly property int onlineControlHeight: 36
    readonly property int onlineButtonWidth: 112
    readonly property int onlineButtonPadding: 36
    readonly property int onlineHeaderHeight: 64
    readonly property int onlineMarkSize: 28
    readonly property int footerHeight: 68
    readonly property int bannerHeight: 40
    readonly property int tabHeight: 40

    // --- panels, rows and sections
    readonly property int toolbarHeight: 44
    readonly property int panelHeaderHeight: 34
    readonly property int rowHeight: 32
    readonly property int compactRowHeight: 26
    readonly property int treeRowHeight: 30
    readonly property int treeIndent: 16
    readonly property int sectionHeaderHeight: 44
    readonly property int subsectionHeaderHeight: 36
    readonly property int listHeaderHeight: 28
    readonly property int captionHeight: 18
    readonly property int labelWidth: 80
    // an inspector document shown without a panel around it
    readonly property int inspectorWidth: 320
    readonly property int rowMargin: 12

    // --- lines and markers
    readonly property int hairline: 1
    // the current row's edge, a tab's underline, a drop position
    readonly property int markerWidth: 2
    readonly property int tabMarkerWidth: 3
    // how far a small target reaches past its drawing
    readonly property int hitSlop: 4
    readonly property int hitSlopLarge: 6

    // --- corners
    readonly property int radiusFine: 2
    readonly property int radiusControl: 3
    readonly property int radius: 4
    readonly property int radiusDialog: 6
    readonly property int radiusCard: 8
    readonly property int radiusTile: 10
    readonly property int radiusLarge: 12

    // --- spacing, margins and padding
    readonly property int spacingTiny: 2
    readonly property int spacingCompact: 4
    readonly property int spacingSmall: 6
    readonly property int spacing: 8
    readonly property int spacingMedium: 10
    readonly property int spacingLarge: 12
    readonly property int spacingWide: 14
    readonly property int spacingLoose: 16
    readonly property int spacingSection: 18
    readonly property int dialogPadding: 20
    readonly property int pageMargin: 24
    // from an online window's header to its content
    readonly property int contentTopMargin: 28
}
