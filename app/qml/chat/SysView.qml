import QtQuick 2.12

// A system event of the chat, centred across the pane.
Item {
    width: row.prop_viewWidth
    height: Math.max(label.height, 32)

    Text {
        id: label
        anchors.centerIn: parent
        width: Math.min(implicitWidth, row.prop_viewWidth)
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        textFormat: Text.StyledText
        font.pixelSize: 12
        color: "#C1C1C1"
        text: row.message
        Accessible.role: Accessible.StaticText
        Accessible.name: row.plainText
    }
}
