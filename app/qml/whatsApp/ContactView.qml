import "../chat" as Shared

// The shared ContactView.
Shared.ContactView {}
