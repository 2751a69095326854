import QtQuick 2.12

// A call, centred across the pane: its kind's mark and its text. LINE names
// who called when it was someone else.
Item {
    id: call
    readonly property string callText: row.message !== "" ? row.message : row.mediaDuration
    readonly property bool showSender: row.isLine && !row.sentByMe && row.sender !== ""
    width: row.prop_viewWidth
    height: sender.height + box.height + 8

    Text {
        id: sender
        visible: call.showSender
        anchors.horizontalCenter: parent.horizontalCenter
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
        id: box
        anchors.horizontalCenter: parent.horizontalCenter
        y: sender.height + 4
        width: Math.max(180, label.implicitWidth + 60)
        height: 38
        radius: 8
        color: "#F9F9F9"
        Accessible.role: Accessible.StaticText
        Accessible.name: row.plainText

        Image {
            id: icon
            x: 12
            anchors.verticalCenter: parent.verticalCenter
            width: 28
            height: 28
            sourceSize: Qt.size(28, 28)
            source: row.callType ? "qrc:/Images/wa/messgae/video_call.png" : "qrc:/Images/wa/messgae/voice_call.png"
        }

        Text {
            id: label
            x: 48
            anchors.verticalCenter: parent.verticalCenter
            width: box.width - 58
            elide: Text.ElideRight
            textFormat: row.message !== "" ? Text.StyledText : Text.PlainText
            font.pixelSize: 12
            color: "#C1C1C1"
            text: call.callText
            Accessible.ignored: true
        }
    }
}
