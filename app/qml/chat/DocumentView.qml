import QtQuick 2.12

// A document: its icon, name and size.
ChatBubble {
    id: document
    bubbleWidth: Math.max(row.prop_viewWidth * 0.4, 160)
    contentHeight: Math.max(name.height + size.height + 4, 40) + 20
    onIconPressed: row.chatModel.exportFile(row.localPath, row.plainMediaName)
    onDoubleClicked: row.chatModel.tryToUse()

    Image {
        id: icon
        x: 10
        y: 10
        width: 40
        height: 40
        sourceSize: Qt.size(40, 40)
        source: "qrc:/Images/wa/messgae/word.png"
    }

    Text {
        id: name
        x: 60
        y: 10
        width: document.bubbleWidth - 70
        wrapMode: Text.WrapAnywhere
        textFormat: Text.StyledText
        font.pixelSize: 14
        color: row.quote ? "#A0A0A0" : "#333333"
        text: row.message
        Accessible.ignored: true
    }

    Text {
        id: size
        x: 60
        anchors.top: name.bottom
        anchors.topMargin: 4
        textFormat: Text.StyledText
        font.pixelSize: 12
        color: "#999999"
        text: row.dataSize
        Accessible.ignored: true
    }
}
