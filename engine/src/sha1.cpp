#include "sha1.h"

#include <openssl/evp.h>

CSHA1::CSHA1()
    : m_context(EVP_MD_CTX_new())
{
    if (m_context)
        EVP_DigestInit_ex(m_context, EVP_sha1(), nullptr);
}

CSHA1::~CSHA1()
{
    EVP_MD_CTX_free(m_context);
}

void CSHA1::Update(const void *data, size_t length)
{
    if (m_context && length > 0)
        EVP_DigestUpdate(m_context, data, length);
}

std::string CSHA1::HexDigest()
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!m_context || EVP_DigestFinal_ex(m_context, digest, &length) != 1)
        return {};
    EVP_DigestInit_ex(m_context, EVP_sha1(), nullptr);
    static const char hexDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(length * 2);
    for (unsigned int i = 0; i < length; ++i) {
        hex += hexDigits[digest[i] >> 4];
        hex += hexDigits[digest[i] & 0xF];
    }
    return hex;
}

std::string CSHA1::Hex(const std::string &bytes)
{
    CSHA1 sha1;
    sha1.Update(bytes);
    return sha1.HexDigest();
}
