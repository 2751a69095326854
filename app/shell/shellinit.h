#pragma once

// Makes the shell's resources ready (the translations, ":/translations/…")
// and gives the export the device connection service's current device as
// the device to copy from; idempotent. main and every shell test call it
// after initWidgetKit().
void initShell();
