import QtQuick 2.12

// The chat's title bar: its "To: " line, which scrolls when long.
Rectangle {
    id: bar
    property string text
    color: "#F7F7F7"
    Accessible.role: Accessible.Heading
    Accessible.name: text

    Flickable {
        id: flick
        anchors.fill: parent
        anchors.margins: 5
        clip: true
        contentHeight: label.height
        boundsBehavior: Flickable.StopAtBounds

        Text {
            id: label
            width: flick.width
            height: Math.max(implicitHeight, flick.height)
            verticalAlignment: Text.AlignVCenter
            padding: 5
            wrapMode: Text.Wrap
            textFormat: Text.PlainText
            font.pixelSize: 14
            color: "#333333"
            text: bar.text
            Accessible.ignored: true
        }
    }
}
