#include "core/ReplayGainFactor.h"

#include <cmath>

namespace vantor {

float ReplayGainFactor(const ReplayGainTags& tags, const ReplayGainChoice& choice) {
    if (choice.mode == ReplayGainMode::Off)
        return 1.0f;
    const bool albumKnown = choice.mode == ReplayGainMode::Album && tags.albumGainDb.has_value();
    const std::optional<double> gainDb = albumKnown ? tags.albumGainDb : tags.trackGainDb;
    if (!gainDb)
        return 1.0f;
    // An album gain is safe only against the album's peak; a track's peak
    // stands in where the album's is missing.
    const std::optional<double> peak =
        albumKnown && tags.albumPeak ? tags.albumPeak : tags.trackPeak;
    double factor = std::pow(10.0, (*gainDb + choice.preampDb) / 20.0);
    if (peak && *peak * factor > 1.0)
        factor = 1.0 / *peak;
    return static_cast<float>(factor);
}

} // namespace vantor
