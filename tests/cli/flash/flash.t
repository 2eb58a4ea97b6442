# The flash command: the refusals in the order they are checked, then an
# administrator's work on the adapter's images.

=== option refusals come in their order, before anything is read or created
$ qxcli flash -a backup -a update -t config -f x.img
<<< stdout
Duplicated option specified.
<<< status 1
$ qxcli flash -t config -f x.img
<<< stdout
flash: option -a is required
<<< status 1
$ qxcli flash -a update -f x.img
<<< stdout
flash: option -t is required
<<< status 1
$ qxcli flash -a BACKUP -t config
<<< stdout
flash: option -f is required
<<< status 1
$ qxcli flash -a flash -t config -f x.img
<<< stdout
-a : invalid action 'flash'.
<<< status 1
$ qxcli flash -a update -t nvsram -f x.img
<<< stdout
-t : invalid type 'nvsram'.
<<< status 1
$ qxcli flash -a erase -p all
<<< stdout
-p : invalid flash page 'all'.
<<< status 1
$ qxcli flash -a update -t config -f x.img -i 256
<<< stdout
-i : invalid adapter id '256'.
<<< status 1
$ qxcli flash -a version -f 'a"b"c'
<<< stdout

Failed to check version of file 'a"b"c', error 165: invalid file input
<<< status 165
$ qxcli flash -a backup -t config -f "\"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"
<<< stdout
The file name is longer than 255 characters.
<<< status 1
$ qxcli flash -a backup -p pd -f pd.img
<<< stdout

Failed to flash (error 155: Invalid flash type).
<<< status 155

=== no flash operation where the adapter has none
scenario ../inventory/adapters.json
$ qxcli flash -a version -f x.img
<<< stdout
Flash operation is not supported
<<< status 1

=== backup, version, update, backup again: the same bytes, and the new version runs after a reboot
$ qxsim clock set 1767225600
$ qxsim clock freeze
$ qxcli flash -a backup -t firmware -f fw.img
<<< stdout
page 0 write to file.
page 1 write to file.
page 2 write to file.
page 3 write to file.
Flash command is returned successfully.
$ qxcli flash -a backup -t firmware -f fw.img
<<< stdout
File 'fw.img' has already existed.
<<< status 1
$ qxcli flash -a version -f fw.img
<<< stdout
major version:     3
minor version:     2
revision number:   1
build number:      1044
image type:        firmware
Device ID:         3120
Sub Device ID:     110
Sub Vendor ID:     1d7a
$ qxcli flash -a update -t firmware -f fw.img
<<< stdout
page 0 write to device.
page 1 write to device.
page 2 write to device.
page 3 write to device.
Flash command is returned successfully.Please reboot to take effect.
$ qxcli flash -a backup -t firmware -f fw2.img
<<< stdout
page 0 write to file.
page 1 write to file.
page 2 write to file.
page 3 write to file.
Flash command is returned successfully.
$ qxsim image show fw.img
<<< stdout
type firmware (3)
version 3.2.1.1044
device id 0x3120
sub device id 0x0110
sub vendor id 0x1d7a
payload 98304 bytes, CRC 588abd44: intact
$ qxsim image show fw2.img
<<< stdout
type firmware (3)
version 3.2.1.1044
device id 0x3120
sub device id 0x0110
sub vendor id 0x1d7a
payload 98304 bytes, CRC 588abd44: intact
$ qxsim image make new.img --type firmware --adapter 0 --version 3.3.0.1101 --size 32720
$ qxcli flash -a update -t firmware -f new.img
<<< stdout
page 0 write to device.
Flash command is returned successfully.Please reboot to take effect.
$ qxcli info -o hba
<<< stdout (only Firmware version:)
Firmware version:                    3.2.1.1044
Firmware version:                    4.1.0.1090
$ qxsim adapter reboot
$ qxcli info -o hba
<<< stdout (only Firmware version:)
Firmware version:                    3.3.0.1101
Firmware version:                    4.1.0.1090
$ qxsim events
<<< stdout (only class 10, only 2026-01-01 00:00:00 UTC  class 0 code 17)
6  2026-01-01 00:00:00 UTC  class 10 code 18 device 3 severity 2 params 0 0 0 0
7  2026-01-01 00:00:00 UTC  class 10 code 17 device 3 severity 2 params 0 0 0 0
8  2026-01-01 00:00:00 UTC  class 10 code 18 device 3 severity 2 params 0 0 0 0
9  2026-01-01 00:00:00 UTC  class 10 code 17 device 3 severity 2 params 0 0 0 0
10  2026-01-01 00:00:00 UTC  class 0 code 17 device 0 severity 2 params 0 0 0 0
<<< status 0

=== updates the adapter refuses leave its image as it was
$ qxsim clock set 1767225600
$ qxsim clock freeze
$ qxsim image make bios.img --type bios --adapter 0 --version 1.7.0.1 --size 100
$ qxcli flash -a update -t firmware -f bios.img
<<< stdout

Image type specified by '-t' is not the same as type get from file. type from '-t': firmware, type from file: bios
<<< status 1
$ qxsim image make other.img --type bios --adapter 0 --sub-device-id 0x0999 --size 100
$ qxcli flash -a update -t bios -f other.img
<<< stdout

sub device id is not match. from adapter: 110, from file: 999
<<< status 1
$ qxsim image make vendor.img --type bios --adapter 0 --sub-vendor-id 0x0999 --size 100
$ qxcli flash -a update -t bios -f vendor.img
<<< stdout

sub vendor id is not match. from adapter: 1d7a, from file: 999
<<< status 1
$ qxsim image make bad.img --type bios --adapter 0 --corrupt header --size 100
$ qxcli flash -a version -f bad.img
<<< stdout

Failed to check version of file 'bad.img', error 185: Invalid flash descriptor data
<<< status 185
$ qxcli flash -a update -t bios -f bad.img
<<< stdout

Failed to check file 'bad.img', error 185: Invalid flash descriptor data
<<< status 185
$ qxsim image make spoilt.img --type bios --adapter 0 --corrupt payload --size 40000
$ qxcli flash -a update -t bios -f spoilt.img
<<< stdout
page 0 write to device.
page 1 write to device.

Failed to update file 'spoilt.img', error 184: Invalid flash buffer data
<<< status 184
$ qxsim image make cfg.img --type bios --size 100
$ qxcli flash -a update -t config -f cfg.img
<<< stdout
page 0 write to device.

Failed to update file 'cfg.img', error 155: Invalid flash type
<<< status 155
$ qxcli flash -a update -t config -f flash.t
<<< stdout
Unable to open file 'flash.t'.
<<< status 1
$ qxsim image make device.img --type bios --adapter 0 --device-id 0x4444 --version 1.8.0.2 --size 32720
$ qxcli flash -a update -t bios -f device.img
<<< stdout

device id is not match. from adapter: 3120, from file: 4444
page 0 write to device.
Flash command is returned successfully.Please reboot to take effect.
$ qxcli flash -a update -t bios -f missing.img
<<< stdout

Failed to check file 'missing.img', error 165: invalid file input
<<< status 165
$ qxcli flash -a update -t autoload -f missing.img
<<< stdout
Unable to open file 'missing.img'.
<<< status 1
$ qxsim image make raw.img --type raw --adapter 0 --size 100
$ qxcli flash -a update -t raw -f raw.img
<<< stdout

Failed to update file 'raw.img', error 19: Not supported
$ qxsim flash show
<<< stdout (only bios, only firmware)
bios      valid          1.8.0.2      ids 4444/0110/1d7a  32768 of 262144 bytes, written
firmware  valid          3.2.1.1044   ids 3120/0110/1d7a  98352 of 33554432 bytes, generated
$ qxsim events
<<< stdout (only class 10 code 19)
6  2026-01-01 00:00:00 UTC  class 10 code 19 device 2 severity 5 params 0 0 0 0
7  2026-01-01 00:00:00 UTC  class 10 code 19 device 0 severity 5 params 0 0 0 0
<<< status 0

=== an empty file and a file of whole pages
copy empty.img
$ qxsim image make whole.img --type config --size 65488
$ qxcli flash -a update -t config -f empty.img
<<< stdout
Unable to read from file empty.img
<<< status 1
$ qxcli flash -a update -t config -f whole.img
<<< stdout
page 0 write to device.
page 1 write to device.
Flash command is returned successfully.Please reboot to take effect.
$ qxcli flash -a backup -t config -f whole2.img
<<< stdout
page 0 write to file.
page 1 write to file.
Flash command is returned successfully.
$ qxsim image show whole2.img
<<< stdout (only payload)
payload 65488 bytes, CRC ef9723d9: intact
<<< status 0

=== erase asks first; an erased image is unhealthy and cannot be backed up
$ qxcli flash -a erase -t bios
<<< stdin
n
<<< stdout
Do you want to erase ROM file in Flash?  (y or n)
$ qxcli flash -a erase -t bios
<<< stdin
y
<<< stdout
Do you want to erase ROM file in Flash?  (y or n)
Erase bios command is returned successfully.
$ qxcli info -o hba
<<< stdout (only mage health:)
Image health:                        Unhealthy
Autoload image health:               Healthy
Boot loader image health:            Healthy
Firmware image health:               Healthy
Boot ROM image health:               Unhealthy
HBA info image health:               Healthy
Image health:                        Healthy
Autoload image health:               Healthy
Boot loader image health:            Healthy
Firmware image health:               Healthy
Boot ROM image health:               Healthy
HBA info image health:               Healthy
$ qxcli flash -a backup -t bios -f bios.img
<<< stdout

Failed to flash (error 185: Invalid flash descriptor data).
<<< status 185
$ qxsim pd pull 3
$ qxcli flash -a erase -p pd
<<< stdout
Erase PD Page command is returned successfully.
$ qxsim flash show
<<< stdout (only pd page)
pd page: 0 1 2 4 5 6 7 8 9 10 11 12 13
$ qxcli flash -a erase -p PDFORCE
<<< stdout
Erase PD Page command is returned successfully.
$ qxsim flash show
<<< stdout (only pd page)
pd page:
=== -i sends the calls to another adapter, whose own ids the adapter checks
$ qxsim image make a0.img --type bios --adapter 0 --size 100
$ qxcli flash -a update -t bios -f a0.img -i 1
<<< stdout
page 0 write to device.

Failed to update file 'a0.img', error 151: Adapter id and device id doesn't match
<<< status 151
$ qxcli flash -a backup -t bios -f a1.img -i 1
<<< stdout
page 0 write to file.
page 1 write to file.
page 2 write to file.
Flash command is returned successfully.
$ qxsim image show a1.img
<<< stdout (only version, only id)
version 2.0.3.1011
device id 0x7230
sub device id 0x0230
sub vendor id 0x1d7a
$ qxcli flash -a backup -t bios -f a9.img -i 9
<<< stdout

Failed to flash (error 13: Invalid adapter id).
<<< status 13

=== raw images, the second firmware pass and faults
scenario ./flash.json
$ qxsim image make fw.img --type firmware --adapter 0 --version 3.4.0.1 --size 40000
$ qxcli flash -a update -t firmware -f fw.img
<<< stdout
page 0 write to device.
page 1 write to device.
page 0 write to device again.
page 1 write to device again.
Flash command is returned successfully.Please reboot to take effect.
$ qxsim image make raw.img --type raw --adapter 0 --size 100
$ qxcli flash -a update -t raw -f raw.img
<<< stdout
page 0 write to device.
Flash command is returned successfully.Please reboot to take effect.
$ qxcli 1 flash -a update -t raw -f raw.img
<<< stdout

device id is not match. from adapter: 5100, from file: 3120

sub device id is not match. from adapter: 5100, from file: 100
<<< status 1
$ qxcli 1 flash -a update -t raw -f raw.img --oem
<<< stdout

device id is not match. from adapter: 5100, from file: 3120

Fail to update file 'raw.img' since raw image format is not supported.
$ qxsim fault add QX_Flash_Bin --status 1 --times 1
$ qxcli flash -a update -t raw -f raw.img
<<< stdout
page 0 write to device.

Failed to update file 'raw.img', error 1: Failed
<<< status 1
$ qxsim fault add QX_Adapter_GetConfig --status 4 --times 1
$ qxcli flash -a update -t raw -f raw.img
<<< stdout

Failed to update file 'raw.img', error 4: Resource not available
<<< status 4
$ qxsim flash show
<<< stdout (only raw, only fw_backup, only firmware)
firmware  valid          3.4.0.1      ids 3120/0100/1d7a  40048 of 33554432 bytes, written
fw_backup valid          3.4.0.1      ids 3120/0100/1d7a  40048 of 33554432 bytes, written
raw       valid          1.0.0.0      ids 3120/0100/1d7a  148 of 33554432 bytes, written
