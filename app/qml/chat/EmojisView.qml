import QtQuick 2.12

// A LINE sticker, which the backup does not hold: the sticker mark.
Item {
    id: sticker
    width: 90
    height: sender.height + square.height + 8

    Text {
        id: sender
        visible: !row.sentByMe && row.sender !== ""
        y: 4
        height: visible ? implicitHeight + 2 : 0
        width: Math.min(implicitWidth, row.prop_viewWidth * 3 / 4)
        elide: Text.ElideMiddle
        textFormat: Text.PlainText
        font.pixelSize: 12
        color: "#848484"
        text: row.sender
    }

    Rectangle {
        id: square
        y: sender.height + 4
        width: 90
        height: 90
        radius: 8
        color: "#F2F2F2"
        Accessible.role: Accessible.StaticText
        Accessible.name: row.plainText !== "" ? row.plainText : qsTranslate("QObject", "[Emojis]")

        Image {
            anchors.centerIn: parent
            width: 62
            height: 62
            sourceSize: Qt.size(62, 62)
            source: "qrc:/Images/wa/messgae/emojis_invalid.png"
        }
    }
}
