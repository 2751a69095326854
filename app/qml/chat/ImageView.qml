import QtQuick 2.12

// A picture: its thumbnail from the pane's image provider and its caption.
ChatBubble {
    id: picture
    bubbleWidth: 200
    bubbleColour: "#F7F7F7"
    borderColour: row.deleted ? "#e73e28" : bubbleColour
    contentHeight: thumbnail.height + 20 + (caption.visible ? caption.height + 6 : 0)
    onIconPressed: row.chatModel.exportFile(row.localPath, row.plainMediaName)
    onClicked: row.chatModel.tryToUse()

    Image {
        id: thumbnail
        objectName: "thumbnail"
        x: 10
        y: 10
        width: 120
        height: 120
        asynchronous: true
        fillMode: Image.PreserveAspectFit
        sourceSize: Qt.size(120, 120)
        source: row.imageSource
    }

    Text {
        id: caption
        visible: row.hasCaption
        x: 10
        anchors.top: thumbnail.bottom
        anchors.topMargin: 6
        width: picture.bubbleWidth - 20
        wrapMode: Text.WrapAnywhere
        textFormat: Text.StyledText
        font.pixelSize: 12
        color: "#333333"
        text: row.caption
        Accessible.ignored: true
    }
}
