#include "commands/enclosure/element_display.h"

#include <string>

#include "api/element_types.h"
#include "shell/output.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

const char* const kStatusNames[] = {"Unsupported",   "OK",      "Critical",      "Non-Critical",     "Un-Recoverable",
                                    "Not installed", "Unknown", "Not Available", "No Access Allowed"};
constexpr uint8_t kStatusNameCount = sizeof kStatusNames / sizeof kStatusNames[0];

const char* const kFanSpeeds[] = {"stopped",
                                  "at lowest speed",
                                  "at 2nd lowest speed",
                                  "at 3rd lowest speed",
                                  "at intermediate speed",
                                  "at 3rd highest speed",
                                  "at 2rd highest speed",
                                  "at highest speed"};

const char* yes_no(bool flag) { return flag ? "yes" : "no"; }
bool bit(uint8_t byte, int n) { return ((byte >> n) & 1) != 0; }

// "EnclosureID:", the type name and number, and the status line; true when
// the status is one whose details follow (OK to Un-Recoverable).
bool print_element_head(uint16_t enclosure, uint8_t type, uint8_t number, uint8_t status) {
  shell::print("EnclosureID:%d\n", enclosure);
  if (const ElementType* t = find_element_type(type))
    shell::print("%s", t->name);
  else
    shell::print("Unspecified element\n");
  shell::print("%d\n", number);
  if (status < kStatusNameCount)
    shell::print("status : %s\n", kStatusNames[status]);
  else
    shell::print("status : %d (Reserved)\n", status);
  return status >= QX_ELEMENT_OK && status <= QX_ELEMENT_UNRECOVERABLE;
}

void print_failure_or_warning(bool failure, const char* failure_label, const char* warning_label, bool warning) {
  if (failure)
    shell::print("  %s: %s\n", failure_label, yes_no(true));
  else
    shell::print("  %s: %s\n", warning_label, yes_no(warning));
}

void print_element_details(const QX_ENC_ELEMENT& e) {
  const uint8_t* s = e.status;
  switch (e.element_type) {
    case QX_ELEMENT_DEVICE:
      shell::print("  slot address: %d\n", s[0]);
      shell::print("  locate: %s\n", yes_no(bit(s[1], 1)));
      break;
    case QX_ELEMENT_POWER_SUPPLY:
      shell::print("  hot swappable: %s\n", yes_no(bit(s[0], 3)));
      shell::print("  over temperature warning: %s\n", yes_no(bit(s[0], 4)));
      shell::print("  DC over current: %s\n", yes_no(bit(s[0], 2)));
      shell::print("  DC over voltage: %s\n", yes_no(bit(s[0], 0)));
      shell::print("  DC under voltage: %s\n", yes_no(bit(s[0], 1)));
      break;
    case QX_ELEMENT_COOLING:
      shell::print("  fan: %s\n", kFanSpeeds[s[2] & 0x07]);
      shell::print("  current speed: %d rpm\n", e.value);
      break;
    case QX_ELEMENT_TEMPERATURE:
      print_failure_or_warning(bit(s[1], 0), "over temperature failure", "over temperature warning", bit(s[1], 1));
      print_failure_or_warning(bit(s[1], 2), "under temperature failure", "under temperature warning", bit(s[1], 3));
      if (s[0] == 0)
        shell::print("  value: not available\n");
      else
        shell::print("  value: %d Celsius\n", s[0] - 20);
      break;
    case QX_ELEMENT_DOOR_LOCK: shell::print("  unlocked: %s\n", yes_no(bit(s[0], 0))); break;
    case QX_ELEMENT_ALARM:
      shell::print("  muted: %s\n", yes_no(bit(s[0], 0)));
      shell::print("  remind state: %s\n", yes_no(bit(s[0], 1)));
      break;
    case QX_ELEMENT_DISPLAY:
      shell::print("  character: %c\n", s[0]);
      shell::print("  mode status: %d\n", s[2]);
      break;
    case QX_ELEMENT_VOLTAGE:
      if (e.value < 0x8000)
        shell::print("  voltage: %d mini-volts\n", e.value * 10);
      else
        shell::print("  voltage: -%d mini-volts\n", (e.value & 0x7FFF) * 10);
      print_failure_or_warning(bit(s[2], 2), "critical over voltage", "over voltage warning", bit(s[2], 0));
      print_failure_or_warning(bit(s[2], 3), "critical under voltage", "under voltage warning", bit(s[2], 1));
      break;
    case QX_ELEMENT_ARRAY_DEVICE:
      shell::print("  hot spare: %s\n", yes_no(bit(s[0], 5)));
      shell::print("  locate: %s\n", yes_no(bit(s[1], 1)));
      break;
    default: break;
  }
}

std::string celsius_text(uint8_t value) {
  return value == 0 ? std::string("Not available") : std::to_string(value - 20) + " Celsius";
}

}  // namespace

void invalid_element_id(uint8_t element_id) { shell::print("Invalid element ID %d\n", element_id); }

void show_enclosure(const QX_ENCLOSURE_INFO& e) {
  shell::print("Enclosure ID: %d\n", e.link.id);
  shell::print("Adapter ID: %d\n", e.adapter_id);
  if (e.status == QX_ENCLOSURE_OK) shell::print("Status: OK\n");
  if (e.status == QX_ENCLOSURE_UNSTABLE) shell::print("Status: Unstable\n");
  const uint8_t* l = e.logical_id;
  shell::print("Logical ID: 0x%02X%02X%02X%02x%02X%02X%02X%02x\n", l[0], l[1], l[2], l[3], l[4], l[5], l[6], l[7]);
  shell::print("Vendor ID: %s\n", shell::printable_text(e.vendor, sizeof e.vendor).c_str());
  shell::print("Product ID: %s\n", shell::printable_text(e.product, sizeof e.product).c_str());
  shell::print("Revision Level: %s\n", shell::printable_text(e.revision, sizeof e.revision).c_str());
  shell::print("\n");
}

void show_element_status(const QX_ENC_ELEMENT& e) {
  if (print_element_head(e.enclosure_id, e.element_type, e.element_number, e.status_code)) print_element_details(e);
  shell::print("\n");
}

void show_element_config(const QX_ENC_ELEMENT_CONFIG& c) {
  if (!print_element_head(c.enclosure_id, c.element_type, c.element_number, c.status_code)) return;
  const uint8_t values[] = {c.high_critical, c.high_warning, c.low_critical, c.low_warning};
  const char* const labels[] = {"high critical", "high warning", "low critical", "low warning"};
  for (int i = 0; i < 4; ++i) {
    const char* end = i == 3 ? "\n\n" : "\n";
    if (c.element_type == QX_ELEMENT_TEMPERATURE)
      shell::print("  %s threshold: %s%s", labels[i], celsius_text(values[i]).c_str(), end);
    else if (c.element_type == QX_ELEMENT_VOLTAGE)
      shell::print("  %s threshold: %d mini-volts%s", labels[i], values[i] * 10, end);
    else
      shell::print("  %s threshold: %d%s", labels[i], values[i], end);
  }
}

}  // namespace qx::commands
