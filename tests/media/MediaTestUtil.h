// Small helpers shared by the media tests.
#pragma once

#include "base/TextEncoding.h"
#include "support/ByteBuilder.h"

#include <span>
#include <string>

namespace vantor::test {

inline std::span<const std::uint8_t> AsSpan(const Bytes& bytes) {
    return bytes;
}

// Sets the legacy code page for one test and puts the previous one back.
class ScopedCodePage {
public:
    explicit ScopedCodePage(int codePage) : m_previous(LegacyCodePage()) {
        SetLegacyCodePage(codePage);
    }
    ~ScopedCodePage() { SetLegacyCodePage(m_previous); }
    ScopedCodePage(const ScopedCodePage&) = delete;
    ScopedCodePage& operator=(const ScopedCodePage&) = delete;

private:
    int m_previous;
};

} // namespace vantor::test
