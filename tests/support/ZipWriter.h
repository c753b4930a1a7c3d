// Builds ZIP archives with stored or deflated members (real deflate through
// zlib), optionally with data descriptors or without a central directory.
#pragma once

#include "ByteBuilder.h"

#include <string>
#include <vector>

namespace vantor::test {

struct ZipEntrySpec {
    std::string name{};
    Bytes data{};
    bool deflate = false;
    // Sets flag bit 3 and writes a data descriptor after the data.
    bool dataDescriptor = false;
};

struct ZipBuild {
    Bytes bytes{};
    // Offset of each entry's first data byte.
    std::vector<std::size_t> dataStarts{};
    // Size of each entry's stored data.
    std::vector<std::size_t> dataSizes{};
};

ZipBuild ZipArchive(const std::vector<ZipEntrySpec>& entries, bool centralDirectory = true);

} // namespace vantor::test
