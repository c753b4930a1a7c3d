// A small cache of values made on demand, dropping the least recently used
// when full. The cache owns its values; a reference it returns stays valid
// until a later call makes a new value. Not thread-safe; one thread uses it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <list>
#include <utility>

namespace vantor {

template <typename Key, typename Value>
class LruCache {
public:
    explicit LruCache(std::size_t capacity) : m_capacity(std::max<std::size_t>(capacity, 1)) {}

    // The value kept for `key`, made by `make()` when there is none.
    template <typename Make>
    Value& GetOrMake(const Key& key, Make&& make) {
        // The caches hold a few dozen entries at most: a linear search beats
        // hashing the long keys, and the list keeps the order of use.
        const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                        [&key](const auto& entry) { return entry.first == key; });
        if (found != m_entries.end()) {
            m_entries.splice(m_entries.begin(), m_entries, found);
            return m_entries.front().second;
        }
        m_entries.emplace_front(key, std::forward<Make>(make)());
        if (m_entries.size() > m_capacity)
            m_entries.pop_back();
        return m_entries.front().second;
    }

    std::size_t Size() const { return m_entries.size(); }

private:
    std::size_t m_capacity;
    std::list<std::pair<Key, Value>> m_entries; // most recently used first
};

} // namespace vantor
