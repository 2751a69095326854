import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12

// The conversation pane the LINE and WhatsApp documents share: the title bar
// above the list of rows. Each row is loaded from the messenger's own
// component (componentFor); the loader hands it the row's values (row).
// End jumps to the last row, Home to the first.
Item {
    id: pane
    property var chatModel
    property bool isLine: false
    // The component file of a row, relative to the messenger's folder.
    property var componentFor: function (type, exists) { return "" }
    property bool modelEnabled: chatModel ? chatModel.isEnabled() : false

    Connections {
        target: pane.chatModel
        function onTitleChanged(text) { title.text = text }
        function onTitleVisibleChanged(visible) { title.shown = visible }
        function onVisibleTitle(on) { title.shown = on }
        function onScanOver() { pane.modelEnabled = pane.chatModel.isEnabled() }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        TitleView {
            id: title
            property bool shown: true
            objectName: "titleBar"
            visible: shown
            text: pane.chatModel ? pane.chatModel.title : ""
            Layout.fillWidth: true
            Layout.preferredHeight: shown ? 50 : 0
        }

        ListView {
            id: messageList
            objectName: "messageList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.margins: 10
            verticalLayoutDirection: ListView.TopToBottom
            clip: true
            spacing: 1
            cacheBuffer: 400
            focus: true
            boundsBehavior: Flickable.StopAtBounds
            model: pane.chatModel
            ScrollBar.vertical: ScrollBar {
                minimumSize: 0.20
            }
            Accessible.role: Accessible.List
            Accessible.name: qsTranslate("QObject", "Messages")

            // After End the list stays at its end while rows still load.
            property bool stickToEnd: false
            onMovementStarted: stickToEnd = false
            onContentHeightChanged: if (stickToEnd) positionViewAtEnd()

            Keys.onPressed: {
                if (event.key === Qt.Key_End) {
                    pane.chatModel.loadAll()
                    messageList.positionViewAtEnd()
                    stickToEnd = true
                    event.accepted = true
                } else if (event.key === Qt.Key_Home) {
                    stickToEnd = false
                    messageList.positionViewAtBeginning()
                    event.accepted = true
                }
            }

            // Each row holds its loader. Until the row's component is made
            // it takes room for one, so the list never fills a screen with
            // rows of no height.
            delegate: Item {
                id: slot
                width: messageList.width
                height: row.item ? row.item.height : 40

                Loader {
                    id: row
                    asynchronous: true
                    readonly property real prop_viewWidth: messageList.width
                    readonly property int messageType: model.messageType
                    readonly property string message: model.message
                    readonly property string sender: model.sender
                    readonly property bool sentByMe: model.alignment === Qt.AlignRight
                    readonly property string localPath: model.localPath
                    readonly property string thumbnailPath: model.thumbnailPath
                    readonly property string dataSize: model.attachmentSize
                    readonly property int sendState: model.sendState
                    readonly property string sendStatusImg: pane.isLine ? "" : model.sendstatusImg
                    readonly property bool exists: pane.isLine ? model.isExits : model.isExist
                    readonly property bool deleted: model.isDeleted
                    readonly property bool quote: model.isQuote
                    readonly property string mediaDuration: model.mediaDuration
                    readonly property string rowId: model.sourceRowId
                    readonly property string caption: model.mediaCaption
                    readonly property bool hasCaption: model.isMediaCaption
                    readonly property string mediaName: model.mediaName
                    readonly property bool isGif: pane.isLine ? false : model.isGif
                    readonly property bool callType: model.callType
                    readonly property bool isGroupMessage: pane.isLine ? model.isGroupMessage : false
                    readonly property string plainText: model.plainText
                    readonly property url imageSource: model.imageSource
                    readonly property string plainMediaName: model.plainMediaName
                    readonly property string shortMessage: model.shortMessage
                    readonly property var chatModel: pane.chatModel
                    readonly property bool isLine: pane.isLine
                    readonly property bool modelEnabled: pane.modelEnabled
                    x: sentByMe && item ? slot.width - item.width : 0
                    source: pane.componentFor(messageType, exists)
                }
            }
        }
    }
}
