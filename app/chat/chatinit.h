#pragma once

// Makes the chat views ready: registers their QML documents
// ("qrc:/qml/..."), their QML types ("VxRecover", "VxLineRecover" and
// "VxWaRecover" 1.0) and the accessibility factory of QQuickWidget.
// Idempotent; the pages' registration and the chat tests call it once the
// QApplication exists, and each chat view does too.
void initChat();
