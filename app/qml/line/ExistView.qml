import "../chat" as Shared

// The shared ExistView.
Shared.ExistView {}
