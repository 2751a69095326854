import "../chat" as Shared

// The shared DocumentView.
Shared.DocumentView {}
