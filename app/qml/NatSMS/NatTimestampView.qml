import QtQuick 2.9

// A time stamp above a message, centred in the list.
Item {
    width: row.listWidth
    height: stamp.height

    Rectangle {
        anchors.centerIn: stamp
        width: stamp.width + 5
        height: stamp.height
        radius: 5
        color: "#F9F9F9"
        Accessible.role: Accessible.StaticText
        Accessible.name: model.plainText
    }

    Text {
        id: stamp
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(implicitWidth, row.listWidth)
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WrapAnywhere
        textFormat: Text.PlainText
        font.pixelSize: 14
        color: "#333333"
        text: model.message
        Accessible.ignored: true
    }
}
