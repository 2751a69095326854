import QtQuick 2.9

// Any other attachment: a card with the file's icon, its name and size, and
// the export icon. A double click tells that the file must be exported to be
// viewed.
Item {
    id: document
    readonly property bool sentByMe: row.sentByMe
    readonly property bool unsent: sentByMe && model.sendState === 4
    readonly property color textColour: model.isDeleted ? "#e73e28" : "#333333"
    readonly property url logo: "qrc:/Images/app_logo_128_gray.png"

    width: box.width + 40
    height: box.height + (unsent ? unsentLabel.height : 0)

    Rectangle {
        id: box
        x: document.sentByMe ? 40 : 0
        width: 0.5 * row.listWidth
        height: name.height + size.height + 30
        radius: 8
        color: boxArea.containsMouse ? "#E6E6E6" : "#F7F7F7"
        border.color: model.isDeleted ? "#e73e28" : "#F7F7F7"
        Accessible.role: Accessible.StaticText
        Accessible.name: model.plainText

        Image {
            x: 10
            y: 10
            width: 36
            height: 36
            asynchronous: true
            sourceSize: Qt.size(36, 36)
            source: model.thumbnailUrl.toString() !== "" ? model.thumbnailUrl : document.logo
            onStatusChanged: if (status === Image.Error) source = document.logo
        }

        Text {
            id: name
            x: 56
            y: 10
            width: box.width - 70
            wrapMode: Text.WrapAnywhere
            textFormat: Text.StyledText
            font.pixelSize: 16
            color: document.textColour
            text: model.message
            Accessible.ignored: true
        }

        Text {
            id: size
            anchors.top: name.bottom
            anchors.topMargin: 10
            x: 56
            width: box.width - 70
            horizontalAlignment: Text.AlignLeft
            textFormat: Text.StyledText
            font.pixelSize: 14
            color: document.textColour
            text: model.attachmentSize
            Accessible.ignored: true
        }

        MouseArea {
            id: boxArea
            anchors.fill: parent
            hoverEnabled: true
            enabled: smsModelObj.enabled
            onDoubleClicked: smsModelObj.tryToUse()
        }
    }

    Image {
        x: document.sentByMe ? 0 : box.width + 10
        anchors.verticalCenter: box.verticalCenter
        width: 28
        height: 28
        asynchronous: true
        source: "qrc:/Images/native/export.png"
        opacity: exportArea.pressed ? 0.6 : 1
        enabled: smsModelObj.enabled
        Accessible.role: Accessible.Button
        Accessible.name: qsTranslate("QObject", "Export")
        Accessible.onPressAction: if (enabled) smsModelObj.exportFile(model.localPath, model.plainText)

        MouseArea {
            id: exportArea
            anchors.fill: parent
            cursorShape: enabled ? Qt.PointingHandCursor : Qt.ArrowCursor
            onClicked: smsModelObj.exportFile(model.localPath, model.plainText)
        }
    }

    Text {
        id: unsentLabel
        visible: document.unsent
        anchors.top: box.bottom
        anchors.right: box.right
        textFormat: Text.PlainText
        font.pixelSize: 14
        color: "#e73e28"
        text: qsTranslate("QObject", "Unsent")
    }
}
