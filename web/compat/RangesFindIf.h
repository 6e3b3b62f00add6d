// std::ranges::find_if, which the libc++ of Debian's emscripten 3.1.6 lacks (libc++ 14 has no
// range algorithms yet). The browser build includes this header in the settings layer, which
// uses it, only where the check in web/CMakeLists.txt finds it missing. It takes a whole range
// and a predicate, as the layer calls it.
#pragma once

#include <algorithm>
#include <iterator>

namespace std::ranges {

template <typename Range, typename Predicate> auto find_if(Range&& range, Predicate predicate) {
    return std::find_if(std::begin(range), std::end(range), predicate);
}

} // namespace std::ranges
