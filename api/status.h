// Status codes of the RAID API library and their texts.
#ifndef QX_API_STATUS_H
#define QX_API_STATUS_H

#include <stdint.h>

#include <string>

namespace qx {

// Statuses that both sides of the library boundary name in code.
enum Status : uint8_t {
  kOk = 0,
  kFailed = 1,
  kNoResource = 4,
  kOutOfRange = 5,
  kInvalidRequest = 6,
  kInvalidParameter = 7,
  kInvalidVdId = 8,
  kInvalidPdId = 9,
  kInvalidBlockId = 12,
  kInvalidAdapterId = 13,
  kInvalidRaidMode = 14,
  kInvalidEnclosureId = 15,
  kInvalidArrayId = 17,
  kNotSupported = 19,
  kLinkTimeOut = 20,      // also a pass-through command that ended in a check condition
  kTierSsdCount = 28,
  kRegisterWriting = 30,  // a mailbox write has not been taken yet
  kPassThroughBusy = 31,
  kTargetIsMember = 51,
  kTargetTooSmall = 52,
  kPdNotSpare = 53,
  kPdIsSpare = 54,
  kPdMissing = 55,
  kPdAssigned = 56,
  kPdCountForLevel = 57,
  kVdNotReady = 58,
  kVdMissing = 59,
  kVdFunctional = 60,
  kVdHasBga = 61,
  kBgaRunning = 63,
  kNoVdId = 64,
  kAtapiInVd = 65,
  kParityDisks = 66,
  kInvalidBlockSize = 67,
  kMigrationNotNeeded = 68,
  kMigrationNotSupported = 70,
  kVdNameInvalid = 72,
  kPdTypeMismatch = 73,
  kPdBlockSizeMismatch = 74,
  kNoVdOnArray = 75,
  kArrayHasVds = 76,
  kSpareTooSmall = 77,
  kSpareOfOtherArray = 78,
  kVdNotImportable = 80,
  kArrayMigrating = 81,
  kArrayHasBga = 82,
  kPdCannotGoDown = 83,
  kPdNotOffline = 84,
  kVdStateWrong = 85,
  kTargetNotRedundant = 87,
  kOneMediaPatrol = 88,
  kSpareInUse = 89,
  kSmartOverThreshold = 90,
  kInvalidPdCount = 152,
  kInvalidBgaAction = 153,
  kVdHasOs = 158,
  kDiskHasOs = 159,
  kNotSupportedOnAdapter = 160,
  kOneMigration = 161,
  kWrongData = 163,
  kBufferTooBig = 164,
  // Flash calls.
  kAdapterIdMismatch = 151,   // an image made for another subsystem
  kInvalidFlashType = 155,
  kInvalidFlashAction = 156,
  kInvalidFileInput = 165,
  kNoImage = 166,             // a file or page without an image header
  kImageDataInvalid = 184,    // payload length or CRC wrong
  kImageHeaderInvalid = 185,  // header CRC wrong, or an image that is not intact
  kAesKeyPresent = 21,
  kAesKeyAbsent = 22,
  kAesEntryRange = 241,
  kAesPortRange = 242,
  kAesCount = 243,
  kAesQueryType = 244,
  kAesKeyLength = 245,
  kNotOfflineDisk = 246,  // force online of a disk that is online (the online switch answers 84)
  kAesKeyMismatch = 247,
  kAesPasswordMismatch = 248,
  kAesNoKey = 250,
};

// Results a command returns for its own refusals, where no library call
// failed: codes of the table above that the command borrows.
enum Result : uint32_t {
  kResultNotSupported = kNotSupported,  // a setting or activity the adapter or the level cannot have
  kResultSpareInUse = kArrayHasBga,     // a spare that is in use cannot be deleted
  kResultMediaPatrolDeclined = kOneMediaPatrol,  // the user kept a media patrol rather than stop it
};

// The fixed English text of a status; "Unknown error" for codes without one.
const char* status_text(uint8_t status);

// "(error 8: Invalid virtual disk id)": how a command reports a status.
std::string error_report(uint8_t status);

}  // namespace qx

#endif  // QX_API_STATUS_H
