#pragma once

#include <string_view>

namespace timing {

// Whether a star's name in an observation file is Algol's: Algol, bet Per, beta Per, β Per (Per
// or Persei), HD 19356, HR 936 or HIP 14576, in any case (Β for β too) and with any blanks, or
// none, between the words.
bool isAlgolName(std::string_view name);

} // namespace timing
