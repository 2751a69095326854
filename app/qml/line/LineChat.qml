import QtQuick 2.12
import VxLineRecover 1.0
import "../chat" as Shared

// The LINE view's conversation pane, over LineModelObj.
Shared.ChatPane {
    chatModel: LineModelObj
    isLine: true
    componentFor: function (type, exists) {
        var name = ""
        switch (type) {
        case LineChatModel.MSG_Timestamp: name = "TimestampView.qml"; break
        case LineChatModel.MSG_Text: name = "MessageView.qml"; break
        case LineChatModel.MSG_Image: name = exists ? "ImageView.qml" : "ExistView.qml"; break
        case LineChatModel.MSG_Video: name = exists ? "VideoView.qml" : "ExistView.qml"; break
        case LineChatModel.MSG_Audio: name = exists ? "AudioView.qml" : "ExistView.qml"; break
        case LineChatModel.MSG_Voice: name = exists ? "VoiceView.qml" : "ExistView.qml"; break
        case LineChatModel.MSG_VoiceCall: name = "VoiceCallView.qml"; break
        case LineChatModel.MSG_Document: name = exists ? "DocumentView.qml" : "ExistView.qml"; break
        case LineChatModel.MSG_ContactCard: name = exists ? "ContactView.qml" : "ExistView.qml"; break
        case LineChatModel.MSG_Location: name = "MapView.qml"; break
        case LineChatModel.MSG_SystemMessages: name = "SysView.qml"; break
        case LineChatModel.MSG_Unsent: name = "UnsentView.qml"; break
        case LineChatModel.MSG_Emojis: name = "EmojisView.qml"; break
        }
        // Beside this document, not beside the shared pane.
        return name === "" ? "" : Qt.resolvedUrl(name)
    }
}
