# `set` on the array-capable adapter 1 of the default scenario: every change is confirmed.

=== an array's name and write cache, which reaches its member disks
$ qxcli 1 set -o array -i 0 -n data --cacheoff
<<< stdout
Set configuration parameter(s) of Array 0 successful.
$ qxcli 1 get -o array
<<< stdout
array id:                0
write cache:             off

$ qxcli 1 get -o pd -i 0
<<< stdout
hard disk id:            0
write cache:             off
drive speed:             12 Gb/s

$ qxcli 1 set -o pd -i 0 --cacheon
<<< stdout

PD 0 has been set by array. Please change property "Write Cache" in array.
<<< status 1
$ qxcli 1 set -o pd -i 0 --setoffline
<<< stdout
Set configuration parameter(s) of PD 0 successful.
$ qxcli 1 set -o pd -i 2
<<< stdout
The configuration parameter for PD must be set.
<<< status 1
$ qxcli 1 set -o array -i 0
<<< stdout
The configuration parameter for Array must be set.
<<< status 1
$ qxcli 1 set -o array -i 0 --buzzeron -n x
<<< stdout
Invalid setting(s) for Array.
<<< status 1

=== VD settings and their refusals
$ qxcli 1 set -o vd -i 0 --cacheon
<<< stdout
Set configuration parameter(s) of VD 0 successful.
$ qxcli 1 set -o vd -i 0 --readaheadon -n fast
<<< stdout
Set configuration parameter(s) of VD 0 successful.
$ qxcli 1 info -o vd -i 0
<<< stdout (only name:)
name:                fast
$ qxcli 1 set -o vd -i 0
<<< stdout
The configuration parameter for VD must be set.
<<< status 1
$ qxcli 1 set -o vd -i 0 -b 5
<<< stdout
Invalid setting(s) for VD.
<<< status 1

=== adapter rates, serial and model
$ qxcli 1 set -o hba -y 40 -b 20 --syncrate 40
<<< stdout
Set configuration parameter(s) of Adapter 1 successful.
$ qxcli 1 get -o hba
<<< stdout
HBA Index:               0
Auto Rebuild:            on
Rebuild Rate:            20
Initialization Rate:     100
Syncronization Rate:     40
Migration Rate:          100
Media Patrol Rate:       100
Copy Back:               on
Raw Update:              not support
Model:                   QXR-7230 SAS RAID   
Serial:                  40                  

$ qxcli 1 set -o hba --migrationrate 7
<<< stdout
Set configuration parameter(s) of Adapter 1 successful.
$ qxcli 1 info -o hba -i 1
<<< stdout (only Model, only Serial)
Serial number:                       40
Model:                               7
$ qxcli 1 set -o hba --smarton
<<< stdout

Failed to configure adapter 1 (error 19: Not supported)
<<< status 1
$ qxcli 1 set -o hba -p 101
<<< stdout
-p : Media Patrol rate out of range (0~100)
<<< status 1
$ qxcli 1 set -o hba -y 1 -y 2
<<< stdout
Duplicated option specified.
<<< status 1
$ qxcli 1 set -o hba
<<< stdout
The configuration parameter for Adapter must be set.
<<< status 1

=== the alarm and the battery
$ qxcli 1 set -o mute
<<< stdout
Set configuration parameter(s) of mute on HBA 1 successful.
$ qxcli 1 set -o mute -i 9
<<< stdout
Mute is not supported.
<<< status 1
$ qxcli 1 set -o mute --charge
<<< stdout
Invalid setting(s) for mute.
<<< status 1
$ qxcli 1 set -o bbu
<<< stdout
The configuration parameter for BBU must be set.
<<< status 1
$ qxcli 1 set -o bbu --stop
<<< stdout
Please DONT reboot/shutdown system when do BBU relearn.
Set configuration parameter(s) of BBU on HBA 1 successful.
$ qxcli 1 set -o bbu --discharge
<<< stdout
Please DONT reboot/shutdown system when do BBU relearn.
Set configuration parameter(s) of BBU on HBA 1 successful.
$ qxcli 0 set -o bbu --charge
<<< stdout
-o : invalid object 'bbu'
<<< status 1
