// qxsim's flash subcommands: image files, the adapter's flash regions, and
// the reboot that makes written images run.
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>

#include "api/image_types.h"
#include "api/status.h"
#include "platform/file_routines.h"
#include "sim/engine/clock.h"
#include "sim/engine/due_moments.h"
#include "sim/engine/events.h"
#include "sim/engine/flash_store.h"
#include "sim/engine/image_format.h"
#include "sim/engine/settings.h"
#include "sim/store/state_dir.h"
#include "sim/store/table.h"
#include "tools/qxsim/actions.h"

namespace qxsim {

using namespace qx::sim;

namespace {

uint8_t type_code(const std::string& text) {
  if (std::optional<uint8_t> code = qx::image_type_code(text)) return *code;
  size_t used = 0;
  int value = -1;
  try {
    value = std::stoi(text, &used, 0);
  } catch (const std::exception&) {
  }
  if (used != text.size() || value < 0 || value > 255)
    throw std::runtime_error("--type: \"" + text + "\" is neither an image type name nor a code 0-255");
  return static_cast<uint8_t>(value);
}

std::string version_text(const std::array<uint16_t, 4>& v) {
  return std::to_string(v[0]) + "." + std::to_string(v[1]) + "." + std::to_string(v[2]) + "." + std::to_string(v[3]);
}

std::vector<uint8_t> read_whole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs `work` on one adapter's record in one transaction; a changing one
// first applies what came due on the adapter, as every other step does.
void with_adapter(int adapter, bool write, const std::function<void(Db&, Adapter&)>& work) {
  std::unique_ptr<Db> db = open_state(state_directory());
  Transaction txn(*db, write ? Transaction::Kind::kWrite : Transaction::Kind::kRead);
  if (!select_by_id(*db, adapter_model(), adapter, adapter))
    throw std::runtime_error("there is no adapter " + std::to_string(adapter));
  if (write) bring_up_to_date(Session(*db, adapter, read_clock(*db).now_ms()));
  Adapter a = select_by_id(*db, adapter_model(), adapter, adapter).value();
  work(*db, a);
  if (write) txn.commit();
}

}  // namespace

int image_make(const Options& o) {
  ImageInfo info;
  info.type = type_code(o.image_type);
  info.version = {1, 0, 0, 0};
  if (o.image_adapter) {
    with_adapter(*o.image_adapter, false, [&](Db& db, Adapter& a) {
      info.device_id = a.device_id;
      info.sub_device_id = a.subsystem_id;
      info.sub_vendor_id = a.subsystem_vendor_id;
      if (std::optional<FlashImage> held = find_image(db, a.id, info.type)) info.version = held->version;
    });
  }
  if (o.image_version) {
    const std::array<int64_t, 4> parts = parse_version(*o.image_version, 0xFFFF);
    for (size_t i = 0; i < 4; ++i) info.version[i] = static_cast<uint16_t>(parts[i]);
  }
  if (o.device_id) info.device_id = static_cast<uint16_t>(*o.device_id);
  if (o.sub_device_id) info.sub_device_id = static_cast<uint16_t>(*o.sub_device_id);
  if (o.sub_vendor_id) info.sub_vendor_id = static_cast<uint16_t>(*o.sub_vendor_id);
  std::vector<uint8_t> bytes =
      write_image(info, generated_payload(info.type, info.version, static_cast<uint32_t>(o.image_size)));
  if (o.corrupt == "header") {
    bytes[offsetof(QX_IMAGE_FILE_HEADER, reserved40)] ^= 0x5A;  // the header CRC no longer fits
  } else if (o.corrupt == "payload") {
    if (bytes.size() == kImageHeaderSize) throw std::runtime_error("--corrupt payload needs a --size above 0");
    bytes.back() ^= 0x5A;
  } else if (!o.corrupt.empty()) {
    throw std::runtime_error("--corrupt takes header or payload");
  }
  if (!qx::platform::replace_file(o.image_file, bytes.data(), bytes.size()))
    throw std::runtime_error("cannot write " + o.image_file);
  return 0;
}

int image_show(const Options& o) {
  const std::vector<uint8_t> bytes = read_whole(o.image_file);
  ImageInfo info;
  const uint8_t status = check_image(bytes, info);
  if (status == qx::kNoImage || status == qx::kImageHeaderInvalid) {
    std::printf("%s: %s (status %d)\n", o.image_file.c_str(), qx::status_text(status), status);
    return 1;
  }
  std::printf("type %s (%d)\nversion %s\ndevice id 0x%04x\nsub device id 0x%04x\nsub vendor id 0x%04x\n"
              "payload %u bytes, CRC %08x: %s\n",
              qx::image_type_name(info.type), info.type, version_text(info.version).c_str(), info.device_id,
              info.sub_device_id, info.sub_vendor_id, info.payload_length, info.payload_crc,
              status == qx::kOk ? "intact" : "does not match the payload");
  return status == qx::kOk ? 0 : 1;
}

int flash_show(const Options& o) {
  with_adapter(o.pd_adapter, false, [&](Db& db, Adapter& a) {
    for (const FlashImage& r : select_rows(db, flash_image_model(), a.id)) {
      std::printf("%-9s %-14s %-12s ids %04x/%04x/%04x  %u of %u bytes, %s\n", qx::image_type_name(r.code()),
                  flash_image_model().find("state")->get(r).get<std::string>().c_str(),
                  version_text(r.version).c_str(), r.device_id, r.sub_device_id, r.sub_vendor_id,
                  static_cast<unsigned>(image_bytes(db, r).size()), r.capacity, r.file.empty() ? "generated" : "written");
    }
    std::printf("pd page:");
    for (uint16_t id : a.pd_page) std::printf(" %u", id);
    std::printf("\n");
  });
  return 0;
}

int flash_damage(const Options& o) {
  const uint8_t type = type_code(o.image_type);
  with_adapter(o.pd_adapter, true, [&](Db& db, Adapter& a) {
    std::optional<FlashImage> region = find_image(db, a.id, type);
    if (!region) throw std::runtime_error("adapter " + std::to_string(a.id) + " holds no " + o.image_type + " image");
    region->state = o.damage_header ? ImageState::kHeaderCorrupt : ImageState::kDataCorrupt;
    save_image(db, a.id, *region);
  });
  return 0;
}

int adapter_reboot(const Options& o) {
  with_adapter(o.pd_adapter, true, [&](Db& db, Adapter& a) {
    std::vector<NewEvent> events = reboot_adapter(db, a);
    save_adapter(db, a);
    const Session session(db, a.id, read_clock(db).now_ms());
    for (const NewEvent& e : events) log_event(session, e);
    std::printf("adapter %d runs BIOS %s, firmware %s, boot loader %s\n", a.id, version_text(a.bios_version).c_str(),
                version_text(a.firmware_version).c_str(), version_text(a.boot_loader_version).c_str());
  });
  return 0;
}

}  // namespace qxsim
