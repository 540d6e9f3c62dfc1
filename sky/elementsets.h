#pragma once

#include "elements.h"

#include <optional>
#include <string>
#include <string_view>

namespace sky {

// What the epoch and the predicted minima of an element set are counted in: Julian Days of the
// instant seen at the Earth's centre, or heliocentric Julian Days (the instant the light would
// reach the Sun). Both on UTC.
enum class TimeReference { Geocentric, Heliocentric };

enum class ElementSetKind { Current, Classic, Custom };

struct ElementSet
{
    ElementSetKind kind = ElementSetKind::Current;
    ephemeris::Elements elements;
    TimeReference reference = TimeReference::Heliocentric;
};

// Min I = HJD 2455528.105 + 2.867326 E (the O-C gateway's linear elements for beta Persei).
ElementSet currentElements();
// The main window's elements, JD 2441598.608 + 2.867315 E, used as they are (no correction).
ElementSet classicElements();

// "current", "classic" or "EPOCH:PERIOD[:hjd|jd]" (decimal numbers with "."; heliocentric when the
// suffix is left out). The epoch must lie between JD 2000000 and 2600000 and the period between
// 0.5 and 10 days. Empty on anything else.
std::optional<ElementSet> parseElementSet(std::string_view text);

// How far a predicted minimum at jdUtc may be from the real one, in minutes: 15 for the current
// elements within 2015-2030, growing outside; for the classic elements their distance from the
// current prediction plus that. Empty for custom elements (unknown).
std::optional<double> uncertaintyMinutes(const ElementSet &set, double jdUtc);

// Whether the current elements are used outside 2000-2040, where they are extrapolated.
bool isExtrapolated(const ElementSet &set, double jdUtc);

} // namespace sky
