import "../chat" as Shared

// The shared ImageView.
Shared.ImageView {}
