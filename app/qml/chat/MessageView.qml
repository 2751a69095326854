import QtQuick 2.12

// A text message: links open in the browser (web addresses only), a text
// longer than 1500 characters shows its start and "Read more", the copy
// icon copies the text as it was sent.
ChatBubble {
    id: message
    readonly property bool isLong: row.chatModel.getStringLenth(row.plainText) > 1500
    property bool expanded: false
    readonly property real maxWidth: row.prop_viewWidth * 0.65

    bubbleWidth: Math.min(Math.max(body.implicitWidth, more.visible ? more.implicitWidth : 0) + 24, maxWidth)
    contentHeight: body.height + (more.visible ? more.height : 0) + 20
    clickable: false
    borderColour: "transparent"
    iconSource: "qrc:/Images/native/copy.png"
    iconName: qsTranslate("QObject", "Copy")
    onIconPressed: row.chatModel.tryToUse("copy-message", row.rowId)

    Text {
        id: body
        x: 12
        y: 10
        width: message.bubbleWidth - 24
        wrapMode: Text.Wrap
        textFormat: Text.StyledText
        linkColor: "blue"
        font.pixelSize: 14
        color: row.quote ? "#A0A0A0" : row.deleted ? "#F44848" : "#000"
        text: message.isLong && !message.expanded ? row.shortMessage : row.message
        onLinkActivated: row.chatModel.openUrl(link)
        Accessible.ignored: true

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.NoButton
            cursorShape: body.hoveredLink !== "" ? Qt.PointingHandCursor : Qt.ArrowCursor
        }
    }

    Text {
        id: more
        objectName: "readMore"
        visible: message.isLong && !message.expanded
        x: 12
        anchors.top: body.bottom
        height: visible ? implicitHeight : 0
        textFormat: Text.PlainText
        font.pixelSize: 14
        color: "#558AF8"
        text: qsTranslate("QObject", "Read more")
        Accessible.role: Accessible.Button
        Accessible.name: text
        Accessible.onPressAction: message.expanded = true

        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: message.expanded = true
        }
    }
}
