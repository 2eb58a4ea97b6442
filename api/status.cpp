#include "api/status.h"

#include <array>

namespace qx {
namespace {

struct StatusRow {
  uint8_t code;
  const char* text;
};

constexpr StatusRow kRows[] = {
    {0, "No error"},
    {1, "Failed"},
    {4, "Resource not available"},
    {5, "Data out of range"},
    {6, "Invalid request"},
    {7, "Invalid request parameter"},
    {8, "Invalid virtual disk id"},
    {9, "Invalid physical disk id"},
    {10, "Invalid expander id"},
    {11, "Invalid port multiplexer id"},
    {12, "Invalid block disk id"},
    {13, "Invalid adapter id"},
    {14, "Invalid RAID mode"},
    {15, "Invalid enclosure id"},
    {16, "Invalid BBU id"},
    {17, "Invalid array id"},
    {18, "Invalid enclosure element id"},
    {19, "Not supported"},
    {20, "Link time out"},
    {21, "Can not add key due to key present"},
    {22, "Can not enable due to key absent"},
    {23, "Pelorin diagnostic command phase error"},
    {24, "Pelorin diagnostic data phase error"},
    {25, "Pelorin diagnostic status phase error"},
    {26, "Pelorin diagnostic status phase returns phase error"},
    {27, "Pelorin diagnostic status phase returns command error"},
    {28, "SSD number is not right in the TwinTier"},
    {29, "Can not erase hdd data of Twintier"},
    {30, "The referred register is writing"},
    {31, "Passthrough is busy."},
    {32, "Firmware is in Secure Located State. Please use UPK to perform Firmware Update."},
    {51, "Target physical disk is part of the virtual disk and is functional"},
    {52, "Target size should no less than source"},
    {53, "Specified physical disk is not a spare drive"},
    {54, "Specified physical disk  is a spare drive"},
    {55, "Specified physical disk doesn't exist"},
    {56, "Specified physical disk is assigned to a virtual disk"},
    {57, "Number of physical disks doesn't fit the specified RAID level"},
    {58, "Virtual disk is not ready to receive command"},
    {59, "Specified virtual disk doesn't exist"},
    {60, "Specified virtual disk is functional"},
    {61, "Virtual disk is currently having BGA"},
    {63, "BGA is running"},
    {64, "Internal error, no virtual disk id available"},
    {65, "Can not create virtual disk with ATAPI drive"},
    {66, "Invalid # of parity disks for RAID6 or RAID60"},
    {67, "Invalid block size"},
    {68, "Migration is not necessary"},
    {69, "Stripe block size mismatch"},
    {70, "Migration is not supported"},
    {71, "Virtual disk is not fully initialized"},
    {72, "Virtual disk name is invalid"},
    {73, "Physical disks are not of the same type."},
    {74, "Physical disks are not of the same block size"},
    {75, "No virtual disk exist on the specified array"},
    {76, "At least one virtual disk is on the specified array"},
    {77, "Disk space is too small to be assigned as spare drive"},
    {78, "Disk is already assigned as a spare drive for an array"},
    {79, "Disk is missing from an array"},
    {80, "Virtual disk is not importable"},
    {81, "Another array is currently doing migration. Only one migration is allowed at any time."},
    {82, "Array is currently having BGA"},
    {83, "Physical disk cannot be set down"},
    {84, "pd is not offline"},
    {85, "ld status is not right"},
    {86, "virtual disk can not be reported"},
    {87, "target is not redundant RAID"},
    {88, "Raid allows one media patrol only"},
    {89, "target spare disk is using"},
    {90, "Physical disk SMART has over threshold"},
    {91, "Member of virtual disk has SMART has over threshold"},
    {92, "Member of virtual disk is updating firmware"},
    {151, "Adapter id and device id doesn't match"},
    {152, "Invalid physical disk count"},
    {153, "Invalid BGA action"},
    {154, "Specified physical disks are on different adapter"},
    {155, "Invalid flash type"},
    {156, "Invalid flash action"},
    {158, "Virtual disk has running OS in it"},
    {159, "Disk has running OS in it"},
    {160, "This command is not supported on this adapter"},
    {161, "Can not migrate more than one virtual disk in each adapter"},
    {162, "SGPIO control not supported"},
    {163, "Request has wrong data"},
    {164, "IoControl buffer size is too big."},
    {165, "invalid file input"},
    {166, "invalid microcode found"},
    {184, "Invalid flash buffer data"},
    {185, "Invalid flash descriptor data"},
    {186, "Need rescan adapter"},
    {187, "API is rescanning adapter"},
    {188, "migrate is not supported"},
    {241, "entry out of range"},
    {242, "port out of range"},
    {243, "invalid number requested"},
    {244, "invalid request type"},
    {245, "invalid key length"},
    {246, "not offline disk"},
    {247, "key mismatch"},
    {248, "password mismatch"},
    {249, "port id not found"},
    {250, "entry no key"},
};

// Index by code, built once from the rows above.
constexpr std::array<const char*, 256> make_index() {
  std::array<const char*, 256> index{};
  for (const char*& text : index) text = "Unknown error";
  for (const StatusRow& row : kRows) index[row.code] = row.text;
  return index;
}

constexpr std::array<const char*, 256> kIndex = make_index();

}  // namespace

const char* status_text(uint8_t status) { return kIndex[status]; }

std::string error_report(uint8_t status) {
  return "(error " + std::to_string(status) + ": " + status_text(status) + ")";
}

}  // namespace qx
