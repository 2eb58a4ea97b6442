# `set` on an arrays-less adapter, read back with
# `get`, `info` and the event log.

=== VD settings chain into get, info and the log
scenario settings.json
$ qxcli set -o vd -i 1 --cacheoff --cacheon --readaheadon -n data_1
$ qxcli get -o vd -i 1
<<< stdout
virtual disk id:         1
cache mode:              On 

$ qxcli info -o vd -i 1
<<< stdout (only name:, only Cache mode:)
name:                data_1
Cache mode:          On 
$ qxcli set -o vd -i 1 --buzzeron
$ qxcli set -o vd -i 1 -n ""
$ qxcli info -o vd -i 1
<<< stdout (only name:)
name:                
$ qxsim events
<<< stdout
1  2026-01-01 00:00:00 UTC  class 1 code 6 device 1 severity 2 params 0 0 0 0
<<< status 0

=== VD refusals come in order and change nothing
$ qxcli set -o vd -i 1 -r 5 -n x
<<< stdout
Invalid setting(s) for VD.
<<< status 1
$ qxcli set -o vd --cacheon
<<< stdout
set: option -i is required
<<< status 1
$ qxcli set -o vd -i 255 -n x
<<< stdout

Invalid virtual disk id :255.
<<< status 1
$ qxcli set -o vd -i 1 --setoffline
<<< stdout
Invalid setting(s) for VD.
<<< status 1
$ qxcli set -o vd -i 1 -n bad.name
<<< stdout
-n, name must be numeric, character, space or underline. Now is bad.name
<<< status 1
$ qxcli set -o vd -i 1 -n abcdefghijk
<<< stdout
-n : length of name should be no more than 10 characters
<<< status 1
$ qxcli set -o vd -i 1 --restoreon --writeback
<<< stdout
VD restore option is not supported on adapter 0.
<<< status 1
$ qxcli set -o vd -i 7 --cacheon
<<< stdout

Unable to get configuration info of VD 7 (error 59: Specified virtual disk doesn't exist)
<<< status 1
$ qxcli set -o vd -i 7 --buzzeron
<<< stdout

Unable to get configuration info of VD 7 (error 59: Specified virtual disk doesn't exist)
<<< status 1
$ qxcli get -o vd -i 1
<<< stdout
virtual disk id:         1
cache mode:              Off 

<<< status 0

=== PD write cache, locate LED and online state
scenario settings.json
$ qxcli set -o pd -i 5 --cacheoff
$ qxcli get -o pd -i 5
<<< stdout
hard disk id:            5
write cache:             off
drive speed:             6 Gb/s

$ qxcli set -o pd -i 5 --locateon
<<< stdout

Failed to set physical disk locate action (error 19: Not supported)
<<< status 1
$ qxcli set -o pd -i 6 --locateon
$ qxcli info -o pd -i 6
<<< stdout (only Locate)
Locate LED status:   on
$ qxcli set -o pd -i 255 --locateon
<<< stdout

invalid PD id :255.
<<< status 1
$ qxcli set -o pd -i 5 -n x
<<< stdout
Invalid setting(s)
<<< status 1
$ qxcli set -o pd -i 0 --setoffline
$ qxcli set -o pd -i 1 --setoffline
<<< stdout

Failed to set status on PD 1 (error 83: Physical disk cannot be set down)
<<< status 83
$ qxcli info -o vd -i 0
<<< stdout (only status:)
status:              degraded
BGA status:          not running
$ qxcli set -o pd -i 1 --forcesetoffline
$ qxcli info -o vd -i 0
<<< stdout (only status:)
status:              offline
BGA status:          not running
$ qxcli set -o pd -i 0 --setonline
$ qxcli set -o pd -i 5 --setonline
<<< stdout

Failed to set status on PD 5 (error 84: pd is not offline)
<<< status 84
$ qxsim events
<<< stdout
1  2026-01-01 00:00:00 UTC  class 2 code 16 device 5 severity 2 params 0 0 0 0
2  2026-01-01 00:00:00 UTC  class 2 code 2 device 0 severity 5 params 0 0 0 0
3  2026-01-01 00:00:00 UTC  class 1 code 4 device 0 severity 5 params 0 0 0 0
4  2026-01-01 00:00:00 UTC  class 2 code 2 device 1 severity 5 params 0 0 0 0
5  2026-01-01 00:00:00 UTC  class 1 code 0 device 0 severity 6 params 0 0 0 0
6  2026-01-01 00:00:00 UTC  class 2 code 54 device 0 severity 2 params 0 0 0 0
7  2026-01-01 00:00:00 UTC  class 1 code 1 device 0 severity 2 params 0 0 0 0
<<< status 0

=== adapter settings are read, changed and written back
scenario settings.json
$ qxcli set -o hba -r 50 -s ABC --buzzeroff
$ qxcli get -o hba
<<< stdout
HBA Index:               0
Auto Rebuild:            on
Rebuild Rate:            100
Initialization Rate:     100
Syncronization Rate:     100
Migration Rate:          100
Media Patrol Rate:       100
Raw Update:              not support
Model:                   QXR-3120 SATA       
Serial:                  ABC                 

$ qxcli info -o hba
<<< stdout (only Serial)
Serial number:                       ABC
$ qxcli set -o hba
$ qxcli set -o hba --smarton
<<< stdout
Smart setting is not supported on adapter 0.
<<< status 1
$ qxcli set -o hba --optimizeon --buzzeron
<<< stdout
Optimize CPU efficiency setting is not supported on adapter 0.
<<< status 1
$ qxcli set -o hba -r 101
<<< stdout
-r : BGA rate out of range (0~100)
<<< status 1
$ qxcli set -o hba -s 123456789012345678901
<<< stdout
-s : serial number should not have more than 20 characters
<<< status 1
$ qxcli set -o hba -n x
<<< stdout
Invalid setting(s) for HBA
<<< status 1
$ qxcli set --clear -o hba
<<< stdout

wipe adapter guid success.
$ qxsim events
<<< stdout
1  2026-01-01 00:00:00 UTC  class 0 code 3 device 0 severity 2 params 0 0 0 0
2  2026-01-01 00:00:00 UTC  class 12 code 1 device 0 severity 2 params 50 0 0 0
<<< status 0

=== the schedule, the driver mode and the link
$ qxcli set -o schedule -t 7
<<< stdout

time and mode must be set at media patrol schedule.
<<< status 1
$ qxcli set -o schedule -m 1 -t 14
<<< stdout
time must be 7 or 30.
<<< status 1
$ qxcli set -o schedule -m 1 -t 30
<<< stdout

set media patrol schedule success.
$ qxcli get -o schedule
<<< stdout
mode 1
interval_time 2592000
$ qxcli set -o driver --powersaving
<<< stdout

Driver has been set to power saving mode.
It will take effect after you reboot the system.
$ qxcli get -o driver
<<< stdout

Driver is in power saving mode
$ qxcli set -o driver
<<< stdout

Failed to configure driver mode
<<< status 1
$ qxcli set -o link -i 1 -d 5
<<< stdout

Failed to change vd 1 linked pd 5 (error 19: Not supported)
<<< status 19
$ qxcli set -o link
<<< stdout
set: option -i is required
<<< status 1

=== an injected fault gives the failure message and the library's status
$ qxsim fault add QX_LD_SetConfig --status 85
$ qxcli set -o vd -i 1 --cacheon
<<< stdout

Failed to configure VD 1 (error 85: ld status is not right)
<<< status 85
$ qxsim fault clear
$ qxsim fault add QX_Adapter_GetConfig --status 1
$ qxcli set -o hba --buzzeroff
<<< stdout

Unable to get configuration info of adapter 0 (error 1: Failed)
<<< status 1
