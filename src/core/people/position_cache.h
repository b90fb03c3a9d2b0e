#pragma once
// A person's positions per step, POSITION_NONE where not computed yet. Steps are kept in
// pages that exist only once a position on them is stored, so a long show (or a damaged
// file claiming one) costs memory only for the steps actually played or drawn.
#include <array>
#include <cstddef>
#include <memory>
#include <vector>

#include "core/util/types.h"

namespace px {

class PositionCache {
 public:
  static constexpr size_t kPageSize = 256;

  // Assignment through an index stores into the page, creating it when needed.
  class Entry {
   public:
    Entry(PositionCache& cache, size_t index) : m_cache(cache), m_index(index) {}
    operator CPoint() const { return m_cache.Get(m_index); }
    Entry& operator=(CPoint p) {
      m_cache.Set(m_index, p);
      return *this;
    }
    Entry& operator=(const Entry& other) { return *this = static_cast<CPoint>(other); }

   private:
    PositionCache& m_cache;
    size_t m_index;
  };

  size_t size() const { return m_size; }
  bool empty() const { return m_size == 0; }
  void clear() {
    m_size = 0;
    m_pages.clear();
  }
  // Grows (or shrinks) the number of steps; new steps are not computed.
  void resize(size_t size) {
    m_size = size;
    m_pages.resize((size + kPageSize - 1) / kPageSize);
  }
  void assign(size_t size, CPoint value) {
    clear();
    resize(size);
    for (size_t i = 0; i < size; ++i) Set(i, value);
  }

  CPoint Get(size_t index) const {
    if (index >= m_size) return POSITION_NONE;
    const auto& page = m_pages[index / kPageSize];
    return page ? (*page)[index % kPageSize] : POSITION_NONE;
  }
  // Stores a position; indices beyond the size are ignored.
  void Set(size_t index, CPoint p) {
    if (index >= m_size) return;
    auto& page = m_pages[index / kPageSize];
    if (!page) {
      if (p == POSITION_NONE) return;
      page = std::make_unique<Page>();
      page->fill(POSITION_NONE);
    }
    (*page)[index % kPageSize] = p;
  }
  // Forgets the positions of steps from..to inclusive.
  void Invalidate(size_t from, size_t to) {
    for (size_t i = from; i <= to && i < m_size; ++i) {
      auto& page = m_pages[i / kPageSize];
      if (!page) {
        i = (i / kPageSize + 1) * kPageSize - 1;  // a missing page holds nothing to forget
        continue;
      }
      (*page)[i % kPageSize] = POSITION_NONE;
    }
  }

  // How many pages hold positions (the memory the cache really takes).
  size_t PagesInUse() const {
    size_t n = 0;
    for (const auto& page : m_pages) n += page != nullptr;
    return n;
  }

  CPoint operator[](size_t index) const { return Get(index); }
  Entry operator[](size_t index) { return Entry(*this, index); }

 private:
  using Page = std::array<CPoint, kPageSize>;
  size_t m_size = 0;
  std::vector<std::unique_ptr<Page>> m_pages;
};

}  // namespace px
