#pragma once

// Registers the chat page templates (":/SDK/sdk/html/message.html",
// "waMessage.html", "lineMessage.html") with the resource system; the
// library is static, so its resources need this before the first read.
// Idempotent.
void initChatPageResources();
