import QtQuick 2.9

// A text message: its bubble (blue border for an iMessage), the subject in
// bold above the text, links that open in the browser, and the copy icon.
Item {
    id: message
    readonly property bool sentByMe: row.sentByMe
    readonly property bool unsent: sentByMe && model.sendState === 4
    readonly property real maxWidth: 0.65 * row.listWidth
    readonly property color textColour: model.isDeleted ? "#e73e28" : "#333333"

    width: bubble.width + 40
    height: bubble.height + (unsent ? unsentLabel.height : 0)

    Rectangle {
        id: bubble
        x: message.sentByMe ? 40 : 0
        width: Math.min(Math.max(body.width + 24, subject.visible ? subject.implicitWidth + 12 : 0), message.maxWidth)
        height: body.height + 24 + (subject.visible ? subject.height : 0)
        radius: 8
        color: "#F7F7F7"
        border.color: model.isSMS ? "#F7F7F7" : "#558AF8"
        Accessible.role: Accessible.StaticText
        Accessible.name: model.sourceMessage

        Text {
            id: subject
            visible: model.subject !== ""
            x: 12
            y: 5
            width: bubble.width - 12
            wrapMode: Text.Wrap
            textFormat: Text.StyledText
            font.pixelSize: 16
            font.bold: true
            color: message.textColour
            text: model.subject
            Accessible.ignored: true
        }

        Text {
            id: body
            x: 12
            y: 12 + (subject.visible ? subject.height : 0)
            width: Math.min(implicitWidth, message.maxWidth - 24)
            wrapMode: Text.Wrap
            textFormat: Text.StyledText
            linkColor: "blue"
            font.pixelSize: 16
            color: message.textColour
            text: model.message
            onLinkActivated: smsModelObj.openLink(link)
            Accessible.ignored: true

            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.NoButton
                cursorShape: body.hoveredLink !== "" ? Qt.PointingHandCursor : Qt.ArrowCursor
            }
        }
    }

    Image {
        id: copyIcon
        x: message.sentByMe ? 0 : bubble.width + 10
        anchors.verticalCenter: bubble.verticalCenter
        width: 28
        height: 28
        source: "qrc:/Images/native/copy.png"
        opacity: copyArea.pressed ? 0.6 : 1
        enabled: smsModelObj.enabled
        Accessible.role: Accessible.Button
        Accessible.name: qsTranslate("QObject", "Copy")
        Accessible.onPressAction: if (enabled) smsModelObj.tryToUse("copy-message", model.sourceMessage)

        MouseArea {
            id: copyArea
            anchors.fill: parent
            cursorShape: enabled ? Qt.PointingHandCursor : Qt.ArrowCursor
            onClicked: smsModelObj.tryToUse("copy-message", model.sourceMessage)
        }
    }

    Text {
        id: unsentLabel
        visible: message.unsent
        anchors.top: bubble.bottom
        anchors.right: bubble.right
        textFormat: Text.PlainText
        font.pixelSize: 14
        color: "#e73e28"
        text: qsTranslate("QObject", "Unsent")
    }
}
