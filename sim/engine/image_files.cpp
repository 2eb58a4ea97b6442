#include "sim/engine/image_files.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <set>
#include <stdexcept>

#include "api/image_types.h"
#include "platform/file_routines.h"
#include "platform/files.h"
#include "sim/model/flash_image.h"

namespace qx::sim {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSuffix = ".img";

std::string path_of(const Db& db, const std::string& name) { return image_directory(db) + "/" + name; }

}  // namespace

std::string image_directory(const Db& db) {
  if (db.path().empty() || db.path() == ":memory:")
    throw std::logic_error("a state without a directory holds no written images");
  fs::path directory = fs::path(db.path()).parent_path();
  if (directory.empty()) directory = ".";
  return (directory / "images").string();
}

NewImageFile::NewImageFile(const Db& db, int adapter, uint8_t type, std::span<const uint8_t> bytes) {
  std::error_code ec;
  fs::create_directories(image_directory(db), ec);
  if (ec) throw std::runtime_error(image_directory(db) + ": cannot create the image directory: " + ec.message());
  static std::random_device entropy;
  const std::string stem = "a" + std::to_string(adapter) + "-" + image_type_name(type) + "-" +
                           std::to_string(platform::process_id()) + "-";
  for (int tries = 0; tries < 100 && path_.empty(); ++tries) {
    const std::string name = stem + std::to_string(entropy()) + kSuffix;
    switch (file_.create_new(path_of(db, name))) {
      case platform::File::Created::kExists:
        continue;
      case platform::File::Created::kFailed:
        throw std::runtime_error(path_of(db, name) + ": cannot create the file");
      case platform::File::Created::kOk:
        name_ = name;
        path_ = path_of(db, name);
        break;
    }
  }
  if (path_.empty()) throw std::runtime_error(image_directory(db) + ": no free name for an image file");
  if (!bytes.empty() && !file_.write(bytes.data(), bytes.size())) {
    file_.close();
    std::remove(path_.c_str());
    throw std::runtime_error(path_ + ": cannot write the image");
  }
  file_.start_sync();
}

NewImageFile::~NewImageFile() {
  if (kept_) return;
  file_.close();
  std::remove(path_.c_str());
}

std::string NewImageFile::keep() {
  const bool synced = file_.sync();
  file_.close();
  if (!synced) throw std::runtime_error(path_ + ": cannot write the image to the disk");
  kept_ = true;
  return name_;
}

std::string write_image_file(const Db& db, int adapter, uint8_t type, std::span<const uint8_t> bytes) {
  return NewImageFile(db, adapter, type, bytes).keep();
}

int64_t open_image_file(const Db& db, const std::string& name, platform::File& file) {
  const std::string path = path_of(db, name);
  if (!file.open(path, platform::FileMode::kRead)) {
    if (errno == ENOENT) return -1;
    throw std::runtime_error(path + ": cannot open the image");
  }
  const int64_t size = file.size();
  if (size < 0) throw std::runtime_error(path + ": cannot tell the image's size");
  return size;
}

bool read_image_file(const Db& db, const std::string& name, std::vector<uint8_t>& bytes) {
  platform::File file;
  const int64_t size = open_image_file(db, name, file);
  if (size < 0) return false;
  bytes.resize(static_cast<size_t>(size));
  if (file.read_fully(bytes.data(), bytes.size()) != bytes.size())
    throw std::runtime_error(path_of(db, name) + ": cannot read the image");
  return true;
}

std::vector<std::string> named_image_files(Db& db) {
  std::vector<std::string> names;
  Stmt stmt = db.prepare("SELECT \"file\" FROM " + flash_image_model().table + " WHERE \"file\" <> ''");
  while (stmt.step()) names.push_back(stmt.column_text(0));
  return names;
}

void remove_image_file(const Db& db, const std::string& name) { std::remove(path_of(db, name).c_str()); }

void remove_unnamed_image_files(Db& db) {
  const std::vector<std::string> listed = named_image_files(db);
  const std::set<std::string> named(listed.begin(), listed.end());
  std::error_code ec;
  std::vector<fs::path> unnamed;
  for (fs::directory_iterator it(image_directory(db), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (it->path().extension() == kSuffix && !named.count(name)) unnamed.push_back(it->path());
  }
  for (const fs::path& path : unnamed) fs::remove(path, ec);
}

}  // namespace qx::sim
