#include "api/event_catalogue.h"

#include <algorithm>
#include <iterator>

namespace qx {
namespace {

#define QX_EVENT_ENTRY(name, ...) events::name,
constexpr EventKind kCatalogue[] = {QX_EVENT_LIST(QX_EVENT_ENTRY)};
#undef QX_EVENT_ENTRY

constexpr bool before(const EventKind& a, const EventKind& b) {
  return a.event_class != b.event_class ? a.event_class < b.event_class : a.code < b.code;
}

// The lookup below searches by halves: the rows must stay in order, and no
// class and code may be written twice.
constexpr bool strictly_ordered() {
  for (size_t i = 1; i < std::size(kCatalogue); ++i)
    if (!before(kCatalogue[i - 1], kCatalogue[i])) return false;
  return true;
}
static_assert(strictly_ordered(), "event rows out of class and code order, or written twice");

}  // namespace

std::span<const EventKind> event_catalogue() { return kCatalogue; }

const EventKind* find_event(uint16_t event_class, uint16_t code) {
  const EventKind key{event_class, code, 0, nullptr};
  const EventKind* at = std::lower_bound(std::begin(kCatalogue), std::end(kCatalogue), key, before);
  if (at == std::end(kCatalogue) || at->event_class != event_class || at->code != code) return nullptr;
  return at;
}

}  // namespace qx
