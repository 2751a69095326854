import QtQuick 2.12
import VxWaRecover 1.0
import "../chat" as Shared

// The WhatsApp view's conversation pane, over WaModelObj.
Shared.ChatPane {
    chatModel: WaModelObj
    componentFor: function (type, exists) {
        var name = ""
        switch (type) {
        case WaChatModel.MSG_Timestamp: name = "TimestampView.qml"; break
        case WaChatModel.MSG_Text: name = "MessageView.qml"; break
        case WaChatModel.MSG_Image: name = exists ? "ImageView.qml" : "ExistView.qml"; break
        case WaChatModel.MSG_Video: name = exists ? "VideoView.qml" : "ExistView.qml"; break
        case WaChatModel.MSG_Audio: name = exists ? "AudioView.qml" : "ExistView.qml"; break
        case WaChatModel.MSG_Voice: name = exists ? "VoiceView.qml" : "ExistView.qml"; break
        case WaChatModel.MSG_VoiceCall: name = "VoiceCallView.qml"; break
        case WaChatModel.MSG_Document: name = exists ? "DocumentView.qml" : "ExistView.qml"; break
        case WaChatModel.MSG_ContactCard: name = exists ? "ContactView.qml" : "ExistView.qml"; break
        case WaChatModel.MSG_Location: name = "MapView.qml"; break
        case WaChatModel.MSG_SystemMessages: name = "SysView.qml"; break
        case WaChatModel.MSG_Unsent: name = "UnsentView.qml"; break
        }
        // Beside this document, not beside the shared pane.
        return name === "" ? "" : Qt.resolvedUrl(name)
    }
}
