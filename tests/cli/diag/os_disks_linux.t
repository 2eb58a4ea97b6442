# The OS disk mapping commands over a host that qxsim presents: its disk
# tree (root/) is what qxcli's Linux walk reads. os_disks.json: a tier VD 0
# on each of two adapters; on adapter 0 VD 1 (RAID1), VD 2 (safe tier, SSD
# member first), VD 3 offline, disk 4 free and exposed. Both adapters' tier
# VD 0 match one name: adapter 0's is the disk on the lower host. OS disk 1
# is adapter 0's VD, so adapter 1 has no VD shown as it.

=== the four mapping commands over a presented host
scenario ./os_disks.json
env QX_OS_ROOT=root
$ qxsim host present root
<<< file root/sys/block/sdb/device/model
TwinTier 0      
<<< file root/sys/block/sdd/device/vendor
TALOREX 
<<< file root/sys/block/sdd/device/model
QXD-S2000 HDD   
$ qxcli diskidofvd -i 0
<<< stdout
1
disk id   :  1
$ qxcli 1 diskidofvd -i 0
<<< stdout
5
disk id   :  5
$ qxcli diskidofvd -i 2
<<< stdout
3
disk id   :  3
$ qxcli diskidofvd -i 1
<<< stdout
2
disk id   :  2
$ qxcli diskidofhd -i 4
<<< stdout
4
disk id   :  4
$ qxcli devmap -o vd
<<< stdout

Device ID:           0
Magic Number:        1


Device ID:           1
Magic Number:        2


Device ID:           2
Magic Number:        3


Device ID:           3
Magic Number:        

$ qxcli devmap -o pdx -i 4
<<< stdout

Device ID:           4
Magic Number:        4

$ qxcli hl -o VD -d 3
<<< stdout
Disk: PhysicalDisk3
VD: 2
$ qxcli 1 hl -o vd -d 1
<<< stdout

Failed to get tier VD information (error 59: Specified virtual disk doesn't exist).
<<< status 59

=== numbers follow the shown set: a pulled disk loses its number, the lowest free one goes to the next shown
scenario ./os_disks.json
env QX_OS_ROOT=root
$ qxsim host present root
$ qxsim pd pull 4
$ qxcli devmap -o pd -i 4
<<< stdout
Fail! (error 55: Specified physical disk doesn't exist).
<<< status 55
$ qxcli delete -o vd -i 1
<<< stdin
y
<<< stdout
Are you sure you want to delete this virtual disk? (y or n)
Delete VD 1 successfully.
$ qxsim pd insert 4
<<< file root/sys/block/sdc/device/model
QXD-H8000 HDD   
$ qxcli diskidofhd -i 4
<<< stdout
2
disk id   :  2
$ qxcli devmap -o vd -i 0
<<< stdout (only Magic)
Magic Number:        1
$ qxsim host forget
$ qxcli devmap -o vd -i 0
<<< stdout (only Magic)
Magic Number:        
<<< status 0
