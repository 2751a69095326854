import "../chat" as Shared

// The shared EmojisView.
Shared.EmojisView {}
