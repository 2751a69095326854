import "../chat" as Shared

// The shared VideoView.
Shared.VideoView {}
