// `flash -a update|backup|erase|version [-f FILE] [-i ADAPTER] [-t TYPE]
// [-p pd|pdforce] [--oem]`: options and the checks every action shares.
#include "commands/flash/flash.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>

#include "api/image_types.h"
#include "commands/handlers.h"
#include "shell/handler_support.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

constexpr int kOemOption = shell::kFirstLongOnlyCode;

using shell::Arg;
const shell::OptionTable kOptions{
    {'a', "action", Arg::kRequired, shell::kOnce},
    {'f', "file", Arg::kRequired, shell::kOnce},
    {'i', nullptr, Arg::kRequired, shell::kOnce},
    {'t', "type", Arg::kRequired, shell::kOnce},
    {'p', "page", Arg::kRequired, shell::kOnce},
    {kOemOption, "oem", Arg::kNone, shell::kRepeats},
    shell::kOutputEntry,
    shell::kHelpEntry,
};

enum class Action { kUpdate, kBackup, kErase, kVersion };

std::optional<Action> action_named(const char* word) {
  static constexpr struct {
    const char* name;
    Action action;
  } kActions[] = {{"update", Action::kUpdate}, {"backup", Action::kBackup}, {"erase", Action::kErase},
                  {"version", Action::kVersion}};
  for (const auto& a : kActions)
    if (shell::equals_ignoring_case(word, a.name)) return a.action;
  return std::nullopt;
}

// The types `-t` accepts; the others exist only between the command and
// the adapter.
std::optional<uint8_t> type_named(const char* word) {
  static constexpr uint8_t kAccepted[] = {QX_IMAGE_FIRMWARE, QX_IMAGE_BIOS, QX_IMAGE_CONFIG,
                                          QX_IMAGE_BIN,      QX_IMAGE_AUTOLOAD, QX_IMAGE_RAW};
  for (uint8_t type : kAccepted)
    if (shell::equals_ignoring_case(word, image_type_name(type))) return type;
  return std::nullopt;
}

std::optional<uint8_t> page_named(const char* word) {
  if (shell::equals_ignoring_case(word, "pd")) return uint8_t{QX_FLASH_PAGE_PD};
  if (shell::equals_ignoring_case(word, "pdforce")) return uint8_t{QX_FLASH_PAGE_PD_FORCE};
  return std::nullopt;
}

// An adapter id of -i: digits only, and one the library can be given.
std::optional<uint8_t> adapter_named(const char* word) {
  if (*word == '\0' || std::strspn(word, "0123456789") != std::strlen(word) || std::strlen(word) > 3)
    return std::nullopt;
  const long id = std::strtol(word, nullptr, 10);
  if (id > 255) return std::nullopt;
  return static_cast<uint8_t>(id);
}

}  // namespace

namespace flash {

std::unique_ptr<QX_FLASH_PAGE> new_page() { return std::unique_ptr<QX_FLASH_PAGE>(new (std::nothrow) QX_FLASH_PAGE{}); }

}  // namespace flash

uint32_t cmd_flash(int argc, char** argv, const CommandEntry& self) {
  flash::Request request;
  request.adapter = shell::state().current_adapter;
  std::optional<Action> action;
  bool has_type = false;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int code; (code = scan.next()) != -1;) {
    switch (code) {
      case shell::kOutputOption:
        break;
      case 'a':
        if (!(action = action_named(scan.arg()))) {
          shell::print("-a : invalid action '%s'.\n", scan.arg());
          return 1;
        }
        break;
      case 'f': {
        std::optional<std::string> name = shell::file_name_argument(scan.arg());
        if (!name) {
          shell::print_text(shell::kFileNameTooLong);
          return 1;
        }
        request.file = *name;
        break;
      }
      case 'i': {
        std::optional<uint8_t> id = adapter_named(scan.arg());
        if (!id) {
          shell::print("-i : invalid adapter id '%s'.\n", scan.arg());
          return 1;
        }
        request.adapter = *id;
        break;
      }
      case 't': {
        std::optional<uint8_t> type = type_named(scan.arg());
        if (!type) {
          shell::print("-t : invalid type '%s'.\n", scan.arg());
          return 1;
        }
        request.type = *type;
        has_type = true;
        break;
      }
      case 'p': {
        std::optional<uint8_t> page = page_named(scan.arg());
        if (!page) {
          shell::print("-p : invalid flash page '%s'.\n", scan.arg());
          return 1;
        }
        request.page = *page;
        request.has_page = true;
        break;
      }
      case kOemOption:
        request.oem = true;
        break;
      default:
        return shell::other_option(code, self);
    }
  }
  if (scan.duplicated()) return shell::duplicated_option();
  if (!action) return shell::missing_option(self, 'a');
  if (!has_type && !request.has_page && *action != Action::kVersion) return shell::missing_option(self, 't');
  if (!scan.given('f') && *action != Action::kErase) return shell::missing_option(self, 'f');
  if (shell::current_adapter_info().adv_features2 & QX_ADV2_NO_FLASH) {
    shell::print_text("Flash operation is not supported\n");
    return 1;
  }
  switch (*action) {
    case Action::kUpdate:
      return flash::update(request);
    case Action::kBackup:
      return flash::backup(request);
    case Action::kErase:
      return flash::erase(request);
    case Action::kVersion:
      return flash::show_version(request);
  }
  return 1;
}

}  // namespace qx::commands
