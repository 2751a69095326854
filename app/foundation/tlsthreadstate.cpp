#include "tlsthreadstate.h"

#include <openssl/crypto.h>

void releaseThreadTlsState()
{
    // Frees what this thread holds; OpenSSL sets it up again when the
    // thread uses it once more.
    OPENSSL_thread_stop();
}
