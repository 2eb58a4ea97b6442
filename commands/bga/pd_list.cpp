#include "commands/bga/pd_list.h"

#include <algorithm>
#include <cstring>

#include "shell/output.h"
#include "shell/values.h"

namespace qx::commands {

std::optional<std::vector<uint16_t>> parse_pd_list(const char* value, PdListRule rule) {
  std::vector<uint16_t> ids;
  for (const char* element = value;; ++element) {
    if (!rule.lenient && (*element < '0' || *element > '9')) {
      shell::print("-d:invalid PD IDs %s\n", value);
      return std::nullopt;
    }
    const auto id = static_cast<uint16_t>(shell::decimal_value(element));
    if (std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
    element = std::strchr(element, ',');
    if (element == nullptr) break;
  }
  if (ids.size() > rule.most) {
    shell::print("-d:too many PD IDs, at most %d can be given\n", static_cast<int>(rule.most));
    return std::nullopt;
  }
  return ids;
}

}  // namespace qx::commands
