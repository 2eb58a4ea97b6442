# The battery's moments and the media-patrol schedule happen when simulated
# time reaches them, whoever calls next.

=== a discharge below 30 % switches automatic-cache VDs to write-through until the charge is back
$ qxsim clock freeze
$ qxsim clock set 1800000000
$ qxcli 1 set -o vd -i 0 --auto
<<< stdout
Set configuration parameter(s) of VD 0 successful.
$ qxsim battery set -a 1 --charge 31
$ qxcli 1 set -o bbu --discharge
<<< stdout
Please DONT reboot/shutdown system when do BBU relearn.
Set configuration parameter(s) of BBU on HBA 1 successful.
$ qxsim clock advance 80
$ qxcli 1 info -o vd -i 0
<<< stdout

Virtual Disk Information
-------------------------
id:                  0
name:                db_data
array id:            0
status:              functional and initialized
Stripe size:         128
RAID mode:           RAID5
Cache mode:          Off 
size:                1716592 M
BGA status:          not running
Block ids:           0 1 2 3 
# of PDs:            4
PD RAID setup:       0 1 2 3 
Running OS:          no

$ qxsim battery set -a 1 --charge 90
$ qxsim battery set -a 1 --present false
$ qxsim events -a 1
<<< stdout
1  2025-12-01 10:00:00 UTC  class 0 code 17 device 1 severity 2 params 0 0 0 0
2  2025-12-01 10:10:00 UTC  class 13 code 0 device 0 severity 2 params 0 0 0 0
3  2025-12-01 10:11:00 UTC  class 1 code 2 device 0 severity 2 params 0 0 0 0
4  2025-12-01 10:12:00 UTC  class 1 code 2 device 1 severity 2 params 0 0 0 0
5  2025-12-01 10:13:00 UTC  class 2 code 9 device 15 severity 2 params 0 0 0 0
6  2027-01-15 08:00:00 UTC  class 1 code 6 device 0 severity 2 params 0 0 0 0
7  2027-01-15 08:00:00 UTC  class 9 code 16 device 1 severity 2 params 0 0 0 0
8  2027-01-15 08:01:12 UTC  class 9 code 28 device 1 severity 3 params 0 0 0 0
9  2027-01-15 08:01:20 UTC  class 9 code 29 device 1 severity 2 params 0 0 0 0
10  2027-01-15 08:01:20 UTC  class 9 code 5 device 1 severity 3 params 0 0 0 0
