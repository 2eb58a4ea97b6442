// Every event the adapter can log, in one table: class, code and severity,
// each under a name. The simulated controller logs only through these names,
// and a reader of the log can look a record's class and code up here.
//
// The list is written once, as X(name, class, code, severity) rows: the
// named constants and the catalogue are both built from it, so a row added
// here is known to both. A row may gain columns (a decoder format) without
// its users changing.
//
// Severities follow one rule, so that an administrator can filter on them:
// INFO for a planned step (created, started, paused, resumed, completed, a
// setting changed); WARNING for a removal, a timeout or an activity that was
// stopped before its end (a user's abort or stop included); MAJOR for a
// degraded VD, a failed disk or a failed operation; CRITICAL for an offline
// VD or a loss the adapter cannot recover from by itself.
#ifndef QX_API_EVENT_CATALOGUE_H
#define QX_API_EVENT_CATALOGUE_H

#include <cstdint>
#include <span>

#include "api/records.h"

// clang-format off
#define QX_EVENT_LIST(X) \
  X(kAdapterSmartEnabled, ADAPTER, 0, INFO) \
  X(kAdapterSmartDisabled, ADAPTER, 1, INFO) \
  X(kAdapterBuzzerEnabled, ADAPTER, 2, INFO) \
  X(kAdapterBuzzerDisabled, ADAPTER, 3, INFO) \
  X(kAdapterAutoRebuildEnabled, ADAPTER, 4, INFO) \
  X(kAdapterAutoRebuildDisabled, ADAPTER, 5, INFO) \
  X(kAdapterMediaPatrolRateChanged, ADAPTER, 6, INFO) \
  X(kAdapterCopyBackEnabled, ADAPTER, 7, INFO) \
  X(kAdapterCopyBackDisabled, ADAPTER, 8, INFO) \
  X(kAdapterDetectedWithSerial, ADAPTER, 9, INFO) \
  X(kAdapterBatteryEccError, ADAPTER, 10, MAJOR) \
  X(kAdapterDirtyDataFlushed, ADAPTER, 11, INFO) \
  X(kAdapterFlushStarted, ADAPTER, 12, INFO) \
  X(kAdapterFlushFinished, ADAPTER, 13, INFO) \
  X(kAdapterPageEccError, ADAPTER, 14, MAJOR) \
  X(kAdapterNonCacheMode, ADAPTER, 15, WARNING) \
  X(kAdapterRemoved, ADAPTER, 16, WARNING) \
  X(kAdapterDetected, ADAPTER, 17, INFO) \
  X(kAdapterTimeSynchronized, ADAPTER, 18, INFO) \
  X(kAdapterEventsLost, ADAPTER, 65535, WARNING) \
  X(kVdOffline, VD, 0, CRITICAL) \
  X(kVdOnline, VD, 1, INFO) \
  X(kVdCreated, VD, 2, INFO) \
  X(kVdDeleted, VD, 3, INFO) \
  X(kVdDegraded, VD, 4, MAJOR) \
  X(kVdLostRedundancy, VD, 5, MAJOR) \
  X(kVdCacheModeChanged, VD, 6, INFO) \
  X(kVdSynchronizationSucceeded, VD, 7, INFO) \
  X(kVdSynchronizationFailed, VD, 8, MAJOR) \
  X(kVdImported, VD, 9, INFO) \
  X(kVdCheckStarted, VD, 20, INFO) \
  X(kVdCheckPaused, VD, 22, INFO) \
  X(kVdCheckResumed, VD, 23, INFO) \
  X(kVdCheckAborted, VD, 24, WARNING) \
  X(kVdCheckCompleted, VD, 25, INFO) \
  X(kVdCheckProgress, VD, 26, INFO) \
  X(kVdCheckFailed, VD, 27, MAJOR) \
  X(kVdCheckAutoPaused, VD, 28, INFO) \
  X(kVdCheckAutoResumed, VD, 29, INFO) \
  X(kVdFixStarted, VD, 30, INFO) \
  X(kVdFixPaused, VD, 32, INFO) \
  X(kVdFixResumed, VD, 33, INFO) \
  X(kVdFixAborted, VD, 34, WARNING) \
  X(kVdFixCompleted, VD, 35, INFO) \
  X(kVdFixProgress, VD, 36, INFO) \
  X(kVdFixFailed, VD, 37, MAJOR) \
  X(kVdFixAutoPaused, VD, 38, INFO) \
  X(kVdFixAutoResumed, VD, 39, INFO) \
  X(kVdFastInitStarted, VD, 40, INFO) \
  X(kVdFastInitPaused, VD, 42, INFO) \
  X(kVdFastInitResumed, VD, 43, INFO) \
  X(kVdFastInitAborted, VD, 44, WARNING) \
  X(kVdFastInitCompleted, VD, 45, INFO) \
  X(kVdFastInitProgress, VD, 46, INFO) \
  X(kVdFastInitFailed, VD, 47, MAJOR) \
  X(kVdFastInitAutoPaused, VD, 48, INFO) \
  X(kVdFastInitAutoResumed, VD, 49, INFO) \
  X(kVdBackgroundInitStarted, VD, 50, INFO) \
  X(kVdBackgroundInitPaused, VD, 52, INFO) \
  X(kVdBackgroundInitResumed, VD, 53, INFO) \
  X(kVdBackgroundInitAborted, VD, 54, WARNING) \
  X(kVdBackgroundInitCompleted, VD, 55, INFO) \
  X(kVdBackgroundInitProgress, VD, 56, INFO) \
  X(kVdBackgroundInitFailed, VD, 57, MAJOR) \
  X(kVdBackgroundInitAutoPaused, VD, 58, INFO) \
  X(kVdBackgroundInitAutoResumed, VD, 59, INFO) \
  X(kVdForegroundInitStarted, VD, 60, INFO) \
  X(kVdForegroundInitPaused, VD, 62, INFO) \
  X(kVdForegroundInitResumed, VD, 63, INFO) \
  X(kVdForegroundInitAborted, VD, 64, WARNING) \
  X(kVdForegroundInitCompleted, VD, 65, INFO) \
  X(kVdForegroundInitProgress, VD, 66, INFO) \
  X(kVdForegroundInitFailed, VD, 67, MAJOR) \
  X(kVdForegroundInitAutoPaused, VD, 68, INFO) \
  X(kVdForegroundInitAutoResumed, VD, 69, INFO) \
  X(kVdRebuildStarted, VD, 70, INFO) \
  X(kVdRebuildPaused, VD, 72, INFO) \
  X(kVdRebuildResumed, VD, 73, INFO) \
  X(kVdRebuildAborted, VD, 74, WARNING) \
  X(kVdRebuildCompleted, VD, 75, INFO) \
  X(kVdRebuildProgress, VD, 76, INFO) \
  X(kVdRebuildFailed, VD, 77, MAJOR) \
  X(kVdRebuildAutoPaused, VD, 78, INFO) \
  X(kVdRebuildAutoResumed, VD, 79, INFO) \
  X(kVdMigrationStarted, VD, 80, INFO) \
  X(kVdMigrationPaused, VD, 82, INFO) \
  X(kVdMigrationResumed, VD, 83, INFO) \
  X(kVdMigrationAborted, VD, 84, WARNING) \
  X(kVdMigrationCompleted, VD, 85, INFO) \
  X(kVdMigrationProgress, VD, 86, INFO) \
  X(kVdMigrationFailed, VD, 87, MAJOR) \
  X(kVdMigrationAutoPaused, VD, 88, INFO) \
  X(kVdMigrationAutoResumed, VD, 89, INFO) \
  X(kVdCopyBackStarted, VD, 90, INFO) \
  X(kVdCopyBackPaused, VD, 92, INFO) \
  X(kVdCopyBackResumed, VD, 93, INFO) \
  X(kVdCopyBackAborted, VD, 94, WARNING) \
  X(kVdCopyBackCompleted, VD, 95, INFO) \
  X(kVdCopyBackProgress, VD, 96, INFO) \
  X(kVdCopyBackFailed, VD, 97, MAJOR) \
  X(kVdCopyBackAutoPaused, VD, 98, INFO) \
  X(kVdCopyBackAutoResumed, VD, 99, INFO) \
  X(kVdInconsistentLba, VD, 100, WARNING) \
  X(kVdHostReadFixStarted, VD, 101, INFO) \
  X(kVdHostReadFixPaused, VD, 102, INFO) \
  X(kVdHostReadFixResumed, VD, 103, INFO) \
  X(kVdHostReadFixAborted, VD, 104, WARNING) \
  X(kVdHostReadFixCompleted, VD, 105, INFO) \
  X(kVdHostReadFixFailed, VD, 106, MAJOR) \
  X(kVdHostReadFixScheduled, VD, 107, INFO) \
  X(kPdLinkDown, PD, 0, WARNING) \
  X(kPdLinkUp, PD, 1, INFO) \
  X(kPdOffline, PD, 2, MAJOR) \
  X(kPdTimedOut, PD, 3, WARNING) \
  X(kPdReadWriteError, PD, 4, MAJOR) \
  X(kPdSmartStarted, PD, 5, INFO) \
  X(kPdErrorFixing, PD, 6, INFO) \
  X(kPdInserted, PD, 7, INFO) \
  X(kPdRemoved, PD, 8, WARNING) \
  X(kPdSpareSet, PD, 9, INFO) \
  X(kPdSpareUnset, PD, 10, INFO) \
  X(kPdSmartOverThreshold, PD, 11, MAJOR) \
  X(kPdSmartPollFailed, PD, 12, WARNING) \
  X(kPdBadBlockTableAlmostFull, PD, 13, WARNING) \
  X(kPdBadBlockTableFull, PD, 14, MAJOR) \
  X(kPdBadBlockReassigned, PD, 15, WARNING) \
  X(kPdCacheModeChanged, PD, 16, INFO) \
  X(kPdMediaPatrolStarted, PD, 17, INFO) \
  X(kPdMediaPatrolStopped, PD, 18, WARNING) \
  X(kPdMediaPatrolAborted, PD, 21, WARNING) \
  X(kPdMediaPatrolCompleted, PD, 22, INFO) \
  X(kPdMediaPatrolProgress, PD, 23, INFO) \
  X(kPdMediaPatrolMediaError, PD, 24, WARNING) \
  X(kPdMediaPatrolAutoPaused, PD, 25, INFO) \
  X(kPdMediaPatrolAutoResumed, PD, 26, INFO) \
  X(kPdCommandFailed, PD, 36, WARNING) \
  X(kPdBadSectorDetected, PD, 37, WARNING) \
  X(kPdBadSectorFixed, PD, 38, INFO) \
  X(kPdSetFree, PD, 54, INFO) \
  X(kPdOfflinePlainOnAesPort, PD, 55, MAJOR) \
  X(kPdOfflineCryptoOnPlainPort, PD, 56, MAJOR) \
  X(kPdOfflineCipherMismatch, PD, 57, MAJOR) \
  X(kPdSpareChanged, PD, 59, INFO) \
  X(kPdBadSectorOnRead, PD, 60, WARNING) \
  X(kPdBadSectorOnWrite, PD, 61, WARNING) \
  X(kPdUncorrectedReadError, PD, 62, MAJOR) \
  X(kPdUncorrectedWriteError, PD, 63, MAJOR) \
  X(kPdRebuildMediaError, PD, 64, WARNING) \
  X(kPdMediaErrorCorrected, PD, 65, INFO) \
  X(kPdRebuildAbortedOnMediaError, PD, 66, MAJOR) \
  X(kPdRequestTimedOut, PD, 67, WARNING) \
  X(kPdInternalRequestTimedOut, PD, 68, WARNING) \
  X(kExpanderPluggedIn, EXPANDER, 0, INFO) \
  X(kExpanderPluggedOut, EXPANDER, 1, WARNING) \
  X(kEnclosureElementUnsupported, ENCLOSURE, 0, INFO) \
  X(kEnclosureElementOk, ENCLOSURE, 1, INFO) \
  X(kEnclosureElementCritical, ENCLOSURE, 2, CRITICAL) \
  X(kEnclosureElementNonCritical, ENCLOSURE, 3, WARNING) \
  X(kEnclosureElementUnrecoverable, ENCLOSURE, 4, CRITICAL) \
  X(kEnclosureElementNotInstalled, ENCLOSURE, 5, WARNING) \
  X(kEnclosureElementUnknown, ENCLOSURE, 6, WARNING) \
  X(kEnclosureElementNotAvailable, ENCLOSURE, 7, WARNING) \
  X(kEnclosureElementNoAccess, ENCLOSURE, 8, WARNING) \
  X(kBatteryPresent, BATTERY, 0, INFO) \
  X(kBatteryNotPresent, BATTERY, 1, WARNING) \
  X(kBatteryNewDetected, BATTERY, 2, INFO) \
  X(kBatteryNeedsReplacing, BATTERY, 3, WARNING) \
  X(kBatteryReplaced, BATTERY, 4, INFO) \
  X(kBatteryRemoved, BATTERY, 5, WARNING) \
  X(kBatteryRelearnStarted, BATTERY, 6, INFO) \
  X(kBatteryRelearnInProgress, BATTERY, 7, INFO) \
  X(kBatteryRelearnCompleted, BATTERY, 8, INFO) \
  X(kBatteryRelearnTimedOut, BATTERY, 9, WARNING) \
  X(kBatteryRelearnPending, BATTERY, 10, INFO) \
  X(kBatteryRelearnPostponed, BATTERY, 11, INFO) \
  X(kBatteryRelearnIn4Days, BATTERY, 12, INFO) \
  X(kBatteryRelearnIn2Days, BATTERY, 13, INFO) \
  X(kBatteryRelearnIn1Day, BATTERY, 14, INFO) \
  X(kBatteryRelearnIn5Hours, BATTERY, 15, INFO) \
  X(kBatteryDischarging, BATTERY, 16, INFO) \
  X(kBatteryChargingStarted, BATTERY, 17, INFO) \
  X(kBatteryChargingCompleted, BATTERY, 18, INFO) \
  X(kBatteryChargerProblem, BATTERY, 19, WARNING) \
  X(kBatteryCapacityBelowThreshold, BATTERY, 20, WARNING) \
  X(kBatteryCapacityAboveThreshold, BATTERY, 21, INFO) \
  X(kBatteryTemperatureLow, BATTERY, 22, WARNING) \
  X(kBatteryTemperatureNormal, BATTERY, 23, INFO) \
  X(kBatteryTemperatureHigh, BATTERY, 24, WARNING) \
  X(kBatteryVoltageLow, BATTERY, 25, WARNING) \
  X(kBatteryVoltageNormal, BATTERY, 26, INFO) \
  X(kBatteryVoltageHigh, BATTERY, 27, WARNING) \
  X(kBatteryAbnormalWriteThrough, BATTERY, 28, WARNING) \
  X(kBatteryNormalWriteBack, BATTERY, 29, INFO) \
  X(kBatteryChargingStopped, BATTERY, 30, INFO) \
  X(kBatteryDischargingStopped, BATTERY, 31, INFO) \
  X(kBatteryChargeThresholdChanged, BATTERY, 32, INFO) \
  X(kBatteryVoltageThresholdChanged, BATTERY, 33, INFO) \
  X(kBatteryTemperatureThresholdChanged, BATTERY, 34, INFO) \
  X(kFlashEraseFailed, FLASH, 1, MAJOR) \
  X(kFlashRecoverFailed, FLASH, 3, MAJOR) \
  X(kFlashWriteFailed, FLASH, 15, MAJOR) \
  X(kFlashReadFailed, FLASH, 16, MAJOR) \
  X(kFlashUpdated, FLASH, 17, INFO) \
  X(kFlashBackedUp, FLASH, 18, INFO) \
  X(kFlashUpdateFailed, FLASH, 19, MAJOR) \
  X(kFlashBackupFailed, FLASH, 20, MAJOR) \
  X(kFlashGenerationInvalid, FLASH, 21, WARNING) \
  X(kFlashBothGenerationsInvalid, FLASH, 22, CRITICAL) \
  X(kFlashHeaderCorrupted, FLASH, 23, MAJOR) \
  X(kFlashDataInvalid, FLASH, 24, MAJOR) \
  X(kFlashImageInvalid, FLASH, 25, CRITICAL) \
  X(kMiscRateChanged, MISC, 1, INFO) \
  X(kMiscMultiBitEccError, MISC, 5, CRITICAL) \
  X(kMiscSingleBitEccError, MISC, 6, WARNING) \
  X(kMiscShutdownReceived, MISC, 7, INFO) \
  X(kMiscPdMissingAtBoot, MISC, 16, WARNING) \
  X(kMiscVdOfflineAtBoot, MISC, 17, CRITICAL) \
  X(kMiscVdMissingAtBoot, MISC, 18, MAJOR) \
  X(kMiscConfigurationMissingAtBoot, MISC, 19, CRITICAL) \
  X(kMiscPdTooSmallForRebuild, MISC, 20, WARNING) \
  X(kMiscPdTooSmallForCopyBack, MISC, 21, WARNING) \
  X(kMiscSynchronizationRateChanged, MISC, 22, INFO) \
  X(kMiscInitializationRateChanged, MISC, 23, INFO) \
  X(kMiscRebuildRateChanged, MISC, 24, INFO) \
  X(kMiscMigrationRateChanged, MISC, 25, INFO) \
  X(kMiscCopyBackRateChanged, MISC, 26, INFO) \
  X(kMiscMediaPatrolRateChanged, MISC, 27, INFO) \
  X(kMiscBuzzerMuted, MISC, 28, INFO) \
  X(kArrayCreated, ARRAY, 0, INFO) \
  X(kArrayDeleted, ARRAY, 1, INFO) \
  X(kEnvTemperatureNormal, ENVIRONMENT, 0, INFO) \
  X(kEnvTemperatureHigh, ENVIRONMENT, 1, WARNING) \
  X(kEnvTemperatureCritical, ENVIRONMENT, 2, CRITICAL) \
  X(kEnvFanNormal, ENVIRONMENT, 3, INFO) \
  X(kEnvFanDefective, ENVIRONMENT, 4, MAJOR) \
  X(kEnvFanAbsent, ENVIRONMENT, 5, MAJOR) \
  X(kEnvPowerSupplyAlert, ENVIRONMENT, 6, MAJOR) \
  X(kEnvPowerSupplyOptimal, ENVIRONMENT, 7, INFO) \
  X(kEnvMutePressed, ENVIRONMENT, 8, INFO) \
  X(kEnvIdentifyPressed, ENVIRONMENT, 9, INFO) \
  X(kEnvIdentifyOn, ENVIRONMENT, 10, INFO) \
  X(kEnvIdentifyOff, ENVIRONMENT, 11, INFO) \
  X(kEnvIntrusionOpened, ENVIRONMENT, 12, WARNING) \
  X(kEnvIntrusionClosed, ENVIRONMENT, 13, INFO) \
  X(kEnvLowPower, ENVIRONMENT, 14, INFO) \
  X(kEnvIdle, ENVIRONMENT, 15, INFO)
// clang-format on

namespace qx {

struct EventKind {
  uint16_t event_class;  // QX_EVT_CLASS_...
  uint16_t code;
  uint8_t severity;      // QX_SEVERITY_...
  const char* name;      // the constant's name, "kPdRemoved"
};

namespace events {
#define QX_EVENT_CONSTANT(name, cls, code, severity) \
  inline constexpr EventKind name{QX_EVT_CLASS_##cls, code, QX_SEVERITY_##severity, #name};
QX_EVENT_LIST(QX_EVENT_CONSTANT)
#undef QX_EVENT_CONSTANT
}  // namespace events

// Every entry, ordered by class and code.
std::span<const EventKind> event_catalogue();

// The entry of a class and code; nullptr for a pair the catalogue lacks.
const EventKind* find_event(uint16_t event_class, uint16_t code);

}  // namespace qx

#endif  // QX_API_EVENT_CATALOGUE_H
