#pragma once

// Makes the widget kit ready: registers its images and style sheets (":/Images/...",
// ":/CSS/...") from the static library and installs the accessibility factory of
// its painted controls. Idempotent; main() and every widget test call it first,
// after the QApplication exists.
void initWidgetKit();
