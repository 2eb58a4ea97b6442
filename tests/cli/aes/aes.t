# AES entries and ports.

=== the entries' keys, the ports' links and switches
$ qxcli 1 aesentry -o getinfo
<<< stdout
Entry ID:                0
Has Key:                 Yes

Entry ID:                1
Has Key:                 Yes

Entry ID:                2
Has Key:                 Yes

Entry ID:                3
Has Key:                 Yes

Entry ID:                4
Has Key:                 Yes

Entry ID:                5
Has Key:                 Yes

Entry ID:                6
Has Key:                 Yes

Entry ID:                7
Has Key:                 Yes

Entry ID:                8
Has Key:                 Yes

Entry ID:                9
Has Key:                 Yes

$ qxcli 1 aesport -o getCfg
<<< stdout
ID:                      0
mount status:            mounted
entry id:                0
AES enable:              Enabled

ID:                      1
mount status:            dismounted
AES enable:              Disabled

ID:                      2
mount status:            dismounted
AES enable:              Disabled

ID:                      3
mount status:            dismounted
AES enable:              Disabled

ID:                      4
mount status:            dismounted
AES enable:              Disabled

ID:                      5
mount status:            dismounted
AES enable:              Disabled

ID:                      6
mount status:            dismounted
AES enable:              Disabled

ID:                      7
mount status:            dismounted
AES enable:              Disabled

$ qxcli 1 aesport -o getCfg -i 9
$ qxcli 1 aesentry -o getCfg -i 0 -p qx-demo-pass
<<< stdout
Entry ID:                0
AES key length:          32

=== key an entry, link a port to it, switch it on, change the password, verify keys
$ qxcli 1 aesentry -o setCfg -i 3 -p first-pass -k "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"
$ qxcli 1 aesentry -o setCfg -i 3 -p first-pass -k another
<<< stdout

Failed to set configuration of entry 3 (error 21: Can not add key due to key present)
<<< status 1
$ qxcli 1 aesport -o mount -i 2 -e 3 -p first-pass
<<< stdout

Link aes port 2 to entry 3 is returned successfully.
$ qxcli 1 aesport -o set -i 2 --aeson
<<< stdout

Set configure of AES port 2 is returned successfully.
$ qxcli 1 aesop -o changePwd -e 3 -w first-pass -p second-pass
<<< stdout

AES change password of entry 3 is returned successfully.
$ qxcli 1 aesop -o verifyKey -e 3 -p second-pass -k ABCDEFGHIJKLMNOPQRSTUVWXYZ012345
<<< stdout

Verify key on entry 3 returned successfully.
$ qxcli 1 aesop -o verifyKey -e 3 -p second-pass -k ABCDEFGHIJKLMNOPQRSTUVWXYZ01234
<<< stdout

Verify key on entry 3 failed(error 247: key mismatch)
<<< status 1
$ qxcli 1 aesop -o verifyKey -e 3 -p first-pass -k ABCDEFGHIJKLMNOPQRSTUVWXYZ012345
<<< stdout

Verify key on entry 3 failed(error 248: password mismatch)
<<< status 1
$ qxcli 1 aesport -o getCfg -i 2
<<< stdout
ID:                      2
mount status:            mounted
entry id:                3
AES enable:              Enabled

=== the library's refusals
$ qxcli 1 aesport -o set -i 1 --aeson
<<< stdout

Set configure of AES port 1 failed (error 22: Can not enable due to key absent).
<<< status 1
$ qxcli 1 aesport -o mount -i 1 -e 5 -p any
<<< stdout

Failed to link aes port 1 to entry 5 (error 250: entry no key)
<<< status 1
$ qxcli 1 aesport -o dismount -i 0
<<< stdout

Clear AES link of port 0 failed (error 6: Invalid request).
<<< status 6
$ qxcli 1 aesentry -o setCfg -i 0 -p qx-demo-pass
<<< stdout

Failed to set configuration of entry 0 (error 6: Invalid request)
<<< status 1
$ qxcli 1 aesentry -o getCfg -i 0 -p wrong
<<< stdout

Get configure of AES entry 0 failed (error 248: password mismatch).
<<< status 248
$ qxcli 1 aesentry -o getCfg -i 9 -p any
<<< stdout

Get configure of AES entry 9 failed (error 241: entry out of range).
<<< status 241
$ qxcli 1 aesop -o changePwd -e 0 -w wrong -p new
<<< stdout

AES change password of entry 0 failed (error 248: password mismatch).
<<< status 248

=== switching AES off a port and unlinking it, then clearing the entry's key
$ qxcli 1 aesport -o set -i 0 --aesoff
<<< stdout

Set configure of AES port 0 is returned successfully.
$ qxcli 1 aesport -o dismount -i 0
<<< stdout

Clear AES link of port 0 is returned successfully.
$ qxcli 1 aesentry -o setCfg -i 0 -p qx-demo-pass
$ qxcli 1 aesentry -o getCfg -i 0 -p qx-demo-pass
<<< stdout
Entry ID:                0
AES key length:          0

=== a port switched on in front of a plain disk takes it offline, and its VD degrades
scenario ./aes_disks.json
$ qxcli 1 info -o vd -i 0
<<< stdout

Virtual Disk Information
-------------------------
id:                  0
name:                mirror
status:              functional
Stripe size:         64
RAID mode:           RAID1
Cache mode:          On 
size:                488281 M
BGA status:          not running
Block ids:           0 1 
# of PDs:            2
PD RAID setup:       0 1 
Running OS:          no

$ qxcli 1 aesport -o set -i 1 --aeson
<<< stdout

Set configure of AES port 1 failed (error 22: Can not enable due to key absent).
<<< status 1
$ qxcli 1 aesport -o mount -i 1 -e 0 -p qx-demo-pass
<<< stdout

Link aes port 1 to entry 0 is returned successfully.
$ qxcli 1 aesport -o set -i 1 --aeson
<<< stdout

Set configure of AES port 1 is returned successfully.
$ qxcli 1 info -o vd -i 0
<<< stdout

Virtual Disk Information
-------------------------
id:                  0
name:                mirror
status:              degraded
Stripe size:         64
RAID mode:           RAID1
Cache mode:          On 
size:                488281 M
BGA status:          not running
Block ids:           0 1 
# of PDs:            2
PD RAID setup:       0 1 
Running OS:          no

$ qxsim events --adapter 1
<<< stdout
1  2026-01-01 00:00:00 UTC  class 2 code 55 device 0 severity 5 params 0 0 0 0
2  2026-01-01 00:00:00 UTC  class 1 code 4 device 0 severity 5 params 0 0 0 0
=== entry information read the other way, or not at all
scenario ./aes_disks.json
$ qxcli 1 aesentry -o getinfo
<<< stdout
Entry ID:                0
Has Key:                 Yes

Entry ID:                1
Has Key:                 Yes

Entry ID:                2
Has Key:                 Yes

Entry ID:                3
Has Key:                 Yes

Entry ID:                4
Has Key:                 Yes

Entry ID:                5
Has Key:                 Yes

Entry ID:                6
Has Key:                 Yes

Entry ID:                7
Has Key:                 Yes

Entry ID:                8
Has Key:                 Yes

Entry ID:                9
Has Key:                 Yes

$ qxcli 2 aesentry -o getinfo
<<< stdout
Entry ID:                0
Has Key:                 Yes

Entry ID:                1
Has Key:                 No

Entry ID:                2
Has Key:                 No

Entry ID:                3
Has Key:                 No

Entry ID:                4
Has Key:                 No

Entry ID:                5
Has Key:                 No

Entry ID:                6
Has Key:                 No

Entry ID:                7
Has Key:                 No

Entry ID:                8
Has Key:                 No

Entry ID:                9
Has Key:                 No

$ qxcli 3 aesentry -o getinfo
<<< stdout
Port ID:                 0
Entry ID:                255

Port ID:                 1
Entry ID:                255

Port ID:                 2
Entry ID:                0

Port ID:                 3
Entry ID:                255

Entry ID:                0
Status:                  1

Entry ID:                1
Status:                  0

Entry ID:                2
Status:                  0

Entry ID:                3
Status:                  0

$ qxcli 3 aesport -o getCfg
<<< stdout
ID:                      0
mount status:            dismounted
AES enable:              Disabled

ID:                      1
mount status:            dismounted
AES enable:              Disabled

ID:                      2
mount status:            mounted
entry id:                0
AES enable:              Enabled

ID:                      3
mount status:            dismounted
AES enable:              Disabled

=== option checks
$ qxcli 1 aesentry -o getCfg -i 0
<<< stdout
aesentry: option -p is required
<<< status 1
$ qxcli 1 aesentry -o setCfg -i 0
<<< stdout

AES entry id and password must be set.
<<< status 1
$ qxcli 1 aesentry -o getCfg -i 0 -p 123456789012345678901234567890123
<<< stdout
-n : password of aes should be no more than 32 characters
<<< status 1
$ qxcli 1 aesentry -o setCfg -i 4 -p "12345678901234567890123456789012" -k '"12345678901234567890123456789012"'
$ qxcli 1 aesentry -o getCfg -i 4 -p 12345678901234567890123456789012
<<< stdout
Entry ID:                4
AES key length:          32

$ qxcli 1 aesentry -o setCfg -i 0 -p x -k ""
<<< stdout
-k : key can not be NULL
<<< status 1
$ qxcli 1 aesentry -o bogus
<<< stdout
-o : invalid object 'bogus'
<<< status 1
$ qxcli 1 aesentry -o getinfo -i 1 -i 2
<<< stdout
Duplicated option specified.
<<< status 1
$ qxcli 1 aesop -o verifyKey -e 0 -p x
<<< stdout
aesop: option -k is required
<<< status 1
$ qxcli 1 aesop -o changePwd -e x
<<< stdout
-i : invalid entry id 'x'
<<< status 1
$ qxcli 1 aesop -o changePwd -e 0 -p a -p b
<<< stdout
Duplicated option specified.
<<< status 1
$ qxcli 1 aesop -e 0 --aesmount
<<< stdout
aesop: option -o is required
<<< status 1
$ qxcli 1 aesport -o set -i 0
<<< stdout

 --aeson or --aesoff is required for set AES configuration.
<<< status 1
$ qxcli 1 aesport -o mount -i 0 -e 0
<<< stdout

  port id ,entry id, password and mount AES must be set.
<<< status 1
$ qxcli 1 aesport -o dismount
<<< stdout
aesport: option -i is required
<<< status 1
$ qxcli 1 aesport -o getCfg -e x
<<< stdout
-e : invalid entry id 'x'
<<< status 1
