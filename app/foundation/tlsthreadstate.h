#pragma once

// OpenSSL keeps state for each thread that used it (its error queue, its
// random generator) and frees it only when that thread ends. A thread of a
// shared pool ends when the process exits, and then its freeing can overlap
// OpenSSL's own clean-up of the same state at exit: a double free. Work that
// ran TLS or other OpenSSL code on a pool thread calls this last, on that
// thread, so that the thread keeps nothing of OpenSSL's when it is done.
void releaseThreadTlsState();
