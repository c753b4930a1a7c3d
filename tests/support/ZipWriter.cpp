#include "ZipWriter.h"

#include <stdexcept>
#include <zlib.h>

namespace vantor::test {

namespace {

Bytes RawDeflate(const Bytes& input) {
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2 failed");
    Bytes output(deflateBound(&stream, static_cast<uLong>(input.size())));
    stream.next_in = const_cast<Bytef*>(input.data());
    stream.avail_in = static_cast<uInt>(input.size());
    stream.next_out = output.data();
    stream.avail_out = static_cast<uInt>(output.size());
    const int result = deflate(&stream, Z_FINISH);
    output.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        throw std::runtime_error("deflate failed");
    return output;
}

std::uint32_t Crc(const Bytes& data) {
    return static_cast<std::uint32_t>(crc32(0, data.data(), static_cast<uInt>(data.size())));
}

} // namespace

ZipBuild ZipArchive(const std::vector<ZipEntrySpec>& entries, bool centralDirectory) {
    ZipBuild build;
    ByteBuilder zip;
    ByteBuilder central;
    for (const auto& entry : entries) {
        const Bytes stored = entry.deflate ? RawDeflate(entry.data) : entry.data;
        const auto offset = static_cast<std::uint32_t>(zip.Size());
        const std::uint32_t flags = entry.dataDescriptor ? 8 : 0;
        const std::uint32_t method = entry.deflate ? 8 : 0;
        const std::uint32_t crc = Crc(entry.data);
        const auto known = [&](std::uint32_t value) { return entry.dataDescriptor ? 0u : value; };
        zip.Text("PK\x03\x04")
            .U16LE(20)
            .U16LE(flags)
            .U16LE(method)
            .U16LE(0)
            .U16LE(0x21)
            .U32LE(known(crc))
            .U32LE(known(static_cast<std::uint32_t>(stored.size())))
            .U32LE(known(static_cast<std::uint32_t>(entry.data.size())))
            .U16LE(static_cast<std::uint32_t>(entry.name.size()))
            .U16LE(0)
            .Text(entry.name);
        build.dataStarts.push_back(zip.Size());
        build.dataSizes.push_back(stored.size());
        zip.Append(stored);
        if (entry.dataDescriptor) {
            zip.Text("PK\x07\x08")
                .U32LE(crc)
                .U32LE(static_cast<std::uint32_t>(stored.size()))
                .U32LE(static_cast<std::uint32_t>(entry.data.size()));
        }
        central.Text("PK\x01\x02")
            .U16LE(20)
            .U16LE(20)
            .U16LE(flags)
            .U16LE(method)
            .U16LE(0)
            .U16LE(0x21)
            .U32LE(crc)
            .U32LE(static_cast<std::uint32_t>(stored.size()))
            .U32LE(static_cast<std::uint32_t>(entry.data.size()))
            .U16LE(static_cast<std::uint32_t>(entry.name.size()))
            .U16LE(0)
            .U16LE(0)
            .U16LE(0)
            .U16LE(0)
            .U32LE(0)
            .U32LE(offset)
            .Text(entry.name);
    }
    if (centralDirectory) {
        const auto centralStart = static_cast<std::uint32_t>(zip.Size());
        zip.Append(central.Get());
        zip.Text("PK\x05\x06")
            .U16LE(0)
            .U16LE(0)
            .U16LE(static_cast<std::uint32_t>(entries.size()))
            .U16LE(static_cast<std::uint32_t>(entries.size()))
            .U32LE(static_cast<std::uint32_t>(central.Size()))
            .U32LE(centralStart)
            .U16LE(0);
    }
    build.bytes = zip.Take();
    return build;
}

} // namespace vantor::test
