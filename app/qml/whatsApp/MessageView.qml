import "../chat" as Shared

// The shared MessageView.
Shared.MessageView {}
