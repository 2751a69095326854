import "../chat" as Shared

// The shared AudioView.
Shared.AudioView {}
