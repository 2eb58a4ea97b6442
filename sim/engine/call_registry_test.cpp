// The registry must name exactly the calls the header declares, mark as
// implemented exactly those the library exports, and agree with docs/api.md.
#include "sim/engine/call_registry.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#if !defined(_WIN32)
#include <dlfcn.h>
#endif

#include <gtest/gtest.h>

namespace qx::sim {
namespace {

std::string file_text(const std::string& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> registry_names() {
  std::vector<std::string> names;
  for (const CallInfo& call : all_calls()) names.emplace_back(call.name);
  return names;
}

TEST(CallRegistry, NamesEveryDeclaredCallInHeaderOrder) {
  const std::string header = file_text(QX_SOURCE_DIR "/api/qx_api.h");
  ASSERT_FALSE(header.empty());
  std::vector<std::string> declared;
  const std::regex declaration(R"(QX_API_EXPORT[^(]*?\b((?:QX|qx)_\w+)\()");
  for (std::sregex_iterator it(header.begin(), header.end(), declaration), end; it != end; ++it)
    declared.push_back((*it)[1]);
  EXPECT_EQ(registry_names(), declared);
  EXPECT_EQ(find_call("QX_LD_Create"), &call_info(Call::QX_LD_Create));
  EXPECT_EQ(find_call("QX_LD_create"), nullptr);
}

TEST(CallRegistry, AgreesWithTheAvailabilityInTheDocs) {
  // The function tables sit under "## Functions", up to the next heading of
  // that rank.
  const std::string all = file_text(QX_SOURCE_DIR "/docs/api.md");
  const size_t from = all.find("\n## Functions\n");
  ASSERT_NE(from, std::string::npos);
  const std::string doc = all.substr(from, all.find("\n## ", from + 1) - from);
  std::map<std::string, bool> documented;  // name -> implemented
  const std::regex row(R"(\n\| `((?:QX|qx)_\w+)` \|[^\n]*\| ([^|\n]*) \|[ ]*(?=\n))");
  for (std::sregex_iterator it(doc.begin(), doc.end(), row), end; it != end; ++it)
    documented[(*it)[1]] = (*it)[2] != "planned";
  std::map<std::string, bool> registered;
  for (const CallInfo& call : all_calls()) registered[call.name] = call.implemented;
  EXPECT_EQ(registered, documented);
}

#if !defined(_WIN32)
// What the built library exports, read from its dynamic symbol table.
std::set<std::string> exported_calls() {
  std::set<std::string> names;
  FILE* nm = popen("nm -D --defined-only '" QX_API_PATH "'", "r");
  if (nm == nullptr) return names;
  char line[512];
  const std::regex symbol(R"(^\S+ T ((?:QX|qx)_\w+)\s*$)");
  std::cmatch m;
  while (std::fgets(line, sizeof line, nm) != nullptr)
    if (std::regex_match(line, m, symbol)) names.insert(m[1]);
  pclose(nm);
  return names;
}

TEST(CallRegistry, MarksImplementedExactlyWhatTheLibraryExports) {
  std::set<std::string> implemented;
  for (const CallInfo& call : all_calls())
    if (call.implemented) implemented.insert(call.name);
  EXPECT_EQ(exported_calls(), implemented);

  // And the loader agrees: an implemented call resolves, a planned one does not.
  void* library = dlopen(QX_API_PATH, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  for (const CallInfo& call : all_calls())
    EXPECT_EQ(dlsym(library, call.name) != nullptr, call.implemented) << call.name;
  dlclose(library);
}
#endif

}  // namespace
}  // namespace qx::sim
