import QtQuick 2.12

// A voice note: the voice mark and its length.
ChatBubble {
    bubbleWidth: 160
    contentHeight: 50
    onIconPressed: row.chatModel.exportFile(row.localPath, row.plainMediaName)
    onClicked: row.chatModel.tryToUse()

    Image {
        id: icon
        x: 12
        y: 9
        width: 32
        height: 32
        sourceSize: Qt.size(32, 32)
        source: row.sentByMe ? "qrc:/Images/wa/messgae/voice-left.png" : "qrc:/Images/wa/messgae/voice-right.png"
    }

    Text {
        x: 54
        anchors.verticalCenter: icon.verticalCenter
        textFormat: Text.PlainText
        font.pixelSize: 14
        color: row.quote ? "#A0A0A0" : "#333333"
        text: row.mediaDuration
        Accessible.ignored: true
    }
}
