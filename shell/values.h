// Checks and conversions of option arguments, and the tables that turn codes
// into names and back.
#ifndef QX_SHELL_VALUES_H
#define QX_SHELL_VALUES_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "api/records.h"

namespace qx::shell {

// True when every character is a decimal digit; also true for "" (which
// converts to 0).
bool is_decimal_number(const char* text);
// The leading decimal number, as strtol with base 10 gives it where `long`
// has 32 bits (leading blanks and a sign accepted, 0 without digits, values
// beyond the range stop at 2147483647 or -2147483648), so that every system
// reads the same number from the same text. Callers keep the low bits they
// need.
int32_t decimal_value(const char* text);

// True for "0x" or "0X" followed by at least one hexadecimal digit and
// nothing else.
bool is_hex_number(const char* text);
// The value of the digits after the "0x" of a text that passed
// is_hex_number(); digits beyond the eighth shift the upper ones out.
uint32_t hex_value(const char* text);
// A number typed either way: decimal (as decimal_value() reads it) or "0x"
// hexadecimal; none for any other text.
std::optional<uint32_t> decimal_or_hex_value(const char* text);

// Copies an argument into `dest`, dropping surrounding double quotes.
// Unquoted: at most n - 1 characters, `dest` holds n bytes. Quoted (the text
// begins with '"'): the first and last characters are dropped and at most n of
// the rest are kept, so `dest` must hold n + 1 bytes. A lone '"' gives "".
void copy_argument(char* dest, const char* source, size_t n);
// The length of an argument without its surrounding quotes: what a command
// judges against its length limit before copying.
size_t argument_length(const char* source);

// The longest file name a command accepts (without quotes).
inline constexpr size_t kMaxFileNameLength = 255;
// The file name an option gives: a value beginning with '"' runs to the next
// '"' (or to its end), any other value is taken whole. Empty when the name is
// longer than kMaxFileNameLength: the caller prints kFileNameTooLong and
// refuses before it opens or creates anything.
std::optional<std::string> file_name_argument(const char* source);
inline constexpr const char* kFileNameTooLong = "The file name is longer than 255 characters.\n";

// True when the texts are equal with the letters A to Z taken as a to z.
bool equals_ignoring_case(const char* a, const char* b);

// At most `max_chars` characters of `text` (up to its NUL), each one outside
// the printable range 0x20..0x7E replaced by '?'. Used for model and serial
// texts that come from the adapter.
std::string printable_text(const char* text, size_t max_chars);

inline constexpr uint8_t kNoCode = 255;  // "not a mode" / "not an action"

// "RAID5", "twinTier safe", ...; "unknown" for any other code.
const char* raid_level_name(uint8_t level);
// The level code of a -r value ("0", "1", "10", "1E" in any case, "5", "50",
// "6", "60", "tc", "ts", "hybrid"); kNoCode for anything else.
uint8_t raid_mode_code(const char* text);

// The QX_BGA_ACTION_ code of "start", "pause", "resume", "stop" (exactly,
// lower case); kNoCode otherwise. The init, cc and rebuild commands read
// their -a argument with it.
uint8_t bga_action_code(const char* text);

// PCIe link speed: "2.5Gb/s", "5Gb/s", "8Gb/s"; "Unknown" for other codes.
const char* link_speed_name(uint8_t speed);

// Forms of a physical-disk record for disk_type_text().
enum : uint8_t {
  kPlainForm = 0,     // type bits at byte 66 (QX_PD_GetHDInfo)
  kExtendedForm = 1,  // link bits at 70, device type at 71 (QX_PD_GetHDInfo_Ext)
};
// "SATA PD", "SAS ATAPI CD/DVD", "unknown 0x7", ...
std::string disk_type_text(const QX_PD_INFO& record, uint8_t form);

// The first `count` bytes as decimal numbers joined by ", ": the PHY lists
// of the topology display.
std::string number_list_text(const uint8_t* numbers, uint8_t count);

// The first `count` bytes as upper-case hexadecimal, two digits each and no
// separator: SAS addresses.
std::string hex_bytes_text(const uint8_t* bytes, size_t count);

}  // namespace qx::shell

#endif  // QX_SHELL_VALUES_H
