// Where the written images of the flash regions live: one file per written
// region in the directory "images" beside the state file, named in the
// region's row. The database keeps only what describes a region, so that an
// update commits a row, not sixteen megabytes; a copied state directory is a
// copied state.
//
// A file is written under a name no file had before, handed to the disk,
// and only then named by the committed row; the file it replaces is removed
// after that commit. A file that no row names (its writer was killed before
// the commit, or before the removal) is removed by the next region write.
#ifndef QX_SIM_ENGINE_IMAGE_FILES_H
#define QX_SIM_ENGINE_IMAGE_FILES_H

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/file_routines.h"
#include "sim/store/db.h"

namespace qx::sim {

// The directory of the content files: "images" beside the state file
// (std::logic_error for a database in memory).
std::string image_directory(const Db& db);

// A new content file: created under a name no file had and filled, then
// kept (on the disk) or dropped.
class NewImageFile {
 public:
  // Writes `bytes` to a new file for the region of `type` on `adapter`, and
  // lets the disk start taking it; std::runtime_error, leaving no file, when
  // it cannot be written whole.
  NewImageFile(const Db& db, int adapter, uint8_t type, std::span<const uint8_t> bytes);
  ~NewImageFile();  // removes the file unless it was kept
  NewImageFile(const NewImageFile&) = delete;
  NewImageFile& operator=(const NewImageFile&) = delete;
  // Waits until the file is on the disk, and gives its name; the file stays.
  std::string keep();

 private:
  std::string name_;
  std::string path_;
  platform::File file_;
  bool kept_ = false;
};

// A new content file holding `bytes`, on the disk: its name.
std::string write_image_file(const Db& db, int adapter, uint8_t type, std::span<const uint8_t> bytes);

// Reads the file `name` whole. False when there is no such file (a region
// write removed it after this reader's snapshot, or the state is damaged);
// std::runtime_error when it cannot be read.
bool read_image_file(const Db& db, const std::string& name, std::vector<uint8_t>& bytes);

// Opens the file `name` for reading: its size, or -1 when there is no such
// file; std::runtime_error when it cannot be opened.
int64_t open_image_file(const Db& db, const std::string& name, platform::File& file);

// The file names the regions of the state hold, as the current transaction
// sees them.
std::vector<std::string> named_image_files(Db& db);

// Removes `name`; one that is gone already, or (on Windows) open in another
// process, is left to remove_unnamed_image_files.
void remove_image_file(const Db& db, const std::string& name);

// Removes the files of the image directory that no region names. Only in a
// write transaction: no other process writes a region file meanwhile.
void remove_unnamed_image_files(Db& db);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_IMAGE_FILES_H
