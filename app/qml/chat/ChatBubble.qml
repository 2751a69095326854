import QtQuick 2.12

// The frame every message bubble of the LINE and WhatsApp panes shares: the
// sender above others' messages, the quote line, the rounded bubble holding
// the row's own content, the export (or copy) icon beside it and, under the
// owner's messages, the send state: WhatsApp's picture, LINE's words.
// The row's values come from the pane's loader (row).
Item {
    id: frame
    property real bubbleWidth: 200
    property real contentHeight: 50
    property color bubbleColour: "#F2F2F2"
    property color borderColour: row.deleted ? "#F44848" : "transparent"
    property bool clickable: true
    property bool showSender: !row.sentByMe && !row.quote
    // The icon beside the bubble; none when empty.
    property string iconSource: "qrc:/Images/native/export.png"
    property string iconName: qsTranslate("QObject", "Export")
    property string accessibleText: row.plainText
    default property alias content: body.data
    readonly property bool hovered: bubbleArea.containsMouse

    signal iconPressed()
    signal clicked()
    signal doubleClicked()

    readonly property bool hasIcon: iconSource !== ""
    readonly property real side: hasIcon ? (row.isLine ? 40 : 50) : 0
    readonly property bool showStateImage: !row.isLine && row.sentByMe && !row.quote && row.sendStatusImg !== ""
    readonly property string lineState: row.isLine && row.sentByMe
                                        ? (row.sendState === 2 ? qsTranslate("QObject", "Failed to send")
                                                               : row.sendState === 4 ? qsTranslate("QObject", "Unsent") : "")
                                        : ""

    width: bubble.width + side
    height: senderLabel.height + bubble.height + stateText.height + 8

    Text {
        id: senderLabel
        visible: frame.showSender && row.sender !== ""
        y: 4
        x: frame.side > 0 && row.sentByMe ? frame.side : 0
        height: visible ? implicitHeight + 2 : 0
        width: Math.min(implicitWidth, row.prop_viewWidth * 3 / 4)
        elide: Text.ElideMiddle
        textFormat: Text.PlainText
        font.pixelSize: 12
        color: "#848484"
        text: row.sender
    }

    Rectangle {
        id: bubble
        y: senderLabel.height + 4
        x: row.sentByMe ? frame.side : 0
        width: frame.bubbleWidth
        height: quoteLabel.height + frame.contentHeight
        radius: 8
        color: frame.hovered ? "#E6E6E6" : frame.bubbleColour
        border.color: frame.borderColour
        Accessible.role: Accessible.StaticText
        Accessible.name: frame.accessibleText

        Text {
            id: quoteLabel
            visible: row.quote
            x: 12
            y: visible ? 6 : 0
            width: bubble.width - 24
            height: visible ? implicitHeight + 6 : 0
            wrapMode: Text.WrapAnywhere
            textFormat: Text.PlainText
            font.pixelSize: 12
            color: "#A0A0A0"
            text: qsTranslate("QObject", "Quote:") + "\n" + row.sender
            Accessible.ignored: true
        }

        Item {
            id: body
            y: quoteLabel.height
            width: bubble.width
            height: frame.contentHeight
        }

        MouseArea {
            id: bubbleArea
            anchors.fill: parent
            hoverEnabled: true
            enabled: row.modelEnabled
            acceptedButtons: frame.clickable ? Qt.LeftButton : Qt.NoButton
            onClicked: frame.clicked()
            onDoubleClicked: frame.doubleClicked()
        }
    }

    Image {
        id: stateImage
        visible: frame.showStateImage && status === Image.Ready
        x: frame.side - width - 4
        y: bubble.y + bubble.height - height
        width: 15
        height: 15
        sourceSize: Qt.size(22, 22)
        source: frame.showStateImage ? row.sendStatusImg : ""
    }

    Image {
        id: icon
        visible: frame.hasIcon
        x: row.sentByMe ? 2 : bubble.width + 10
        anchors.verticalCenter: bubble.verticalCenter
        width: 28
        height: 28
        sourceSize: Qt.size(28, 28)
        source: frame.iconSource
        opacity: iconArea.pressed ? 0.6 : 1
        enabled: row.modelEnabled
        Accessible.role: Accessible.Button
        Accessible.name: frame.iconName
        Accessible.onPressAction: if (enabled) frame.iconPressed()

        MouseArea {
            id: iconArea
            anchors.fill: parent
            enabled: row.modelEnabled
            cursorShape: enabled ? Qt.PointingHandCursor : Qt.ArrowCursor
            onClicked: frame.iconPressed()
        }
    }

    Text {
        id: stateText
        visible: frame.lineState !== ""
        anchors.top: bubble.bottom
        anchors.right: bubble.right
        height: visible ? implicitHeight : 0
        textFormat: Text.PlainText
        font.pixelSize: 12
        color: "#F44848"
        text: frame.lineState
    }
}
