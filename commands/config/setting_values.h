// Values the configuration commands share: the rate scale, the check of a VD
// or array name, and the fixed-width text fields of the adapter record.
#ifndef QX_COMMANDS_CONFIG_SETTING_VALUES_H
#define QX_COMMANDS_CONFIG_SETTING_VALUES_H

#include <cstddef>
#include <cstdint>

#include "api/records.h"

namespace qx::commands {

// A rate in percent as the adapter stores it (0..250), rounded: 100 gives
// 250, 50 gives 125, 1 gives 3.
constexpr uint8_t rate_to_stored(int percent) { return static_cast<uint8_t>((percent * QX_RATE_SCALE + 50) / 100); }
// A stored rate in percent, rounded down: 125 gives 50, 3 gives 1.
constexpr int stored_to_percent(uint8_t stored) { return stored * 100 / QX_RATE_SCALE; }

// True when every character of a VD or array name is a blank, a digit, an
// ASCII letter or an underscore; otherwise prints why and answers false.
bool check_name_characters(const char* name);

// Copies a text into a 20-byte field of the adapter record: the serial
// number padded with blanks, the model as given (the rest zero).
inline constexpr size_t kAdapterTextWidth = 20;
void copy_padded(char (&field)[kAdapterTextWidth], const char* text);
void copy_unpadded(char (&field)[kAdapterTextWidth], const char* text);

}  // namespace qx::commands

#endif  // QX_COMMANDS_CONFIG_SETTING_VALUES_H
