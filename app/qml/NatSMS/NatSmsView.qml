import QtQuick 2.9
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.3
import VxRecover 1.0

// The conversation pane of the message view: the recipients line, then the
// messages of smsModelObj, one loaded row per time stamp or message.
Rectangle {
    id: pane
    color: "white"

    Rectangle {
        id: titleBar
        anchors.left: parent.left
        anchors.right: parent.right
        height: 50
        color: "#F7F7F7"
        Accessible.role: Accessible.Heading
        Accessible.name: smsModelObj.title

        Text {
            anchors.fill: parent
            anchors.leftMargin: 20
            anchors.rightMargin: 20
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            wrapMode: Text.WrapAnywhere
            textFormat: Text.PlainText
            font.pixelSize: 16
            color: "#333333"
            text: smsModelObj.title
            Accessible.ignored: true
        }
    }

    ListView {
        id: messageList
        objectName: "messageList"
        anchors.top: titleBar.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 10
        height: Math.max(0, pane.height - titleBar.height - 40)
        cacheBuffer: 40
        clip: true
        spacing: 10
        model: smsModelObj
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {
            minimumSize: 0.15
        }
        Accessible.role: Accessible.List
        Accessible.name: qsTranslate("QObject", "Messages")

        delegate: Loader {
            id: row
            readonly property real listWidth: messageList.width
            readonly property bool sentByMe: model.alignment === Qt.AlignRight
            x: sentByMe && item ? messageList.width - item.width : 0
            source: {
                switch (model.messageType) {
                case SmsModel.MSG_Timestamp: return "NatTimestampView.qml"
                case SmsModel.MSG_Text: return "NatMessageView.qml"
                case SmsModel.MSG_Image: return "NatImageView.qml"
                case SmsModel.MSG_Video: return "NatVideoView.qml"
                case SmsModel.MSG_Document: return "NatDocumentView.qml"
                default: return ""
                }
            }
        }
    }
}
