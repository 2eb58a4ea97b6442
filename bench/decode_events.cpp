// Decoding event records: the decoder against a plain loop that prints
// blocks of the same shape with one fixed snprintf format and strftime, each
// into a discarded stream, side by side in alternating rounds so that the
// machine's load hits both alike. Prints the median of each and their ratio.
//
// Usage: decode_events [RECORDS] [ROUNDS]   (100000 and 7 by default)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include "api/event_catalogue.h"
#include "commands/events/event_decoder.h"
#include "shell/state.h"

namespace {

// Every catalogued code in turn, with parameters, names, sense bytes and
// both kinds of time.
std::vector<QX_EVENT> records(size_t count) {
  const auto catalogue = qx::event_catalogue();
  std::vector<QX_EVENT> out(count);
  for (size_t i = 0; i < count; ++i) {
    const qx::EventKind& kind = catalogue[i % catalogue.size()];
    QX_EVENT& r = out[i];
    r.event_class = kind.event_class;
    r.code = kind.code;
    r.severity = kind.severity;
    r.device_id = static_cast<uint16_t>(i % 64);
    r.sequence = static_cast<uint32_t>(i + 1);
    r.time = i % 3 == 0 ? static_cast<uint32_t>(i) : static_cast<uint32_t>(1767225600 + i);
    r.params[0] = static_cast<uint32_t>(i % 100);
    r.params[1] = static_cast<uint32_t>(i * 7919);
    r.params[2] = 16;
    r.params[3] = i % 5 == 0 ? QX_EVT_TIER_VD : 0;
    if (i % 7 == 0) {
      r.sense_length = 18;
      for (size_t b = 0; b < 18; ++b) r.sense[b] = static_cast<uint8_t>(i + b);
    }
  }
  return out;
}

double decoder_seconds(const std::vector<QX_EVENT>& all) {
  const auto start = std::chrono::steady_clock::now();
  for (const QX_EVENT& r : all) qx::commands::print_event(qx::commands::decode_event(r));
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double plain_seconds(const std::vector<QX_EVENT>& all, std::FILE* out) {
  const auto start = std::chrono::steady_clock::now();
  for (const QX_EVENT& r : all) {
    char time_text[64];
    if (r.time <= QX_EVT_BOOT_TIME_LIMIT) {
      std::snprintf(time_text, sizeof time_text, "%d second(s) from the boot time.", static_cast<int>(r.time));
    } else {
      const std::time_t t = r.time;
      std::strftime(time_text, sizeof time_text, "%a %b %d %H:%M:%S %Y", std::localtime(&t));
    }
    char description[224];
    std::snprintf(description, sizeof description, "%s %s %d is created", "", "Virtual Disk", r.device_id);
    std::fprintf(out, "%-*s %ld\n%-*s %s\n%-*s %s\n%-*s %ld\n%-*s %ld\n%-*s %s\n", 13, "Sequence:",
                 static_cast<long>(r.sequence), 13, "Time:", time_text, 13, "Level:", "[INFO]", 13, "Class:",
                 static_cast<long>(r.event_class), 13, "Code:", static_cast<long>(r.code), 12, "Description:",
                 description);
    if (r.sense_length != 0) {
      char sense[91] = "";
      for (size_t b = 0; b < r.sense_length && b < 30; ++b)
        std::snprintf(sense + 3 * b, sizeof sense - 3 * b, "%02X ", r.sense[b]);
      std::fprintf(out, "Sense Code : %s\n", sense);
    }
    std::fputs("\n", out);
  }
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 7;
#if defined(_WIN32)
  std::FILE* discard = std::fopen("NUL", "w");
#else
  std::FILE* discard = std::fopen("/dev/null", "w");
#endif
  if (discard == nullptr || count == 0 || rounds <= 0) return 2;
  qx::shell::state().out = discard;
  const std::vector<QX_EVENT> all = records(count);
  std::vector<double> decoder;
  std::vector<double> plain;
  for (int i = 0; i < rounds; ++i) {
    decoder.push_back(decoder_seconds(all));
    plain.push_back(plain_seconds(all, discard));
  }
  std::printf("%zu records, %d rounds, medians:\n", count, rounds);
  std::printf("  decoder     %.3f s\n", median(decoder));
  std::printf("  plain loop  %.3f s\n", median(plain));
  std::printf("  ratio       %.2fx\n", median(decoder) / median(plain));
  return 0;
}
