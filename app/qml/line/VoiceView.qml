import "../chat" as Shared

// The shared VoiceView.
Shared.VoiceView {}
