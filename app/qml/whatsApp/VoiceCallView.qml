import "../chat" as Shared

// The shared VoiceCallView.
Shared.VoiceCallView {}
