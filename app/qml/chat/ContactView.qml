import QtQuick 2.12

// A contact card: its icon and name over the caption "Contact Card".
ChatBubble {
    id: contact
    readonly property string caption: qsTranslate("QObject", "Contact Card")
    bubbleWidth: 220
    contentHeight: 100
    accessibleText: caption + " " + row.plainText
    onIconPressed: row.chatModel.exportFile(row.localPath, row.plainMediaName)
    onClicked: row.chatModel.tryToUse()

    Image {
        id: icon
        x: 10
        y: 8
        width: 50
        height: 50
        sourceSize: Qt.size(50, 50)
        source: "qrc:/Images/wa/messgae/content.png"
    }

    Text {
        x: 70
        anchors.verticalCenter: icon.verticalCenter
        width: contact.bubbleWidth - 80
        elide: Text.ElideRight
        textFormat: Text.StyledText
        font.pixelSize: 14
        color: row.quote ? "#A0A0A0" : "#333333"
        text: row.message
        Accessible.ignored: true
    }

    Rectangle {
        id: rule
        y: contact.contentHeight - (row.isLine ? 35 : 45) + 5
        width: contact.bubbleWidth
        height: 1
        color: "white"
    }

    Text {
        x: 10
        anchors.top: rule.bottom
        anchors.bottom: parent.bottom
        verticalAlignment: Text.AlignVCenter
        textFormat: Text.PlainText
        font.pixelSize: 12
        color: "#C1C5D1"
        text: contact.caption
        Accessible.ignored: true
    }
}
