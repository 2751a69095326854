import QtQuick 2.12

// A shared location: a map picture and the place's text.
ChatBubble {
    id: map
    bubbleWidth: 244
    contentHeight: picture.height + place.height + 26
    iconSource: ""

    Image {
        id: picture
        x: 10
        y: 10
        width: 224
        height: 112
        fillMode: Image.PreserveAspectCrop
        source: "qrc:/Images/wa/messgae/test_map.png"
    }

    Text {
        id: place
        x: 10
        anchors.top: picture.bottom
        anchors.topMargin: 6
        width: map.bubbleWidth - 20
        wrapMode: Text.WrapAnywhere
        textFormat: Text.StyledText
        font.pixelSize: 14
        color: row.quote ? "#A0A0A0" : "#333333"
        text: row.message
        Accessible.ignored: true
    }
}
