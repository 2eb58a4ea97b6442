#include "api/event_formats.h"

#include <algorithm>
#include <iterator>

#include "api/event_catalogue.h"

namespace qx {
namespace {

using enum EventArg;

#define QX_EVENT_ARGS_OF(...) __VA_ARGS__
#define QX_EVENT_OWN_FORMAT(name, cls, code, severity, format, args) \
  EventFormat{QX_EVT_CLASS_##cls, code, EventSelector::kOtherwise, 0, format, format_args(format, {QX_EVENT_ARGS_OF args})},
#define QX_EVENT_VARIANT_FORMAT(name, selector, value, format, args) \
  EventFormat{events::name.event_class, events::name.code, EventSelector::selector, value, format,      \
              format_args(format, {QX_EVENT_ARGS_OF args})},
constexpr EventFormat kUnordered[] = {QX_EVENT_LIST(QX_EVENT_OWN_FORMAT) QX_EVENT_VARIANT_LIST(QX_EVENT_VARIANT_FORMAT)};
#undef QX_EVENT_VARIANT_FORMAT
#undef QX_EVENT_OWN_FORMAT
#undef QX_EVENT_ARGS_OF

constexpr bool before(const EventFormat& a, const EventFormat& b) {
  if (a.event_class != b.event_class) return a.event_class < b.event_class;
  if (a.code != b.code) return a.code < b.code;
  return a.selector < b.selector;
}

constexpr auto kFormats = [] {
  std::array<EventFormat, std::size(kUnordered)> sorted{};
  std::copy(std::begin(kUnordered), std::end(kUnordered), sorted.begin());
  std::sort(sorted.begin(), sorted.end(), before);
  return sorted;
}();

constexpr bool every_format_matches_its_args() {
  for (const EventFormat& f : kFormats)
    if (!format_matches_args(f.format, f.args)) return false;
  return true;
}
static_assert(every_format_matches_its_args(), "an event format's conversions do not match its arguments");

// A code has one format of its own; a variant belongs to a catalogued code.
constexpr bool one_own_format_per_code() {
  for (size_t i = 0; i < kFormats.size(); ++i) {
    const bool last_of_code = i + 1 == kFormats.size() || kFormats[i + 1].event_class != kFormats[i].event_class ||
                              kFormats[i + 1].code != kFormats[i].code;
    if (last_of_code != (kFormats[i].selector == EventSelector::kOtherwise)) return false;
  }
  return true;
}
static_assert(one_own_format_per_code(), "an event code without its own format, or with two");

bool selects(const EventFormat& f, const QX_EVENT& r) {
  switch (f.selector) {
    case EventSelector::kParam3Is:
      return r.params[3] == f.value;
    case EventSelector::kParam3NonZero:
      return r.params[3] != 0;
    case EventSelector::kParam0NonZero:
      return r.params[0] != 0;
    case EventSelector::kSenseGiven:
      return r.sense_length != 0;
    case EventSelector::kOtherwise:
      return true;
  }
  return false;
}

constexpr EventFormat unknown(uint16_t event_class, const char* format, std::initializer_list<EventArg> args) {
  EventArgs list;
  for (EventArg arg : args) list.add(arg);
  return EventFormat{event_class, 0, EventSelector::kOtherwise, 0, format, list};
}

// Per class: the text for a code the catalogue lacks. Classes without codes
// name themselves in theirs.
constexpr EventFormat kUnknownCodes[] = {
    unknown(QX_EVT_CLASS_ADAPTER, "Unknown adapter event code %d", {kCode}),
    unknown(QX_EVT_CLASS_VD, "Unknown VD event code %d", {kCode}),
    unknown(QX_EVT_CLASS_PD,
            "Unknown PD event code %d device %d,param[0] 0x%x,param[1] 0x%x,param[2] 0x%x,param[3] 0x%x",
            {kCode, kDevice, kParam0, kParam1, kParam2, kParam3}),
    unknown(QX_EVT_CLASS_PM, "%s Unknown PM event class: code = %d", {kPrefix, kCode}),
    unknown(QX_EVT_CLASS_EXPANDER, "Unknown expander event code %d", {kCode}),
    unknown(QX_EVT_CLASS_RMD, "%s Unknown RMD event class: code = %d", {kPrefix, kCode}),
    unknown(QX_EVT_CLASS_BSL, "%s Unknown BSL event class: code = %d", {kPrefix, kCode}),
    unknown(QX_EVT_CLASS_SAS, "%s Unknown SAS event class: code = %d", {kPrefix, kCode}),
    unknown(QX_EVT_CLASS_ENCLOSURE, "%s Unknown Enclosure event class: code = %d", {kPrefix, kCode}),
    unknown(QX_EVT_CLASS_BATTERY, "Unknown battery event code %d", {kCode}),
    unknown(QX_EVT_CLASS_FLASH, "%s Unknown Flash event class: code = %d", {kPrefix, kCode}),
    unknown(QX_EVT_CLASS_CACHE, "%s Unknown Cache event class: code = %d", {kPrefix, kCode}),
    unknown(QX_EVT_CLASS_MISC, "%s Unknown miscellaneous event: code = %d", {kPrefix, kCode}),
    unknown(QX_EVT_CLASS_ARRAY, "", {}),
    unknown(QX_EVT_CLASS_ENVIRONMENT, "", {}),
};
constexpr EventFormat kUnknownClass = unknown(0, "WARNING: Unknown event class %d, code %d", {kClass, kCode});

constexpr bool every_unknown_format_matches_its_args() {
  for (const EventFormat& f : kUnknownCodes)
    if (!format_matches_args(f.format, f.args)) return false;
  return format_matches_args(kUnknownClass.format, kUnknownClass.args);
}
static_assert(every_unknown_format_matches_its_args(), "an unknown-event format does not match its arguments");

}  // namespace

std::span<const EventFormat> event_formats() { return kFormats; }

const EventFormat* find_event_format(const QX_EVENT& record) {
  const EventFormat key{record.event_class, record.code, EventSelector::kParam3Is, 0, "", {}};
  auto at = std::lower_bound(kFormats.begin(), kFormats.end(), key, before);
  for (; at != kFormats.end() && at->event_class == record.event_class && at->code == record.code; ++at)
    if (selects(*at, record)) return &*at;
  return nullptr;
}

const EventFormat& unknown_event_format(uint16_t event_class) {
  for (const EventFormat& f : kUnknownCodes)
    if (f.event_class == event_class) return f;
  return kUnknownClass;
}

}  // namespace qx
