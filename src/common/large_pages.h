#pragma once
// Arrays of millions of records (the elements of a long alignment) are written
// into fresh memory, and the system then stops at every page of it to give it
// one: tens of thousands of stops for a million elements. Where the system offers
// large pages, a large reserved array asks for them, and its memory arrives in a
// few hundred pieces instead. The memory used still follows what is written: a
// large page is given only when the array reaches it.

#include <cstddef>
#include <vector>

namespace LargePages {

// Below this the stops cost nothing worth a call to the system.
inline constexpr std::size_t kMinimumBytes = std::size_t{8} << 20;

// Asks for large pages behind the whole pages of [data, data + bytes); does nothing
// for a smaller range or where the system has no such request. The bytes are
// neither read nor changed.
void Advise(void* data, std::size_t bytes);

// Reserves room for `count` elements in all and advises large pages behind it.
template <class T>
void Reserve(std::vector<T>& v, std::size_t count) {
    v.reserve(count);
    Advise(v.data(), v.capacity() * sizeof(T));
}

}  // namespace LargePages
