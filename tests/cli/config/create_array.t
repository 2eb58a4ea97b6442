# create on array-capable adapters, assign, import and maxcreatesize: what
# each promises about sizes is what is built. build.json is an adapter
# with nothing built yet.

=== an array, a VD in its slot; a VD too large, then exactly the room named
scenario ./build.json
$ qxcli create -o array -r 5 -d 0,1,2 -n data --waiveconfirmation
<<< stdout
Create array 0 successfully.
$ qxcli create -a 0 -s 3000 -n first
<<< stdout
Create VD 0 successfully.
$ qxcli create -a 0 -s 999999
<<< stdout

No resources. Max available size is 16974 M
<<< status 4
$ qxcli create -a 0 -s 16974 -n rest
<<< stdout
Create VD 1 successfully.
$ qxcli info -o vd
<<< stdout (only name:, only size:, only array id:, only Total)
name:                first
array id:            0
Stripe size:         64
size:                3000 M
name:                rest
array id:            0
Stripe size:         64
size:                16974 M
Total # of VD:       2
<<< status 0

=== --sizeonly, maxcreatesize, the array and its VD all agree
scenario ./build.json
$ qxcli create -o array -r 0 -d 3,4 --sizeonly --waiveconfirmation
<<< stdout

Arry of size 0x000004e00 M can be created by the given parameters
$ qxcli maxcreatesize -r 0 -d 3,4
<<< stdout

The maxsize that VD can create with is:   20447232 K
$ qxcli create -o array -r 0 -d 3,4 -s 19968 --cacheoff
<<< stdout
Create array 0 successfully.
<<< status 0
$ qxcli get -o array -i 0
<<< stdout (only ache)
write cache:             off
<<< status 0
$ qxcli create -a 0
<<< stdout
Create VD 0 successfully.
<<< status 0
$ qxcli info -o vd -i 0
<<< stdout (only name:, only size:)
name:                VD_R0_1
Stripe size:         64
size:                19968 M
<<< status 0
$ qxcli create -a 0 -l 0
<<< stdout
Slot number 0 has already occupied by VD 0
<<< status 1

=== a package VD is built and deleted whole; auto builds from the free disks
scenario ./build.json
$ qxcli create -o packagevd -r 1 -d 4,5 -i none --waiveconfirmation
<<< stdout
Create array 0 successfully.
$ qxcli info -o vd
<<< stdout (only name:, only array id:)
name:                VD_R1_1
array id:            0
$ qxcli delete -o packagevd -i 0 --waiveconfirmation
<<< stdout
Delete PackageVD 0 successfully.
<<< status 0
$ qxcli create -o auto
<<< stdout
create: option -t is required
<<< status 1
$ qxcli create -o auto -t enable
<<< stdout
Auto create successfully.
$ qxcli info -o vd
<<< stdout (only name:, only RAID mode:, only # of PDs:)
name:                VD_R5_1
RAID mode:           RAID5
# of PDs:            7
<<< status 0

=== a spare is refused by create until it is freed
scenario ./build.json
$ qxcli assign -d 3
<<< stdout

Succeeded to assign the disk as a global spare disk.
$ qxcli create -o array -r 0 -d 3,4 --waiveconfirmation
<<< stdout
Spare disk 3 can not be used to create array.
<<< status 1
$ qxcli assign -d 3
<<< stdout

Failed to assign disk 3 as global spare disk (error 54: Specified physical disk  is a spare drive).
<<< status 54
$ qxcli assign -o array -d 4
<<< stdout
Array id is not specified
<<< status 1
$ qxcli delete -o spare -i 3
<<< stdout
Delete the spare disk 3 successfully.
$ qxcli create -o array -r 0 -d 3,4 --waiveconfirmation
<<< stdout
Create array 0 successfully.
<<< status 0

=== a foreign VD imports with its array, whose disks are members again
scenario ./arrays.json
$ qxsim foreign 0
$ qxcli create -o array -r 1 -d 0,4 --waiveconfirmation
<<< stdout
Foreign disk 0 can not be used to create array.
<<< status 1
$ qxcli import -i 0xZ
<<< stdout
-i: id should be a number
-i : invalid id 255
<<< status 1
$ qxcli import -i 0x0
$ qxcli info -o vd -i 0
<<< stdout (only status:)
status:              functional and initialized
BGA status:          not running
$ qxcli create -o array -r 1 -d 0,4 --waiveconfirmation
<<< stdout

Failed to create array (error 56: Specified physical disk is assigned to a virtual disk).
<<< status 56
$ qxcli import -i 0
<<< stdout
Failed to import VD (error 80: Virtual disk is not importable)
<<< status 80

=== refusals come in order
scenario ./build.json
$ qxcli create -o array -r 5 -d 0,1 -q 2
<<< stdout
RAID mode RAID5 don't support the setting of parity disks.
<<< status 19
$ qxcli create -o array -r 6 -d 0,1,2
<<< stdout
RAID6 needs least 4 or more number of PDs.
<<< status 1
$ qxcli create -o array -r 6 -d 0,1,2,3,4 -q 3
<<< stdout
Number of parity disks for RAID6 can not exceed half of total disks
<<< status 1
$ qxcli create -o array -r 60 -d 0,1,2,3,4,5
<<< stdout
RAID60 needs least 8 or more even number of PDs.
<<< status 1
$ qxcli create -o array -r 5 -d 0,6,1 --waiveconfirmation
<<< stdout
All PDs should have the same sector size, PD 6 has sector size 4096
<<< status 1
$ qxcli create -o array -r 5 -d 0,7,1 --sizeonly
<<< stdin
n
<<< stdout
PD 7 has file system on it. Data will be lost if it is used to create array.
Do you still want to create the VD? (y or n)
<<< status 0
$ qxcli create -r 5 -d 0,1,2
<<< stdout
create: option -a is required
<<< status 1
$ qxcli create -a 0 -r 5
<<< stdout
-r, -d and -q option are not allowed in creating VD
<<< status 1
$ qxcli create -o array -r 1 -d 0,1 -n seventeen_chars_x
<<< stdout
-n : length of name should be no more than 16 characters
<<< status 1
$ qxcli create -a 3
<<< stdout
Unable to get info for array 3  (error 17: Invalid array id)
<<< status 1
$ qxcli maxcreatesize -r 6 -d 0,1,2,3 -q 4
<<< stdout
Number of parity disks should be at least 2 and less than 4.
<<< status 1
$ qxcli maxcreatesize -r 0 -d 4
<<< stdout

Failed to get Maxsize (error 57: Number of physical disks doesn't fit the specified RAID level).
<<< status 57
$ qxcli import
<<< stdout
-i : invalid id 255
<<< status 1
