#pragma once

#include <QString>

// Whether the program can reach the internet now. Each call waits in a local
// event loop, so the caller's timers and painting go on meanwhile; callers
// must not call them again from a slot that runs during the wait.

// A GET of the cloud service's web root (QUENROW_REACHABILITY_URL) finished
// without a network error within 5 s.
bool isNetworkReachable();
bool isInternetConnected();
// Some interface that is up and not a loop-back has an address other than
// 0.0.0.0 and 127.0.0.1.
bool hasActiveNetworkInterface();
// The reply finished without an error and with a body before the time-out.
bool httpGetHasBody(const QString &url, int timeoutMs);
// A TLS handshake with QUENROW_TLS_PROBE_HOST ("host:port") within 5 s.
bool tlsProbe();
bool tlsProbeInBackground();
