#pragma once

#include <cstddef>
#include <string>

typedef struct evp_md_ctx_st EVP_MD_CTX;

// SHA-1 over bytes, as lowercase hexadecimal text: the backup file id of a
// "domain-relativePath" key. OpenSSL does the hashing.
class CSHA1
{
public:
    CSHA1();
    ~CSHA1();
    CSHA1(const CSHA1 &) = delete;
    CSHA1 &operator=(const CSHA1 &) = delete;

    void Update(const void *data, size_t length);
    void Update(const std::string &bytes) { Update(bytes.data(), bytes.size()); }
    // Ends the digest and starts over; 40 lowercase hex digits.
    std::string HexDigest();

    static std::string Hex(const std::string &bytes);

private:
    EVP_MD_CTX *m_context;
};
