import "../chat" as Shared

// The shared UnsentView.
Shared.UnsentView {}
