#pragma once

// The pause between two tries of a listener's subscription: 3 s, or
// QUENROW_QUORLIN_RETRY_MS milliseconds when set (tests shorten it).
void QuorlinRetryPause();
