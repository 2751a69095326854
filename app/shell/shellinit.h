#pragma once

// Makes the shell's resources ready (the translations, ":/translations/…");
// idempotent. main and every shell test call it after initWidgetKit().
void initShell();
