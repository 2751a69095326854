import QtQuick 2.12

// A file the backup does not hold: the hint to download it first. The
// unsent rows show their own text the same way.
ChatBubble {
    id: missing
    property string sentence: qsTranslate("QObject", "Before restoring data, please download the file first!")
    bubbleWidth: Math.max(205, Math.min(label.implicitWidth + 56, row.prop_viewWidth * 0.65))
    contentHeight: Math.max(label.height, 22) + 20
    iconSource: ""
    accessibleText: sentence

    Image {
        id: warning
        x: 12
        y: 10
        width: 22
        height: 22
        sourceSize: Qt.size(22, 22)
        source: "qrc:/Images/wa/gray_warning.png"
    }

    Text {
        id: label
        x: 42
        y: 12
        width: missing.bubbleWidth - 54
        wrapMode: Text.Wrap
        textFormat: Text.PlainText
        font.pixelSize: 14
        color: row.quote ? "#848484" : "#999999"
        text: missing.sentence
        Accessible.ignored: true
    }
}
