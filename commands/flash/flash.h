// `flash`: moves images between host files and the adapter's flash memory.
// The handler (flash.cpp) parses and checks the options; each action has
// its own file.
#ifndef QX_COMMANDS_FLASH_FLASH_H
#define QX_COMMANDS_FLASH_FLASH_H

#include <cstdint>
#include <memory>
#include <string>

#include "api/records.h"

namespace qx::commands::flash {

// Type of a `-p` without `-t`: no image type at all, which the adapter refuses.
inline constexpr uint8_t kNoImageType = 255;

// What the options ask for, checked.
struct Request {
  std::string file;          // -f, without its quotes
  uint8_t adapter = 0;       // receives the flash calls: -i, else the current adapter
  uint8_t type = kNoImageType;  // -t
  bool has_page = false;     // -p given
  uint8_t page = 0;          // -p: QX_FLASH_PAGE_PD or QX_FLASH_PAGE_PD_FORCE
  bool oem = false;          // --oem
};

// One page buffer for a whole transfer; null when memory is short.
std::unique_ptr<QX_FLASH_PAGE> new_page();

uint32_t update(const Request& request);
uint32_t backup(const Request& request);
uint32_t erase(const Request& request);
uint32_t show_version(const Request& request);

}  // namespace qx::commands::flash

#endif  // QX_COMMANDS_FLASH_FLASH_H
