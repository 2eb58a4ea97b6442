// What each qxsim subcommand does; main.cpp binds each to its subcommand.
#ifndef QX_TOOLS_QXSIM_ACTIONS_H
#define QX_TOOLS_QXSIM_ACTIONS_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qxsim {

struct Options {
  std::string scenario = "default";
  bool force = false;
  double seconds = 0;
  double time = 0;
  std::string function;
  int status = 1;
  std::optional<int> adapter;
  std::optional<int> times;
  bool always = false;
  std::optional<int64_t> fault_id;
  int pd = 0;
  int pd_adapter = 0;
  bool spare_global = false;
  std::optional<int> spare_array;
  bool spare_none = false;
  // event add
  int event_class = 0;
  int event_code = 0;
  int event_device = 0;
  std::optional<int> event_severity;
  std::vector<uint32_t> event_params;
  std::string event_sense;
  std::optional<int64_t> event_time;
  // enclosures, expanders and SMART
  int enclosure = 0;
  std::string element_type;
  int element_number = 0;
  std::optional<int64_t> celsius, millivolts, rpm, element_status, flags;
  int expander = 0;
  int attribute = 0;
  std::optional<int64_t> current, raw, worst, threshold;
  // error table and ECC
  int64_t lba = 0;
  int64_t sectors = 1;
  std::vector<std::string> error_kinds{"read", "media"};
  // foreign configurations
  int vd = 0;
  std::string foreign_state = "importable";
  // flash images
  std::string image_file;
  std::string image_type;
  std::optional<int> image_adapter;
  std::optional<std::string> image_version;
  std::optional<int> device_id, sub_device_id, sub_vendor_id;
  int64_t image_size = 65536;
  std::string corrupt;
  bool damage_header = false;
  bool damage_data = false;
  // battery
  std::optional<bool> battery_present;
  std::optional<int> battery_charge;
  // host
  std::string host_root;
};

// One function per subcommand; each answers the exit status and throws, with
// the message to show, when it cannot do its work.
int init(const Options& o);
int show();
int scenarios();
int where();
int schema();

enum class ClockStep { kAdvance, kFreeze, kResume, kShow, kSet };
int clock(ClockStep step, const Options& o);

int fault_add(const Options& o);
int fault_list();
int fault_clear(const Options& o);

enum class DiskStep { kPull, kInsert, kFail };
int pd(DiskStep step, const Options& o);
// Makes a disk a global or dedicated spare, or no spare.
int pd_spare(const Options& o);

int events(const Options& o);
int event_add(const Options& o);

int enc_element(const Options& o);
enum class ExpanderStep { kPull, kInsert };
int enc_expander(ExpanderStep step, const Options& o);
int pd_smart(const Options& o);
int pd_error_add(const Options& o);
int pd_ecc(const Options& o);
// Makes a VD and its array a foreign configuration.
int foreign(const Options& o);
// Fits, removes or recharges an adapter's battery.
int battery_set(const Options& o);

// Flash: image files, the adapter's regions, and a reboot.
int image_make(const Options& o);
int image_show(const Options& o);
int flash_show(const Options& o);
int flash_damage(const Options& o);
int adapter_reboot(const Options& o);
// Shows the adapters' VDs and free exposed disks to a host whose disk tree
// lives under a folder, renumbers and rewrites it, or stops.
enum class HostStep { kPresent, kRescan, kForget };
int host(HostStep step, const Options& o);

}  // namespace qxsim

#endif  // QX_TOOLS_QXSIM_ACTIONS_H
