# Enclosures, their elements' status and thresholds.

=== the enclosure of the SAS adapter
$ qxcli 1 enc -o enc
<<< stdout
Enclosure ID: 0
Adapter ID: 1
Status: OK
Logical ID: 0x5F0A3C2100103F00
Vendor ID: QXENCL
Product ID: QXE-J16 JBOD
Revision Level: 0100

$ qxcli 1 enc -o ENC -i 0
<<< stdout
Enclosure ID: 0
Adapter ID: 1
Status: OK
Logical ID: 0x5F0A3C2100103F00
Vendor ID: QXENCL
Product ID: QXE-J16 JBOD
Revision Level: 0100

=== an enclosure that does not exist shows nothing
$ qxcli 1 enc -o enc -i 3

=== an adapter without enclosures says so
scenario ../aes/aes_disks.json
$ qxcli 1 enc -o enc
<<< stdout

No enclosure is found
=== every element's status
$ qxcli 1 enc -o ele
<<< stdout
EnclosureID:0
Device 0
status : OK
  slot address: 0
  locate: no

EnclosureID:0
Device 1
status : OK
  slot address: 1
  locate: no

EnclosureID:0
Device 2
status : OK
  slot address: 2
  locate: no

EnclosureID:0
Device 3
status : OK
  slot address: 3
  locate: no

EnclosureID:0
Device 4
status : OK
  slot address: 4
  locate: no

EnclosureID:0
Device 5
status : OK
  slot address: 5
  locate: no

EnclosureID:0
Device 6
status : OK
  slot address: 6
  locate: no

EnclosureID:0
Device 7
status : OK
  slot address: 7
  locate: no

EnclosureID:0
Device 8
status : OK
  slot address: 8
  locate: no

EnclosureID:0
Device 9
status : OK
  slot address: 9
  locate: no

EnclosureID:0
Device 10
status : OK
  slot address: 10
  locate: no

EnclosureID:0
Device 11
status : OK
  slot address: 11
  locate: no

EnclosureID:0
Device 12
status : OK
  slot address: 12
  locate: no

EnclosureID:0
Device 13
status : OK
  slot address: 13
  locate: no

EnclosureID:0
Device 14
status : OK
  slot address: 14
  locate: no

EnclosureID:0
Device 15
status : OK
  slot address: 15
  locate: no

EnclosureID:0
Power Supply 0
status : OK
  hot swappable: yes
  over temperature warning: no
  DC over current: no
  DC over voltage: no
  DC under voltage: no

EnclosureID:0
Power Supply 1
status : OK
  hot swappable: yes
  over temperature warning: no
  DC over current: no
  DC over voltage: no
  DC under voltage: no

EnclosureID:0
Cooling Device 0
status : OK
  fan: at 3rd highest speed
  current speed: 5400 rpm

EnclosureID:0
Cooling Device 1
status : OK
  fan: at 3rd highest speed
  current speed: 5520 rpm

EnclosureID:0
Cooling Device 2
status : OK
  fan: at 3rd highest speed
  current speed: 5460 rpm

EnclosureID:0
Temperature Sensor 0
status : OK
  over temperature warning: no
  under temperature warning: no
  value: 30 Celsius

EnclosureID:0
Temperature Sensor 1
status : OK
  over temperature warning: no
  under temperature warning: no
  value: 32 Celsius

EnclosureID:0
Door Lock 0
status : OK
  unlocked: no

EnclosureID:0
Audible Alarm 0
status : OK
  muted: no
  remind state: no

EnclosureID:0
Display 0
status : OK
  character: R
  mode status: 1

EnclosureID:0
Voltage Sensor 0
status : OK
  voltage: 1200 mini-volts
  over voltage warning: no
  under voltage warning: no

EnclosureID:0
Voltage Sensor 1
status : OK
  voltage: 1800 mini-volts
  over voltage warning: no
  under voltage warning: no

=== elements of one type, and the n-th of a type
$ qxcli 1 enc -o ele -t fan
<<< stdout
EnclosureID:0
Cooling Device 0
status : OK
  fan: at 3rd highest speed
  current speed: 5400 rpm

EnclosureID:0
Cooling Device 1
status : OK
  fan: at 3rd highest speed
  current speed: 5520 rpm

EnclosureID:0
Cooling Device 2
status : OK
  fan: at 3rd highest speed
  current speed: 5460 rpm

$ qxcli 1 enc -o ele -t tpr -e 1
<<< stdout
EnclosureID:0
Temperature Sensor 1
status : OK
  over temperature warning: no
  under temperature warning: no
  value: 32 Celsius

$ qxcli 1 enc -o ele -t vlt -e 0 -i 0
<<< stdout
EnclosureID:0
Voltage Sensor 0
status : OK
  voltage: 1200 mini-volts
  over voltage warning: no
  under voltage warning: no

$ qxcli 1 enc -o ele -t dpl -e 1
<<< stdout
Invalid element ID 1
=== thresholds in Celsius, mini-volts and raw
$ qxcli 1 enc -o elecfg -t tpr -e 0
<<< stdout
EnclosureID:0
Temperature Sensor 0
status : OK
  high critical threshold: 60 Celsius
  high warning threshold: 50 Celsius
  low critical threshold: 5 Celsius
  low warning threshold: 10 Celsius

$ qxcli 1 enc -o elecfg -t vlt
<<< stdout
EnclosureID:0
Voltage Sensor 0
status : OK
  high critical threshold: 1320 mini-volts
  high warning threshold: 1260 mini-volts
  low critical threshold: 1080 mini-volts
  low warning threshold: 1140 mini-volts

EnclosureID:0
Voltage Sensor 1
status : OK
  high critical threshold: 1980 mini-volts
  high warning threshold: 1890 mini-volts
  low critical threshold: 1620 mini-volts
  low warning threshold: 1710 mini-volts

$ qxcli 1 enc -o elecfg -t pow -e 1
<<< stdout
EnclosureID:0
Power Supply 1
status : OK
  high critical threshold: 0
  high warning threshold: 0
  low critical threshold: 0
  low warning threshold: 0

=== an enclosure id that does not exist fails the element calls
$ qxcli 1 enc -o ele -i 4
<<< stdout

Unable to get enclosure info (error 15: Invalid enclosure id)
<<< status 15
$ qxcli 1 enc -o elecfg -i 4
<<< stdout

Unable to get configuration of enclosure 4 (error 15: Invalid enclosure id)
=== option checks, in order
$ qxcli 1 enc -o bogus
<<< stdout
-o: invalid option 'bogus'
$ qxcli 1 enc -o ele -i x
<<< stdout
-i: invalid enclosure id 'x'
<<< status 1
$ qxcli 1 enc -o ele -i 255
<<< stdout
-i : invalid id 255
<<< status 1
$ qxcli 1 enc -o ele -e 255
<<< stdout
-e: element id should be less than 255
<<< status 1
$ qxcli 1 enc -o ele -e x
<<< stdout
-e: invalid element id 'x'
<<< status 1
$ qxcli 1 enc -o ele -t lamp
<<< stdout
-t: element type error:'lamp'
<<< status 1
$ qxcli 1 enc -o ele -o enc
<<< stdout
Duplicated option specified.
<<< status 1
$ qxcli 1 enc -i 0
<<< stdout
enc: option -o is required
<<< status 1
$ qxcli 1 enc -o ele -e 0
<<< stdout
Missing -t: please specify the type of the given element id
<<< status 1
$ qxcli 1 enc -a 3
<<< stdout
Description:Get enclosure, enclosure element or enclosure config information.
enc -o <enc|ele|elecfg> -i <enclosure ID> -e <element ID>
    -t <dev|arydev|pow|fan|tpr|dor|alm|dpl|vlt>
Options:
  -o, --object <enc|ele|elecfg> 
      enc - enclosure info
      ele - element info
      elecfg - element config
  -i, --id 
      enclosure ID
  -t, --elementtype <dev|arydev|pow|fan|tpr|dor|alm|dpl|vlt>
      dev- device
      arydev- array device
      pow- power
      fan- cooling
      tpr- temperature
      dor- door
      alm- alarm
      dpl- display
      vlt- voltage sensor 
  -e, --elementid
      used only when -t is specified

=== failing calls reach the failure texts
$ qxsim fault add QX_ENC_GetElementConfig --status 1 --adapter 1 --times 1
$ qxcli 1 enc -o elecfg -t alm
<<< stdout

Unable to get configuration of enclosure 0 (error 1: Failed)
$ qxsim fault add QX_ENC_GetEnclosureInfo --status 4 --adapter 1 --always
$ qxcli 1 enc -o elecfg
<<< stdout

Unable to get enclosure info (error 4: Resource not available)
<<< status 4
$ qxcli 1 enc -o enc
<<< stdout

Unable to get enclosure info (error 4: Resource not available)
<<< status 4
