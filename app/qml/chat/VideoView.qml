import QtQuick 2.12

// A video: its still from the pane's image provider under a play (or GIF)
// mark, and its caption.
ImageView {
    Image {
        objectName: "overlay"
        x: 10 + (120 - 48) / 2
        y: 10 + (120 - 48) / 2
        width: 48
        height: 48
        sourceSize: Qt.size(48, 48)
        source: row.isGif ? "qrc:/Images/wa/messgae/gif.png" : "qrc:/Images/wa/messgae/play.png"
    }
}
