import QtQuick 2.12

// An audio file: its icon and name.
ChatBubble {
    id: audio
    bubbleWidth: row.prop_viewWidth * 0.5
    contentHeight: Math.max(name.height, 40) + 20
    onIconPressed: row.chatModel.exportFile(row.localPath, row.plainMediaName)
    onDoubleClicked: row.chatModel.tryToUse()

    Image {
        id: icon
        x: 10
        y: 10
        width: 40
        height: 40
        sourceSize: Qt.size(40, 40)
        source: row.isLine ? "qrc:/Images/wa/message/audio.png" : "qrc:/Images/wa/messgae/audio.png"
    }

    Text {
        id: name
        x: 60
        anchors.verticalCenter: icon.verticalCenter
        width: audio.bubbleWidth - 70
        wrapMode: Text.WrapAnywhere
        textFormat: Text.StyledText
        font.pixelSize: 14
        color: row.quote ? "#A0A0A0" : "#333333"
        text: row.message
        Accessible.ignored: true
    }
}
