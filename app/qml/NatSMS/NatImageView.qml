import QtQuick 2.9

// A picture: its thumbnail, loaded in the background at 200 x 200 at most
// (the grey logo when it is missing or cannot be read), and the export icon.
Item {
    id: picture
    readonly property bool sentByMe: row.sentByMe
    readonly property bool unsent: sentByMe && model.sendState === 4
    readonly property real maxWidth: 0.65 * row.listWidth
    readonly property url logo: "qrc:/Images/app_logo_128_gray.png"

    width: box.width + 40
    height: box.height + (unsent ? unsentLabel.height : 0)

    Rectangle {
        id: box
        x: picture.sentByMe ? 40 : 0
        width: Math.min(thumbnail.width + 20, picture.maxWidth)
        height: thumbnail.height + 20
        radius: 8
        color: boxArea.containsMouse ? "#E6E6E6" : "#F7F7F7"
        border.color: model.isDeleted ? "#e73e28" : "#F7F7F7"
        Accessible.role: Accessible.StaticText
        Accessible.name: model.plainText

        Image {
            id: thumbnail
            objectName: "thumbnail"
            anchors.centerIn: parent
            asynchronous: true
            sourceSize: Qt.size(200, 200)
            fillMode: Image.Stretch
            width: Math.min(implicitWidth, picture.maxWidth - 20)
            height: implicitWidth > 0 ? implicitHeight * width / implicitWidth : 0
            source: model.thumbnailUrl.toString() !== "" ? model.thumbnailUrl : picture.logo
            opacity: boxArea.pressed ? 0.6 : 1
            onStatusChanged: if (status === Image.Error) source = picture.logo
        }

        MouseArea {
            id: boxArea
            anchors.fill: parent
            hoverEnabled: true
            enabled: smsModelObj.enabled
            onClicked: smsModelObj.tryToUse()
        }
    }

    Image {
        x: picture.sentByMe ? 0 : box.width + 10
        anchors.verticalCenter: box.verticalCenter
        width: 28
        height: 28
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
        visible: picture.unsent
        anchors.top: box.bottom
        anchors.right: box.right
        textFormat: Text.PlainText
        font.pixelSize: 14
        color: "#e73e28"
        text: qsTranslate("QObject", "Unsent")
    }
}
