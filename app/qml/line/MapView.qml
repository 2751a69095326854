import "../chat" as Shared

// The shared MapView.
Shared.MapView {}
