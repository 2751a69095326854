import QtQuick 2.12

// A message's time, centred above it.
Item {
    width: row.prop_viewWidth
    height: stamp.height + 12

    Rectangle {
        anchors.centerIn: stamp
        width: stamp.width + 10
        height: stamp.height + 4
        radius: 5
        color: "#F9F9F9"
        Accessible.role: Accessible.StaticText
        Accessible.name: row.plainText
    }

    Text {
        id: stamp
        anchors.centerIn: parent
        width: Math.min(implicitWidth, row.prop_viewWidth)
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WrapAnywhere
        textFormat: Text.StyledText
        font.pixelSize: 12
        color: "#C1C1C1"
        text: row.message
        Accessible.ignored: true
    }
}
