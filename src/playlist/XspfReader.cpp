#include "playlist/XspfReader.h"

#include "base/StringUtil.h"
#include "base/TextEncoding.h"
#include "playlist/XmlPullReader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

namespace vantor {

namespace {

constexpr std::array<std::string_view, 3> kTrackPath{"playlist", "trackList", "track"};

bool IsTrackPath(const std::vector<std::string_view>& open) {
    return open.size() == kTrackPath.size() &&
           std::equal(open.begin(), open.end(), kTrackPath.begin());
}

// The field of the track the text belongs to, when the innermost open
// element is one of the track's own children.
std::string_view TrackField(const std::vector<std::string_view>& open) {
    if (open.size() != kTrackPath.size() + 1 ||
        !std::equal(kTrackPath.begin(), kTrackPath.end(), open.begin()))
        return {};
    return open.back();
}

double DurationMs(std::string_view text) {
    const auto digits = TrimWhitespace(text);
    std::uint64_t ms = 0;
    const auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), ms);
    return parsed.ec == std::errc() ? static_cast<double>(ms) : 0;
}

// The texts of one track's fields, gathered while its element is open (a
// field's text may come in pieces around comments and CDATA sections).
struct TrackTexts {
    std::string location;
    std::string title;
    std::string duration;
    bool haveLocation = false;

    void Add(std::string_view field, const std::string& text) {
        if (field == "location" && !haveLocation)
            location += text;
        else if (field == "title")
            title += text;
        else if (field == "duration")
            duration += text;
    }
    void EndField(std::string_view field) {
        if (field == "location" && !TrimWhitespace(location).empty())
            haveLocation = true;
    }
    ListedTrack Track() const {
        ListedTrack track;
        track.location = std::string(TrimWhitespace(location));
        track.form = LocationForm::UriReference;
        track.title = ReplaceInvalidUtf8(TrimWhitespace(title));
        track.lengthMs = DurationMs(duration);
        return track;
    }
};

} // namespace

bool ReadXspfText(std::string_view bytes, const TrackSink& take) {
    XmlPullReader xml(bytes);
    TrackTexts texts;
    while (true) {
        switch (xml.Next()) {
        case XmlPullReader::Event::StartElement:
            if (IsTrackPath(xml.OpenElements()))
                texts = TrackTexts{};
            break;
        case XmlPullReader::Event::Text:
            texts.Add(TrackField(xml.OpenElements()), xml.Text());
            break;
        case XmlPullReader::Event::EndElement:
            if (IsTrackPath(xml.OpenElements()) && texts.haveLocation)
                take(texts.Track());
            else
                texts.EndField(TrackField(xml.OpenElements()));
            break;
        case XmlPullReader::Event::End:
            return true;
        case XmlPullReader::Event::Error:
            return false;
        }
    }
}

} // namespace vantor
