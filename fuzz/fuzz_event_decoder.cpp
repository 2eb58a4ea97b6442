// Fuzz target: the event decoder. Any 64 bytes are one record: decoding it
// gives one block, reads nothing outside the record (the record is copied to
// a buffer of exactly its size, so the address sanitizer sees any read past
// it), and keeps the description within its limit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "commands/events/event_decoder.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < sizeof(QX_EVENT)) return 0;
  auto record = std::make_unique<QX_EVENT>();
  std::memcpy(record.get(), data, sizeof(QX_EVENT));
  const qx::commands::EventBlock block = qx::commands::decode_event(*record);
  check(block.description.size() <= qx::commands::kMaxDescription);
  check(block.sense.size() <= 3 * sizeof record->sense);
  check(block.sequence == record->sequence && block.event_class == record->event_class && block.code == record->code);
  check(!block.time.empty() && block.level != nullptr && block.level[0] == '[');
  return 0;
}
