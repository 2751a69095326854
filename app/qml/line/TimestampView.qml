import "../chat" as Shared

// The shared TimestampView.
Shared.TimestampView {}
