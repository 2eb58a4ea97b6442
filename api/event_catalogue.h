// Every event the adapter can log, in one table: class, code and severity,
// each under a name. The simulated controller logs only through these names,
// and a reader of the log can look a record's class and code up here.
//
// The list is written once, as X(name, class, code, severity, format, args)
// rows: the named constants, the catalogue and the decoder's formats
// (api/event_formats.h) are all built from it, so a row added here is known
// to all three. The format is the message a reader of the log sees, filled
// printf-style: each begins with "%s", an empty text, so that a description
// begins with a blank. `args` names where the arguments after that prefix
// come from (EventArg in api/event_formats.h); "()" takes them from the
// format: a second "%s" is the VD's object word, a number followed by "%%"
// is params[0], and the one other number is the device id.
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
  X(kAdapterSmartEnabled, ADAPTER, 0, INFO, "%s SMART has been enabled", ()) \
  X(kAdapterSmartDisabled, ADAPTER, 1, INFO, "%s SMART has been disabled", ()) \
  X(kAdapterBuzzerEnabled, ADAPTER, 2, INFO, "%s Buzzer has been enabled", ()) \
  X(kAdapterBuzzerDisabled, ADAPTER, 3, INFO, "%s Buzzer has been disabled", ()) \
  X(kAdapterAutoRebuildEnabled, ADAPTER, 4, INFO, "%s Auto-rebuild has been enabled", ()) \
  X(kAdapterAutoRebuildDisabled, ADAPTER, 5, INFO, "%s Auto-rebuild has been disabled", ()) \
  X(kAdapterMediaPatrolRateChanged, ADAPTER, 6, INFO, "%s Media patrol rate has been changed", ()) \
  X(kAdapterCopyBackEnabled, ADAPTER, 7, INFO, "%s Copy back has been enabled", ()) \
  X(kAdapterCopyBackDisabled, ADAPTER, 8, INFO, "%s Copy back has been disabled", ()) \
  X(kAdapterDetectedWithSerial, ADAPTER, 9, INFO, "%s Adapter %d is detected, serial number not available", ()) \
  X(kAdapterBatteryEccError, ADAPTER, 10, MAJOR, "%s Battery backup unit found an ECC error", ()) \
  X(kAdapterDirtyDataFlushed, ADAPTER, 11, INFO, "%s Auto dirty data flushed %d/%d", (kParam1, kParam0)) \
  X(kAdapterFlushStarted, ADAPTER, 12, INFO, "%s Auto starts flush dirty data", ()) \
  X(kAdapterFlushFinished, ADAPTER, 13, INFO, "%s Auto finish flush dirty data", ()) \
  X(kAdapterPageEccError, ADAPTER, 14, MAJOR, "%s Page data has an ECC error and can not be flushed", ()) \
  X(kAdapterNonCacheMode, ADAPTER, 15, WARNING, "%s Adapter %d run as non-cache mode, cause: lacks enough memory", ()) \
  X(kAdapterRemoved, ADAPTER, 16, WARNING, "%s Adapter %d removed", ()) \
  X(kAdapterDetected, ADAPTER, 17, INFO, "%s Adapter %d detected", ()) \
  X(kAdapterTimeSynchronized, ADAPTER, 18, INFO, "%s Adapter %d event time synchronization success", ()) \
  X(kAdapterEventsLost, ADAPTER, 65535, WARNING, "%s Event(s) lost. Current seqNum %d, last seqNum %d", (kSequence, kParam2)) \
  X(kVdOffline, VD, 0, CRITICAL, "%s %s %d is offline", ()) \
  X(kVdOnline, VD, 1, INFO, "%s %s %d is online", ()) \
  X(kVdCreated, VD, 2, INFO, "%s %s %d is created", ()) \
  X(kVdDeleted, VD, 3, INFO, "%s %s %d is deleted", ()) \
  X(kVdDegraded, VD, 4, MAJOR, "%s Virtual Disk %d is degraded", ()) \
  X(kVdLostRedundancy, VD, 5, MAJOR, "%s Virtual Disk %d lost a redundancy disk", ()) \
  X(kVdCacheModeChanged, VD, 6, INFO, "%s Cache mode on %s %d has been changed", ()) \
  X(kVdSynchronizationSucceeded, VD, 7, INFO, "%s Synchronization on %s %d succeeded", ()) \
  X(kVdSynchronizationFailed, VD, 8, MAJOR, "%s Synchronization on %s %d failed ", ()) \
  X(kVdImported, VD, 9, INFO, "%s virtual disk %d has been imported into disk array %d", (kDevice, kParam0)) \
  X(kVdCheckStarted, VD, 20, INFO, "%s Consistency check on %s %d start", ()) \
  X(kVdCheckPaused, VD, 22, INFO, "%s Consistency check on %s %d paused", ()) \
  X(kVdCheckResumed, VD, 23, INFO, "%s Consistency check on %s %d resumed", ()) \
  X(kVdCheckAborted, VD, 24, WARNING, "%s Consistency check on %s %d aborted", ()) \
  X(kVdCheckCompleted, VD, 25, INFO, "%s Consistency check on %s %d completed", ()) \
  X(kVdCheckProgress, VD, 26, INFO, "%s Consistency check on %s %d is %d%% done", ()) \
  X(kVdCheckFailed, VD, 27, MAJOR, "%s Consistency check on %s %d failed", ()) \
  X(kVdCheckAutoPaused, VD, 28, INFO, "%s Consistency check on %s %d is auto paused", ()) \
  X(kVdCheckAutoResumed, VD, 29, INFO, "%s Consistency check on %s %d is auto resumed", ()) \
  X(kVdFixStarted, VD, 30, INFO, "%s Consistency fix on %s %d started", ()) \
  X(kVdFixPaused, VD, 32, INFO, "%s Consistency fix on %s %d paused", ()) \
  X(kVdFixResumed, VD, 33, INFO, "%s Consistency fix on %s %d resumed", ()) \
  X(kVdFixAborted, VD, 34, WARNING, "%s Consistency fix on %s %d aborted", ()) \
  X(kVdFixCompleted, VD, 35, INFO, "%s Consistency fix on %s %d completed", ()) \
  X(kVdFixProgress, VD, 36, INFO, "%s Consistency fix on %s %d is %d%% done", ()) \
  X(kVdFixFailed, VD, 37, MAJOR, "%s Consistency fix on %s %d failed", ()) \
  X(kVdFixAutoPaused, VD, 38, INFO, "%s Consistency fix on %s %d is auto paused", ()) \
  X(kVdFixAutoResumed, VD, 39, INFO, "%s Consistency fix on %s %d is auto resumed", ()) \
  X(kVdFastInitStarted, VD, 40, INFO, "%s Fast initialization on %s %d started", ()) \
  X(kVdFastInitPaused, VD, 42, INFO, "%s Fast initialization on %s %d paused", ()) \
  X(kVdFastInitResumed, VD, 43, INFO, "%s Fast initialization on %s %d resumed", ()) \
  X(kVdFastInitAborted, VD, 44, WARNING, "%s Fast initialization on %s %d aborted", ()) \
  X(kVdFastInitCompleted, VD, 45, INFO, "%s Fast initialization on %s %d completed", ()) \
  X(kVdFastInitProgress, VD, 46, INFO, "%s Fast initialization on %s %d is %d%% done", ()) \
  X(kVdFastInitFailed, VD, 47, MAJOR, "%s Fast initialization on %s %d failed", ()) \
  X(kVdFastInitAutoPaused, VD, 48, INFO, "%s Fast initialization on %s %d is auto paused", ()) \
  X(kVdFastInitAutoResumed, VD, 49, INFO, "%s Fast initialization on %s %d is auto resumed", ()) \
  X(kVdBackgroundInitStarted, VD, 50, INFO, "%s Background initialization on virtual disk %d started", ()) \
  X(kVdBackgroundInitPaused, VD, 52, INFO, "%s Background initialization on virtual disk %d paused", ()) \
  X(kVdBackgroundInitResumed, VD, 53, INFO, "%s Background initialization on virtual disk %d resumed", ()) \
  X(kVdBackgroundInitAborted, VD, 54, WARNING, "%s Background initialization on virtual disk %d aborted", ()) \
  X(kVdBackgroundInitCompleted, VD, 55, INFO, "%s Background initialization on virtual disk %d completed", ()) \
  X(kVdBackgroundInitProgress, VD, 56, INFO, "%s Background initialization on virtual disk %d is %d%% done", ()) \
  X(kVdBackgroundInitFailed, VD, 57, MAJOR, "%s Background initialization on virtual disk %d failed", ()) \
  X(kVdBackgroundInitAutoPaused, VD, 58, INFO, "%s Background initialization on virtual disk %d auto paused", ()) \
  X(kVdBackgroundInitAutoResumed, VD, 59, INFO, "%s Background initialization on virtual disk %d auto resumed", ()) \
  X(kVdForegroundInitStarted, VD, 60, INFO, "%s Foreground initialization on virtual disk %d started", ()) \
  X(kVdForegroundInitPaused, VD, 62, INFO, "%s Foreground initialization on virtual disk %d paused", ()) \
  X(kVdForegroundInitResumed, VD, 63, INFO, "%s Foreground initialization on virtual disk %d resumed", ()) \
  X(kVdForegroundInitAborted, VD, 64, WARNING, "%s Foreground initialization on virtual disk %d aborted", ()) \
  X(kVdForegroundInitCompleted, VD, 65, INFO, "%s Foreground initialization on virtual disk %d completed", ()) \
  X(kVdForegroundInitProgress, VD, 66, INFO, "%s Foreground initialization on virtual disk %d is %d%% done", ()) \
  X(kVdForegroundInitFailed, VD, 67, MAJOR, "%s Foreground initialization on virtual disk %d failed", ()) \
  X(kVdForegroundInitAutoPaused, VD, 68, INFO, "%s Foreground initialization on virtual disk %d auto paused", ()) \
  X(kVdForegroundInitAutoResumed, VD, 69, INFO, "%s Foreground initialization on virtual disk %d auto resumed", ()) \
  X(kVdRebuildStarted, VD, 70, INFO, "%s Rebuild disk on virtual disk %d started", ()) \
  X(kVdRebuildPaused, VD, 72, INFO, "%s Rebuild disk on virtual disk %d paused", ()) \
  X(kVdRebuildResumed, VD, 73, INFO, "%s Rebuild disk on virtual disk %d resumed", ()) \
  X(kVdRebuildAborted, VD, 74, WARNING, "%s Rebuild disk on virtual disk %d aborted", ()) \
  X(kVdRebuildCompleted, VD, 75, INFO, "%s Rebuild disk on virtual disk %d completed", ()) \
  X(kVdRebuildProgress, VD, 76, INFO, "%s Rebuild disk on virtual disk %d is %d%% done", ()) \
  X(kVdRebuildFailed, VD, 77, MAJOR, "%s Rebuild disk on virtual disk %d failed", ()) \
  X(kVdRebuildAutoPaused, VD, 78, INFO, "%s Rebuild disk on virtual disk %d is auto paused", ()) \
  X(kVdRebuildAutoResumed, VD, 79, INFO, "%s Rebuild disk on virtual disk %d is auto resumed", ()) \
  X(kVdMigrationStarted, VD, 80, INFO, "%s Migration on virtual disk %d started", ()) \
  X(kVdMigrationPaused, VD, 82, INFO, "%s Migration on virtual disk %d paused", ()) \
  X(kVdMigrationResumed, VD, 83, INFO, "%s Migration on virtual disk %d resumed", ()) \
  X(kVdMigrationAborted, VD, 84, WARNING, "%s Migration on virtual disk %d aborted", ()) \
  X(kVdMigrationCompleted, VD, 85, INFO, "%s Migration on virtual disk %d completed", ()) \
  X(kVdMigrationProgress, VD, 86, INFO, "%s Migration on virtual disk %d is %d%% done", ()) \
  X(kVdMigrationFailed, VD, 87, MAJOR, "%s Migration on virtual disk %d failed", ()) \
  X(kVdMigrationAutoPaused, VD, 88, INFO, "%s Migration on virtual disk %d is auto paused", ()) \
  X(kVdMigrationAutoResumed, VD, 89, INFO, "%s Migration on virtual disk %d is auto resumed", ()) \
  X(kVdCopyBackStarted, VD, 90, INFO, "%s Copy back on virtual disk %d started", ()) \
  X(kVdCopyBackPaused, VD, 92, INFO, "%s Copy back on virtual disk %d paused", ()) \
  X(kVdCopyBackResumed, VD, 93, INFO, "%s Copy back on virtual disk %d resumed", ()) \
  X(kVdCopyBackAborted, VD, 94, WARNING, "%s Copy back on virtual disk %d aborted", ()) \
  X(kVdCopyBackCompleted, VD, 95, INFO, "%s Copy back on virtual disk %d completed", ()) \
  X(kVdCopyBackProgress, VD, 96, INFO, "%s Copy back on virtual disk %d is %d%% done", ()) \
  X(kVdCopyBackFailed, VD, 97, MAJOR, "%s Copy back on virtual disk %d failed", ()) \
  X(kVdCopyBackAutoPaused, VD, 98, INFO, "%s Copy back on virtual disk %d is auto paused", ()) \
  X(kVdCopyBackAutoResumed, VD, 99, INFO, "%s Copy back on virtual disk %d is auto resumed", ()) \
  X(kVdInconsistentLba, VD, 100, WARNING, "%s Consistency check/fix on virtual disk %d found inconsistent LBA 0x%x", (kDevice, kParam1)) \
  X(kVdHostReadFixStarted, VD, 101, INFO, "%s Host Read Fix on virtual disk %d started", ()) \
  X(kVdHostReadFixPaused, VD, 102, INFO, "%s Host Read Fix on virtual disk %d paused", ()) \
  X(kVdHostReadFixResumed, VD, 103, INFO, "%s Host Read Fix on virtual disk %d resumed", ()) \
  X(kVdHostReadFixAborted, VD, 104, WARNING, "%s Host Read Fix on virtual disk %d aborted", ()) \
  X(kVdHostReadFixCompleted, VD, 105, INFO, "%s Host Read Fix on virtual disk %d completed", ()) \
  X(kVdHostReadFixFailed, VD, 106, MAJOR, "%s Host Read Fix on virtual disk %d failed at LBA 0x%08x%08x, count=%d", (kDevice, kParam0, kParam1, kParam2)) \
  X(kVdHostReadFixScheduled, VD, 107, INFO, "%s Host Read Fix on virtual disk %d schedule at LBA 0x%08x%08x, count=%d", (kDevice, kParam0, kParam1, kParam2)) \
  X(kPdLinkDown, PD, 0, WARNING, "%s Physical Disk %d link down", ()) \
  X(kPdLinkUp, PD, 1, INFO, "%s Physical Disk %d link up", ()) \
  X(kPdOffline, PD, 2, MAJOR, "%s Physical disk %d is offline", ()) \
  X(kPdTimedOut, PD, 3, WARNING, "%s Request to physical disk %d is timed out", ()) \
  X(kPdReadWriteError, PD, 4, MAJOR, "%s Physical disk %d read write error.", ()) \
  X(kPdSmartStarted, PD, 5, INFO, "%s Physical disk %d  S.M.A.R.T started", ()) \
  X(kPdErrorFixing, PD, 6, INFO, "%s Physical disk %d error being fixed", ()) \
  X(kPdInserted, PD, 7, INFO, "%s Physical Disk %d Inserted", ()) \
  X(kPdRemoved, PD, 8, WARNING, "%s Physical Disk %d is Removed", ()) \
  X(kPdSpareSet, PD, 9, INFO, "%s Physical disk %d has been assigned as spare drive", ()) \
  X(kPdSpareUnset, PD, 10, INFO, "%s Physical disk %d has been unset as spare drive", ()) \
  X(kPdSmartOverThreshold, PD, 11, MAJOR, "%s SMART has over threshold on physical disk %d", ()) \
  X(kPdSmartPollFailed, PD, 12, WARNING, "%s SMART polling failed on physical disk %d", ()) \
  X(kPdBadBlockTableAlmostFull, PD, 13, WARNING, "%s Bad block table on physical disk %d is 80%% full", ()) \
  X(kPdBadBlockTableFull, PD, 14, MAJOR, "%s Bad block table on physical disk %d is full", ()) \
  X(kPdBadBlockReassigned, PD, 15, WARNING, "%s Bad block reassigned on physical disk %d", ()) \
  X(kPdCacheModeChanged, PD, 16, INFO, "%s Cache mode of physical disk %d has been changed", ()) \
  X(kPdMediaPatrolStarted, PD, 17, INFO, "%s Media Patrol on physical disk %d started", ()) \
  X(kPdMediaPatrolStopped, PD, 18, WARNING, "%s Media Patrol on physical disk %d manually stopped", ()) \
  X(kPdMediaPatrolAborted, PD, 21, WARNING, "%s Media Patrol on physical disk %d aborted", ()) \
  X(kPdMediaPatrolCompleted, PD, 22, INFO, "%s Media Patrol on physical disk %d completed", ()) \
  X(kPdMediaPatrolProgress, PD, 23, INFO, "%s Media Patrol on physical disk %d is %d%% done", ()) \
  X(kPdMediaPatrolMediaError, PD, 24, WARNING, "%s Media Patrol has detected a Media Error on Disk %d near LBA 0x%x%08x, count=%d", (kDevice, kParam0, kParam1, kParam2)) \
  X(kPdMediaPatrolAutoPaused, PD, 25, INFO, "%s Media Patrol on physical disk %d is auto paused", ()) \
  X(kPdMediaPatrolAutoResumed, PD, 26, INFO, "%s Media Patrol on physical disk %d is auto resumed", ()) \
  X(kPdCommandFailed, PD, 36, WARNING, "%s Command [0x%x] on physical disk %d failed. Sense key=0x%x, ASC=0x%x, ASCQ=0x%x", (kParam0, kDevice, kParam1, kParam2, kParam3)) \
  X(kPdBadSectorDetected, PD, 37, WARNING, "%s Bad Sector is detected on disk %d at LBA 0x%x%08x, count=%d, flag=0x%08x.", (kDevice, kParam0, kParam1, kParam2, kParam3)) \
  X(kPdBadSectorFixed, PD, 38, INFO, "%s Bad Sector is fixed on disk %d at LBA 0x%x%08x, count=%d, flag=0x%08x.", (kDevice, kParam0, kParam1, kParam2, kParam3)) \
  X(kPdSetFree, PD, 54, INFO, "%s Physical disk %d has been set as free disk", ()) \
  X(kPdOfflinePlainOnAesPort, PD, 55, MAJOR, "%s Physical disk %d offline caused by plain disk on AES enabled port", ()) \
  X(kPdOfflineCryptoOnPlainPort, PD, 56, MAJOR, "%s Physical disk %d offline caused by crypto disk on AES disable port", ()) \
  X(kPdOfflineCipherMismatch, PD, 57, MAJOR, "%s Physical disk %d offline caused by cipher is mismatch between disk and port", ()) \
  X(kPdSpareChanged, PD, 59, INFO, "%s Spare disk information changed", ()) \
  X(kPdBadSectorOnRead, PD, 60, WARNING, "%s Bad Sector is detected on reading disk %d at LBA 0x%x%08x, count=%d.", (kDevice, kParam0, kParam1, kParam2)) \
  X(kPdBadSectorOnWrite, PD, 61, WARNING, "%s Bad Sector is detected on writing disk %d at LBA 0x%x%08x, count=%d.", (kDevice, kParam0, kParam1, kParam2)) \
  X(kPdUncorrectedReadError, PD, 62, MAJOR, "", ()) \
  X(kPdUncorrectedWriteError, PD, 63, MAJOR, "", ()) \
  X(kPdRebuildMediaError, PD, 64, WARNING, "%s Rebuild has found Media Error on disk %d at LBA 0x%x%08x, count=%d, features=0x%08x.", (kDevice, kParam0, kParam1, kParam2, kParam3)) \
  X(kPdMediaErrorCorrected, PD, 65, INFO, "", ()) \
  X(kPdRebuildAbortedOnMediaError, PD, 66, MAJOR, "%s Rebuild Operation has been aborted due to Media Error on writing disk %d at LBA 0x%x%08x, count=%d.", (kDevice, kParam0, kParam1, kParam2)) \
  X(kPdRequestTimedOut, PD, 67, WARNING, "%s Request to physical disk %d is timed out, CFIS(%08x_%08x_%08x_%08x)", (kDevice, kParam0, kParam1, kParam2, kParam3)) \
  X(kPdInternalRequestTimedOut, PD, 68, WARNING, "%s Request (internal)to physical disk %d is timed out, CFIS(%08x_%08x_%08x_%08x)", (kDevice, kParam0, kParam1, kParam2, kParam3)) \
  X(kExpanderPluggedIn, EXPANDER, 0, INFO, "%s Expander %d is plugged in", ()) \
  X(kExpanderPluggedOut, EXPANDER, 1, WARNING, "%s Expander %d is plugged out", ()) \
  X(kEnclosureElementUnsupported, ENCLOSURE, 0, INFO, "%s Unknown Enclosure event class: code = %d", (kCode)) \
  X(kEnclosureElementOk, ENCLOSURE, 1, INFO, "%s Unknown Enclosure event class: code = %d", (kCode)) \
  X(kEnclosureElementCritical, ENCLOSURE, 2, CRITICAL, "%s Unknown Enclosure event class: code = %d", (kCode)) \
  X(kEnclosureElementNonCritical, ENCLOSURE, 3, WARNING, "%s Unknown Enclosure event class: code = %d", (kCode)) \
  X(kEnclosureElementUnrecoverable, ENCLOSURE, 4, CRITICAL, "%s Unknown Enclosure event class: code = %d", (kCode)) \
  X(kEnclosureElementNotInstalled, ENCLOSURE, 5, WARNING, "%s Unknown Enclosure event class: code = %d", (kCode)) \
  X(kEnclosureElementUnknown, ENCLOSURE, 6, WARNING, "%s Unknown Enclosure event class: code = %d", (kCode)) \
  X(kEnclosureElementNotAvailable, ENCLOSURE, 7, WARNING, "%s Unknown Enclosure event class: code = %d", (kCode)) \
  X(kEnclosureElementNoAccess, ENCLOSURE, 8, WARNING, "%s Unknown Enclosure event class: code = %d", (kCode)) \
  X(kBatteryPresent, BATTERY, 0, INFO, "%s Battery present", ()) \
  X(kBatteryNotPresent, BATTERY, 1, WARNING, "%s Battery not present", ()) \
  X(kBatteryNewDetected, BATTERY, 2, INFO, "%s New battery detecte", ()) \
  X(kBatteryNeedsReplacing, BATTERY, 3, WARNING, "%s Battery needs to be replaced", ()) \
  X(kBatteryReplaced, BATTERY, 4, INFO, "%s Battery has been replaced", ()) \
  X(kBatteryRemoved, BATTERY, 5, WARNING, "%s Battery is removed", ()) \
  X(kBatteryRelearnStarted, BATTERY, 6, INFO, "%s Battery relearn started", ()) \
  X(kBatteryRelearnInProgress, BATTERY, 7, INFO, "%s Battery relearn in progress", ()) \
  X(kBatteryRelearnCompleted, BATTERY, 8, INFO, "%s Battery relearn completed", ()) \
  X(kBatteryRelearnTimedOut, BATTERY, 9, WARNING, "%s Battery relearn timed out", ()) \
  X(kBatteryRelearnPending, BATTERY, 10, INFO, "%s Battery relearn pending: Battery is under charge", ()) \
  X(kBatteryRelearnPostponed, BATTERY, 11, INFO, "%s Battery relearn postponed", ()) \
  X(kBatteryRelearnIn4Days, BATTERY, 12, INFO, "%s Battery relearn will start in 4 days", ()) \
  X(kBatteryRelearnIn2Days, BATTERY, 13, INFO, "%s Battery relearn will start in 2 days", ()) \
  X(kBatteryRelearnIn1Day, BATTERY, 14, INFO, "%s Battery relearn will start in 1 day", ()) \
  X(kBatteryRelearnIn5Hours, BATTERY, 15, INFO, "%s Battery relearn will start in 5 hours", ()) \
  X(kBatteryDischarging, BATTERY, 16, INFO, "%s Battery is discharging", ()) \
  X(kBatteryChargingStarted, BATTERY, 17, INFO, "%s Battery started charging", ()) \
  X(kBatteryChargingCompleted, BATTERY, 18, INFO, "%s Battery completed charging", ()) \
  X(kBatteryChargerProblem, BATTERY, 19, WARNING, "%s Battery/charger problems detected", ()) \
  X(kBatteryCapacityBelowThreshold, BATTERY, 20, WARNING, "%s Battery capacity is below threshold", ()) \
  X(kBatteryCapacityAboveThreshold, BATTERY, 21, INFO, "%s Battery capacity is above threshold", ()) \
  X(kBatteryTemperatureLow, BATTERY, 22, WARNING, "%s Battery temperature is low", ()) \
  X(kBatteryTemperatureNormal, BATTERY, 23, INFO, "%s Battery temperature back to normal", ()) \
  X(kBatteryTemperatureHigh, BATTERY, 24, WARNING, "%s Battery temperature is high", ()) \
  X(kBatteryVoltageLow, BATTERY, 25, WARNING, "%s Battery voltage is low", ()) \
  X(kBatteryVoltageNormal, BATTERY, 26, INFO, "%s Battery voltage back to normal", ()) \
  X(kBatteryVoltageHigh, BATTERY, 27, WARNING, "%s Battery voltage is high", ()) \
  X(kBatteryAbnormalWriteThrough, BATTERY, 28, WARNING, "%s Battery status is abnormal, VDs with auto-cache are now in write through mode", ()) \
  X(kBatteryNormalWriteBack, BATTERY, 29, INFO, "%s Battery status back to normal, VDs with auto-cache are now in write back mode", ()) \
  X(kBatteryChargingStopped, BATTERY, 30, INFO, "%s Battery stop charging", ()) \
  X(kBatteryDischargingStopped, BATTERY, 31, INFO, "%s Battery stop discharging", ()) \
  X(kBatteryChargeThresholdChanged, BATTERY, 32, INFO, "%s Battery change charge threshold", ()) \
  X(kBatteryVoltageThresholdChanged, BATTERY, 33, INFO, "%s Battery change voltage warning threshold", ()) \
  X(kBatteryTemperatureThresholdChanged, BATTERY, 34, INFO, "%s Battery change temperature warning threshold", ()) \
  X(kFlashEraseFailed, FLASH, 1, MAJOR, "%s Flash Erase Failed", ()) \
  X(kFlashRecoverFailed, FLASH, 3, MAJOR, "%s Flash Recover Failed", ()) \
  X(kFlashWriteFailed, FLASH, 15, MAJOR, "%s Normal flash write operation failed", ()) \
  X(kFlashReadFailed, FLASH, 16, MAJOR, "%s Normal flash read operation failed", ()) \
  X(kFlashUpdated, FLASH, 17, INFO, "%s Update image succeeded", ()) \
  X(kFlashBackedUp, FLASH, 18, INFO, "%s Backup image succeeded", ()) \
  X(kFlashUpdateFailed, FLASH, 19, MAJOR, "%s Update image failed", ()) \
  X(kFlashBackupFailed, FLASH, 20, MAJOR, "%s Backup image failed", ()) \
  X(kFlashGenerationInvalid, FLASH, 21, WARNING, "%s Image generation invalid", ()) \
  X(kFlashBothGenerationsInvalid, FLASH, 22, CRITICAL, "%s Dual Images generation both invalid", ()) \
  X(kFlashHeaderCorrupted, FLASH, 23, MAJOR, "%s Image Header corrupted (Signature invalid)", ()) \
  X(kFlashDataInvalid, FLASH, 24, MAJOR, "%s Image Data in Flash is invalid", ()) \
  X(kFlashImageInvalid, FLASH, 25, CRITICAL, "%s Image Data and Header are all invalid", ()) \
  X(kMiscRateChanged, MISC, 1, INFO, "%s Background activity rate changed to %d%%", ()) \
  X(kMiscMultiBitEccError, MISC, 5, CRITICAL, "%s Multi-bit ECC error: count = %d, address = 0x%X, module ID = %d", (kParam0, kParam1, kParam2)) \
  X(kMiscSingleBitEccError, MISC, 6, WARNING, "%s Single-bit ECC error: count = %d", (kParam0)) \
  X(kMiscShutdownReceived, MISC, 7, INFO, "%s Shutdown command received from host", ()) \
  X(kMiscPdMissingAtBoot, MISC, 16, WARNING, "%s Physical disk missing from virtual disk %d configuration at boot", ()) \
  X(kMiscVdOfflineAtBoot, MISC, 17, CRITICAL, "%s Virtual disk %d missing drives and went offline at boot", ()) \
  X(kMiscVdMissingAtBoot, MISC, 18, MAJOR, "%s Virtual disk %d missing at boot", ()) \
  X(kMiscConfigurationMissingAtBoot, MISC, 19, CRITICAL, "%s Previous configuration completely missing at boot", ()) \
  X(kMiscPdTooSmallForRebuild, MISC, 20, WARNING, "%s Physical disk %d too small to be used for auto-rebuild", ()) \
  X(kMiscPdTooSmallForCopyBack, MISC, 21, WARNING, "%s Physical disk %d too small to be used for copy back", ()) \
  X(kMiscSynchronizationRateChanged, MISC, 22, INFO, "%s Synchronization rate has been changed to %d%%", ()) \
  X(kMiscInitializationRateChanged, MISC, 23, INFO, "%s Initialization rate has been changed to %d%%", ()) \
  X(kMiscRebuildRateChanged, MISC, 24, INFO, "%s Rebuild rate has been changed to %d%%", ()) \
  X(kMiscMigrationRateChanged, MISC, 25, INFO, "%s Migration rate has been changed to %d%%", ()) \
  X(kMiscCopyBackRateChanged, MISC, 26, INFO, "%s Copyback rate has been changed to %d%%", ()) \
  X(kMiscMediaPatrolRateChanged, MISC, 27, INFO, "%s Media patrol rate has been changed to %d%%", ()) \
  X(kMiscBuzzerMuted, MISC, 28, INFO, "%s Adapter buzzer set to mute", ()) \
  X(kArrayCreated, ARRAY, 0, INFO, "%s Array %d is created", ()) \
  X(kArrayDeleted, ARRAY, 1, INFO, "%s Array %d is deleted", ()) \
  X(kEnvTemperatureNormal, ENVIRONMENT, 0, INFO, "%s Adapter %d temperature check pass", (kAdapterNumber)) \
  X(kEnvTemperatureHigh, ENVIRONMENT, 1, WARNING, "%s Adapter %d is high temperature", (kAdapterNumber)) \
  X(kEnvTemperatureCritical, ENVIRONMENT, 2, CRITICAL, "%s Adapter %d is critical temperature, immediate action requested", (kAdapterNumber)) \
  X(kEnvFanNormal, ENVIRONMENT, 3, INFO, "%s Adapter %d Fan %d check pass", (kAdapterNumber, kDevice)) \
  X(kEnvFanDefective, ENVIRONMENT, 4, MAJOR, "%s Adapter %d Defective fan %d found", (kAdapterNumber, kDevice)) \
  X(kEnvFanAbsent, ENVIRONMENT, 5, MAJOR, "%s Adapter %d Absent fan %d found", (kAdapterNumber, kDevice)) \
  X(kEnvPowerSupplyAlert, ENVIRONMENT, 6, MAJOR, "%s Adapter %d power supply %d alert", (kAdapterNumber, kDevice)) \
  X(kEnvPowerSupplyOptimal, ENVIRONMENT, 7, INFO, "%s Adapter %d power supply %d is optimal", (kAdapterNumber, kDevice)) \
  X(kEnvMutePressed, ENVIRONMENT, 8, INFO, "%s Adapter %d mute is pressed", (kAdapterNumber)) \
  X(kEnvIdentifyPressed, ENVIRONMENT, 9, INFO, "%s Adapter %d identification is pressed", (kAdapterNumber)) \
  X(kEnvIdentifyOn, ENVIRONMENT, 10, INFO, "%s Adapter %d identification is on", (kAdapterNumber)) \
  X(kEnvIdentifyOff, ENVIRONMENT, 11, INFO, "%s Adapter %d identification is off", (kAdapterNumber)) \
  X(kEnvIntrusionOpened, ENVIRONMENT, 12, WARNING, "%s Adapter %d intrusion is opened", (kAdapterNumber)) \
  X(kEnvIntrusionClosed, ENVIRONMENT, 13, INFO, "%s Adapter %d intrusion is closed", (kAdapterNumber)) \
  X(kEnvLowPower, ENVIRONMENT, 14, INFO, "%s Adapter %d become low power status", (kAdapterNumber)) \
  X(kEnvIdle, ENVIRONMENT, 15, INFO, "%s Adapter %d become idle status", (kAdapterNumber))
// clang-format on

// Codes whose format depends on the record: V(name, selector, value, format,
// args), tried in turn before the code's own format. Selectors are those of
// EventSelector (api/event_formats.h).
// clang-format off
#define QX_EVENT_VARIANT_LIST(V) \
  V(kAdapterDetectedWithSerial, kSenseGiven, 0, "%s Adapter %d with serial number %s is detected", (kDevice, kSerial)) \
  V(kVdDeleted, kParam0NonZero, 0, "%s %s %s is deleted", (kObjectWord, kName)) \
  V(kVdRebuildStarted, kParam3Is, QX_EVT_TIER_VD, "%s Initialization data on TwinTier %d started", ()) \
  V(kVdRebuildResumed, kParam3Is, QX_EVT_TIER_VD, "%s Initialization data on TwinTier %d resumed", ()) \
  V(kVdRebuildAborted, kParam3Is, QX_EVT_TIER_VD, "%s Initialization data on TwinTier %d aborted", ()) \
  V(kVdRebuildCompleted, kParam3Is, QX_EVT_TIER_VD, "%s Initialization data on TwinTier %d completed", ()) \
  V(kVdRebuildFailed, kParam3Is, QX_EVT_TIER_VD, "%s Initialization data on TwinTier %d failed", ()) \
  V(kVdInconsistentLba, kParam0NonZero, 0, "%s Consistency check/fix on virtual disk %d found inconsistent LBA 0x%x%08x", (kDevice, kParam0, kParam1)) \
  V(kPdSpareChanged, kParam0NonZero, 0, "%s Spare disk %d used by disk array %d", (kParam0LowByte, kParam1)) \
  V(kPdBadSectorOnRead, kParam3NonZero, 0, "%s Bad Sector is detected on reading disk %d at LBA 0x%x%08x, count=%d(0x%08x)", (kDevice, kParam0, kParam1, kParam2, kParam3)) \
  V(kPdBadSectorOnWrite, kParam3NonZero, 0, "%s Bad Sector is detected on writing disk %d at LBA 0x%x%08x, count=%d(0x%08x).", (kDevice, kParam0, kParam1, kParam2, kParam3)) \
  V(kPdUncorrectedReadError, kParam3Is, 512, "%s Media Patrol is unable to correct Media Error on disk %d at LBA 0x%x%08x, count=%d.", (kDevice, kParam0, kParam1, kParam2)) \
  V(kPdUncorrectedReadError, kParam3Is, 1, "%s Rebuild Operation has detected Bad Sector on reading disk %d at LBA 0x%x%08x, count=%d.", (kDevice, kParam0, kParam1, kParam2)) \
  V(kPdUncorrectedReadError, kParam3Is, 2048, "%s Failed to Correct Media Error detected on virtual disk %d at LBA 0x%x%08x, count=%d.", (kDevice, kParam0, kParam1, kParam2)) \
  V(kPdUncorrectedWriteError, kParam3Is, 512, "%s Media Patrol is unable to correct Media Error on disk %d at LBA 0x%x%08x, count=%d.", (kDevice, kParam0, kParam1, kParam2)) \
  V(kPdUncorrectedWriteError, kParam3Is, 1, "%s Rebuild Operation has detected Bad Sector on writing disk %d at LBA 0x%x%08x, count=%d.", (kDevice, kParam0, kParam1, kParam2)) \
  V(kPdUncorrectedWriteError, kParam3Is, 2048, "%s Failed to Correct Media Error detected on disk %d at LBA 0x%x%08x, count=%d.", (kDevice, kParam0, kParam1, kParam2)) \
  V(kPdMediaErrorCorrected, kParam3Is, 512, "%s Media Patrol has corrected a Media Error on disk %d at LBA 0x%x%08x, count=%d.", (kDevice, kParam0, kParam1, kParam2)) \
  V(kPdMediaErrorCorrected, kParam3Is, 1, "%s Rebuild Operation found error and corrected on disk %d at LBA 0x%x%08x, count=%d.", (kDevice, kParam0, kParam1, kParam2)) \
  V(kPdMediaErrorCorrected, kParam3Is, 2048, "%s Media Error has been found and corrected on disk %d at LBA 0x%x%08x, count=%d.", (kDevice, kParam0, kParam1, kParam2))
// clang-format on

namespace qx {

struct EventKind {
  uint16_t event_class;  // QX_EVT_CLASS_...
  uint16_t code;
  uint8_t severity;      // QX_SEVERITY_...
  const char* name;      // the constant's name, "kPdRemoved"
};

namespace events {
#define QX_EVENT_CONSTANT(name, cls, code, severity, ...) \
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
