#pragma once

#include <optional>
#include <string_view>

// The key column of a language file line: an optional sign, digits and an optional
// decimal fraction, with blanks around it allowed. A fraction is rounded half to even
// (12.5 gives 12, 13.5 gives 14). Magnitudes past a billion come back as plus or minus
// one billion, far outside any table. Anything else is no number.
std::optional<long long> ParseTextKey(std::string_view field);
