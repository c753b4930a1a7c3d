#include "OggWriter.h"

#include <algorithm>
#include <utility>

namespace vantor::test {

namespace {

void Lacing(std::size_t size, ByteBuilder& table) {
    while (size >= 255) {
        table.U8(255);
        size -= 255;
    }
    table.U8(static_cast<std::uint32_t>(size));
}

// A page of the stream: its header, its segment table and its data.
Bytes PageOf(std::uint32_t serial, std::uint32_t sequence, std::uint8_t type,
             const ByteBuilder& table, const ByteBuilder& body) {
    ByteBuilder page;
    page.Text("OggS").U8(0).U8(type).U64LE(0).U32LE(serial).U32LE(sequence).U32LE(0);
    page.U8(static_cast<std::uint32_t>(table.Size())).Append(table.Get()).Append(body.Get());
    return page.Take();
}

// Whole packets on one page.
Bytes Page(std::uint32_t serial, std::uint32_t sequence, std::uint8_t type,
           const std::vector<Bytes>& packets) {
    ByteBuilder table;
    ByteBuilder body;
    for (const auto& packet : packets) {
        Lacing(packet.size(), table);
        body.Append(packet);
    }
    return PageOf(serial, sequence, type, table, body);
}

// Lays `packets` out on as many pages as their segments need (255 a page);
// a page that starts inside a packet is marked as continuing it.
Bytes Pages(std::uint32_t serial, std::uint32_t& sequence, const std::vector<Bytes>& packets) {
    std::vector<std::pair<std::size_t, const std::uint8_t*>> segments;
    for (const auto& packet : packets) {
        std::size_t at = 0;
        for (; packet.size() - at >= 255; at += 255)
            segments.emplace_back(255, packet.data() + at);
        segments.emplace_back(packet.size() - at, packet.data() + at);
    }
    ByteBuilder stream;
    bool continued = false;
    for (std::size_t first = 0; first < segments.size(); first += 255) {
        const std::size_t last = std::min(segments.size(), first + 255);
        ByteBuilder table;
        ByteBuilder body;
        for (std::size_t i = first; i < last; ++i) {
            table.U8(static_cast<std::uint32_t>(segments[i].first));
            body.Append(Bytes(segments[i].second, segments[i].second + segments[i].first));
        }
        stream.Append(PageOf(serial, sequence++, continued ? 1 : 0, table, body));
        continued = segments[last - 1].first == 255;
    }
    return stream.Take();
}

} // namespace

Bytes OggVorbisStream(const VorbisStreamSpec& spec) {
    ByteBuilder identification;
    identification.U8(1)
        .Text("vorbis")
        .U32LE(0)
        .U8(spec.channels)
        .U32LE(spec.sampleRate)
        .U32LE(static_cast<std::uint32_t>(spec.upperBitrate))
        .U32LE(static_cast<std::uint32_t>(spec.nominalBitrate))
        .U32LE(static_cast<std::uint32_t>(spec.lowerBitrate))
        .U8(0xB8)
        .U8(1);
    ByteBuilder comment;
    comment.U8(3)
        .Text("vorbis")
        .U32LE(static_cast<std::uint32_t>(spec.vendor.size()))
        .Text(spec.vendor);
    comment.U32LE(static_cast<std::uint32_t>(spec.comments.size()));
    for (const auto& text : spec.comments)
        comment.U32LE(static_cast<std::uint32_t>(text.size())).Text(text);
    comment.U8(1);
    ByteBuilder setup;
    setup.U8(5).Text("vorbis").Fill(16, 0x42);

    ByteBuilder stream;
    stream.Append(Page(spec.serial, 0, 2, {identification.Take()}));
    std::uint32_t sequence = 1;
    stream.Append(Pages(spec.serial, sequence, {comment.Take(), setup.Take()}));
    for (const std::size_t size : spec.dataPages) {
        std::vector<Bytes> packets;
        for (std::size_t left = size; left > 0;) {
            const std::size_t part = std::min<std::size_t>(left, 4000);
            packets.push_back(Bytes(part, 0x55));
            left -= part;
        }
        stream.Append(Page(spec.serial, sequence++, 0, packets));
    }
    return stream.Take();
}

} // namespace vantor::test
