import "../chat" as Shared

// The shared SysView.
Shared.SysView {}
