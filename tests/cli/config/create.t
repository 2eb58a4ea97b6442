# create on an arrays-less adapter: building a VD from disks, its defaults,
# the file-system question, and every refusal in the order it is checked.
# small.json: VD 0 on disks 0 and 1; free disks 2 to 6, 10 to 14 (6, 10 and
# 14 with a file system; 11 of 20 GB); 7 a spare, 8 offline, 9 foreign.

=== a new VD shows in the VD list with its blocks, and its disks have no space left
scenario ./small.json
$ qxcli create -r 5 -d 2,3,4
$ qxcli info -o vd -i 1
<<< stdout

Virtual Disk Information
-------------------------
id:                  1
name:                VD_R5_2
status:              functional
Stripe size:         64
RAID mode:           RAID5
Cache mode:          Off 
size:                19968 M
BGA status:          running
Block ids:           2 3 4 
# of PDs:            3
PD RAID setup:       2 3 4 
Running OS:          no
BGA progress:    initializing is 0% done


<<< status 0
$ qxcli info -o pd -i 4
<<< stdout (only PD valid size:)
PD valid size:       0 K
<<< status 0

=== a VD of a given size leaves the rest of its disks free
scenario ./small.json
$ qxcli create -r 1 -d 5,11 -s 4096 -n "my half"
$ qxcli info -o vd -i 1
<<< stdout (only size:)
Stripe size:         64
size:                4096 M
$ qxcli info -o pd -i 11
<<< stdout (only PD valid size:)
PD valid size:       16515072 K
<<< status 0

=== a quick initialization finishes after five seconds and leaves the VD initialized
scenario ./small.json
$ qxcli create -r 0 -d 2,3 -b 128 -n fast
$ qxsim clock advance 5
$ qxcli info -o vd -i 1
<<< stdout (only status:, only Stripe size:)
status:              functional and initialized
Stripe size:         128
BGA status:          not running
<<< status 0

=== a background initialization runs at the adapter's rate
scenario ./small.json
$ qxcli create -r 1 -d 2,3 -i background -s 2000
$ qxsim clock advance 10
$ qxcli info -o vd -i 1
<<< stdout (only size:, only done)
Stripe size:         64
size:                2000 M
BGA progress:    initializing is 50% done
<<< status 0

=== without a name the VD is named after the VDs the adapter has, named ones too; a repeated disk counts once and --waiveconfirmation asks nothing
scenario ./small.json
$ qxcli create -r 1 -d 2,3
$ qxcli create -r 0 -d 4,5
$ qxcli create -r 1 -d 12,13 -n "my vd 7"
$ qxcli create -r 5 -d 6,10,10,11 --waiveconfirmation
$ qxcli info -o vd -i 4
<<< stdout (only name:, only PD RAID setup:)
name:                VD_R5_5
PD RAID setup:       6 10 11 
<<< status 0

=== a disk with a file system asks first; y creates the VD
scenario ./small.json
$ qxcli create -r 1 -d 6,2
<<< stdin
y
<<< stdout
PD 6 has file system on it. Data will be lost if it is used to create VD.
Do you still want to create the VD? (y or n)
$ qxcli info -o vd -i 1
<<< stdout (only PD RAID setup:)
PD RAID setup:       6 2 
<<< status 0

=== n keeps the disks as they are and succeeds, and no answer at all counts as no
scenario ./small.json
$ qxcli create -r 1 -d 2,6
<<< stdin
n
<<< stdout
PD 6 has file system on it. Data will be lost if it is used to create VD.
Do you still want to create the VD? (y or n)
$ qxcli create -r 1 -d 2,6
<<< stdout
PD 6 has file system on it. Data will be lost if it is used to create VD.
Do you still want to create the VD? (y or n)
$ qxcli info -o vd -i 1
<<< stdout

Unable to get info of vd 1 (error 59: Specified virtual disk doesn't exist)
<<< status 59

=== any other answer goes on, even an empty line; two disks with file systems are named together
scenario ./small.json
$ qxcli create -r 1 -d 6,10
<<< stdin
x
<<< stdout
PD 6 10 have file system on them. Data will be lost if they are used to create VD.
Do you still want to create the VD? (y or n)
$ qxcli create -r 1 -d 14,12
<<< stdin

<<< stdout
PD 14 has file system on it. Data will be lost if it is used to create VD.
Do you still want to create the VD? (y or n)
$ qxcli info -o vd -i 2
<<< stdout (only PD RAID setup:)
PD RAID setup:       14 12 
<<< status 0

=== in the shell the question takes its answer line and the prompt goes on
scenario ./small.json
$ qxcli
<<< stdin
create -r 1 -d 6,2 -n shell
y
info -o vd -i 1
exit
<<< stdout (no eol)
CLI Version: 4.1.13.56   RaidAPI Version: 1.0.4.2612 (simulated controller)
Welcome to RAID Command Line Interface.

> PD 6 has file system on it. Data will be lost if it is used to create VD.
Do you still want to create the VD? (y or n)
> 
Virtual Disk Information
-------------------------
id:                  1
name:                shell
status:              functional
Stripe size:         64
RAID mode:           RAID1
Cache mode:          Off 
size:                9984 M
BGA status:          running
Block ids:           2 3 
# of PDs:            2
PD RAID setup:       6 2 
Running OS:          no
BGA progress:    initializing is 0% done


> 
<<< status 255

=== an option value that is not one is refused at once
scenario ./small.json
$ qxcli create -r 7 -d 2,3
<<< stdout
-r : invalid raid mode 7
<<< status 1
$ qxcli create -r 1 -d 2,,3
<<< stdout
-d : invalid PD ID '2,,3'
<<< status 1
$ qxcli create -r 1 -d ,2
<<< stdout
-d : invalid PD ID ',2'
<<< status 1
$ qxcli create -r 1 -d 2,3 -b 12k
<<< stdout
-b : invalid stripe block size '12k'.
<<< status 1
$ qxcli create -r 1 -d 2,3 -b 24
<<< stdout
-b : invalid stripe block size '24'.Please refer to info -o hba command to get detail stripe size support information.
<<< status 1
$ qxcli create -r 1 -d 2,3 -b 256
<<< stdout
-b : invalid stripe block size '256'.Please refer to info -o hba command to get detail stripe size support information.
<<< status 1
$ qxcli create -r 1 -d 2,3 -c maybe
<<< stdout
-c : invalid cache mode 'maybe'
<<< status 1
$ qxcli create -r 1 -d 2,3 -w fast
<<< stdout
-w : invalid write policy 'fast'
<<< status 1
$ qxcli create -r 1 -d 2,3 -p all
<<< stdout
-p : invalid read policy 'all'
<<< status 1
$ qxcli create -r 1 -d 2,3 -i full
<<< stdout
-i : invalid initialization mode 'full'
<<< status 1
$ qxcli create -r 1 -d 2,3 -g 5
<<< stdout
-g : invalid giga byte rounding scheme '5'
<<< status 1
$ qxcli create -r 1 -d 2,3 -n abcdefghijkl
<<< stdout
-n : length of name should be no more than 10 characters
<<< status 1
$ qxcli create -r 1 -d 2,3 -n "\"abcdefghijk\""
<<< stdout
-n : length of name should be no more than 10 characters
<<< status 1
$ qxcli create -r 1 -d 2,3 -q two
<<< stdout
-q : invalid number of parity disks 'two'
<<< status 1
$ qxcli create -r 1 -d 2,3 -s 1G
<<< stdout
-s : invalid size '1G'.
<<< status 1
$ qxcli create -r 1 -d 2,3 -o ARRAY
<<< stdout
-o : array is not supported on this adapter
<<< status 1
$ qxcli info -o vd -i 1
<<< stdout

Unable to get info of vd 1 (error 59: Specified virtual disk doesn't exist)
<<< status 59

=== the first bad option ends the reading: a later one is not looked at
scenario ./small.json
$ qxcli create -g 5 -r 7 -d 2
<<< stdout
-g : invalid giga byte rounding scheme '5'
<<< status 1

=== options are checked for repeats, then for the required ones
scenario ./small.json
$ qxcli create -r 1 -r 1 -d 2,3
<<< stdout
Duplicated option specified.
<<< status 1
$ qxcli create -d 2,3 -d 4
<<< stdout
Duplicated option specified.
<<< status 1
$ qxcli create
<<< stdout
create: option -r is required
create: option -d is required
<<< status 1
$ qxcli create -d 2,3
<<< stdout
create: option -r is required
<<< status 1
$ qxcli create -r 1
<<< stdout
create: option -d is required
<<< status 1

=== a name of ten characters is taken, with or without quotes; only letters, digits, blanks and _; a repeated -c or -g takes its last value
scenario ./small.json
$ qxcli create -r 1 -d 2,3 -n "\"ten_chars1\"" -c off -c on -g 1 -g 0
$ qxcli create -r 1 -d 4,5 -n a-b
<<< stdout
-n, name must be numeric, character, space or underline. Now is a-b
<<< status 1
$ qxcli info -o vd -i 1
<<< stdout (only name:, only Cache mode:, only size:)
name:                ten_chars1
Stripe size:         64
Cache mode:          On 
size:                9984 M
<<< status 0

=== refusals after the options, in their order
scenario ./small.json
$ qxcli create -r 1 -d 2,3 -i intelligent -q 2
<<< stdout
intelligent only support on twintier/safe mode.
<<< status 19
$ qxcli create -r 5 -d 2,3 -q 2
<<< stdout
RAID mode RAID5 don't support the setting of parity disks.
<<< status 19
$ qxcli create -r 6 -d 2,3,4
<<< stdout
Specified RAID mode is not supported.
<<< status 1
$ qxcli create -r 5 -d 2,3 -n x
<<< stdout
RAID5 needs at least 3 PDs.
<<< status 1

=== each level's disk count
scenario ./small.json
$ qxcli create -r 0 -d 2
<<< stdout
RAID0 needs at least 2 PD.
<<< status 1
$ qxcli create -r 1 -d 2,3,4
<<< stdout
RAID1 needs exactly 2 PDs.
<<< status 1
$ qxcli create -r 10 -d 2,3,4
<<< stdout
RAID10 needs at least 4 or more even number of PDs.
<<< status 1
$ qxcli create -r 1e -d 2,3,4,5
<<< stdout
RAID1E needs at least 3 or more odd number of PDs.
<<< status 1
$ qxcli create -r 50 -d 2,3,4,5
<<< stdout
RAID50 needs least 6 or more even number of PDs.
<<< status 1
$ qxcli create -r 50 -d 2,3,4,5,6,10,11
<<< stdout
RAID50 needs least 6 or more even number of PDs.
<<< status 1
$ qxcli create -r 1E -d 2,3,4 --waiveconfirmation -n odd
$ qxcli info -o vd -i 1
<<< stdout (only RAID mode:, only # of PDs:)
RAID mode:           RAID1e
# of PDs:            3
<<< status 0

=== each disk is checked in list order: its id (the highest id is within range), then offline, spare, foreign, then in use
scenario ./small.json
$ qxcli create -r 1 -d 2,16
<<< stdout
Wrong disk 16 input.
<<< status 1
$ qxcli create -r 1 -d 2,15
<<< stdout
Failed to get status for PD 15 (error 55: Specified physical disk doesn't exist)
<<< status 1
$ qxcli create -r 1 -d 8,7
<<< stdout
Offline disk 8 can not be used to create VD.
<<< status 1
$ qxcli create -r 1 -d 7,8
<<< stdout
Spare disk 7 can not be used to create VD.
<<< status 1
$ qxcli create -r 1 -d 2,9
<<< stdout
Foreign disk 9 can not be used to create VD.
<<< status 1
$ qxcli create -r 1 -d 2,1
<<< stdout
Non-free disk 1 can not be used to create VD.
<<< status 1

=== a disk whose status cannot be read ends the command
scenario ./small.json
$ qxsim fault add QX_PD_GetHDRaidStatus --status 6 --adapter 0 --times 1
$ qxcli create -r 1 -d 2,3
<<< stdout
Failed to get status for PD 2 (error 6: Invalid request)
<<< status 1
$ qxsim fault add QX_BLK_GetInfo --status 7 --adapter 0 --times 1
$ qxcli create -r 1 -d 2,3
<<< stdout
Can not get disk 2 information(error 7: Invalid request parameter).
<<< status 7

=== the file-system check that cannot be made ends the command
scenario ./small.json
$ qxsim fault add QX_PD_GetMBRInfo --status 9 --adapter 0 --times 1
$ qxcli create -r 1 -d 2,3
<<< stdout

Failed to create virtual disk (error 9: Invalid physical disk id).
<<< status 1

=== what the adapter refuses is reported with its status
scenario ./small.json
$ qxcli create -r 1 -d 2,3 -b 48
<<< stdout

Failed to create virtual disk (error 67: Invalid block size).
<<< status 67
$ qxcli create -r 1 -d 2,3 -s 9985
<<< stdout

Failed to create virtual disk (error 4: Resource not available).
<<< status 4
$ qxcli create -r 1 -d 2,3 -s 900 -g 1
<<< stdout

Failed to create virtual disk (error 5: Data out of range).
<<< status 5
$ qxcli create -r 0 -d 2,3 -i background
<<< stdout

Failed to create virtual disk (error 19: Not supported).
<<< status 19
$ qxsim fault add QX_LD_Create --status 64 --adapter 0 --times 1
$ qxcli create -r 0 -d 2,3
<<< stdout

Failed to create virtual disk (error 64: Internal error, no virtual disk id available).
<<< status 64
$ qxcli info -o vd -i 1
<<< stdout

Unable to get info of vd 1 (error 59: Specified virtual disk doesn't exist)
<<< status 59

=== gigabyte rounding rounds the size down
scenario ./small.json
$ qxcli create -r 0 -d 2,11 -g 10 -n ten
$ qxcli create -r 0 -d 3,4 -g 1 -s 5000 -n one
$ qxcli info -o vd -i 1
<<< stdout (only size:)
Stripe size:         64
size:                10240 M
$ qxcli info -o vd -i 2
<<< stdout (only size:)
Stripe size:         64
size:                4096 M
<<< status 0

=== -t, which means nothing else, prints the help as -h does; the options after it are not read
$ qxcli create -t x -r 1
<<< stdout
Description:Create virtual disk.
create -o<vd> -d<PD id list> -r<0|1|10|5|1e>[-n <name>][-b <16|32|64|128>]
[-c<on|off>][-i<quick|none>][-g<0|1|10>][--waiveconfirmation] [-h]
Options:
    -o,  --object <vd>create virtual disk.
    -d, --pdid <PD id list> PD IDs used to create the VD, separated by commas.
    -r,  --raidmode <0|1|10|5|1e|tc|ts|hybrid>RAID level,
        Raid1E only for ostra, RAID twin Tier only for Brenn.
    -n, --name <VD name>(DEFAULT: Logical raid) - VD name.
    -b, --blocksize <16|32|64|128>(DEFAULT:64)stripe block size in KB unit.
        Can be one of 16, 32, 64 or 128.Only RAID0/1/10 can be 128.
    -c, --cache mode <on|off>(DEFAULT:on),Can be Cache On orCache Off.
    -i, --init <quick|none|intelligent> Initialization mode.(DEFAULT:quick)
               intelligent only support on twintier/safe mode on win
    -g, --gbrounding <0|1|10> 0:0MB,1:1GB,10:10GB.(DEFAULT:0)
       Giga byte rounding scheme.Show size precision on MB/GB/10GB boundary.
    -h, --help
Examples:
    create -o vd -r0 -d 0,2,4 -n "My VD" -b 32 -g 0
    Create a RAID 0 VD named 'My VD'  using disk 0, 2, 4. Stripe block size
    is 32 KB. 0GB rounding scheme is used.

<<< status 0

=== without a battery the cache writes through, unless the cache is switched on
scenario ./cache.json
$ qxcli 1 create -r 0 -d 0,1 -n auto
$ qxcli 1 create -r 0 -d 2,3 -n on -c on
$ qxcli 1 info -o vd
<<< stdout (only name:, only Cache mode:)
name:                auto
Cache mode:          Off 
name:                on
Cache mode:          On 
<<< status 0

=== an adapter without VD cache or rounding refuses those options
scenario ./cache.json
$ qxcli 2 create -r 0 -d 1,2 -c on
<<< stdout
VD cache is not supported on adapter 2.
<<< status 1
$ qxcli 2 create -r 0 -d 1,2 -w wb
<<< stdout
VD write cache is not supported on adapter 2.
<<< status 1
$ qxcli 2 create -r 0 -d 1,2 -p none
<<< stdout
VD read cache is not supported on adapter 2.
<<< status 1
$ qxcli 2 create -r 0 -d 1,2 -g 0
<<< stdout
Gigabyte rounding scheme is not supported
<<< status 1

=== on the newest adapter whose sizes count unforced, a size too large for the disks is sent and refused
scenario ./size_rule.json
$ qxcli create -r 1 -d 0,1 -s 20000000 -n edge
<<< stdout

Failed to create virtual disk (error 4: Resource not available).
<<< status 4

=== a battery keeps the write cache on unless told otherwise; on a newer adapter a size counts only with --forcesize
scenario ./cache.json
$ qxcli create -r 1 -d 0,1 -s 1000 -n auto
$ qxcli create -r 1 -d 2,3 -s 1000 -n forced --forcesize -w wt -p ra
$ qxcli info -o vd
<<< stdout (only name:, only Cache mode:, only size:)
name:                auto
Stripe size:         64
Cache mode:          On 
size:                9984 M
name:                forced
Stripe size:         64
Cache mode:          Off 
size:                1000 M
<<< status 0

=== a hybrid tier is named after the level alone and takes an SSD with hard disks
scenario ./cache.json
$ qxcli 2 create -r tc -d 1,2
<<< stdout

Failed to create virtual disk (error 28: SSD number is not right in the TwinTier).
<<< status 28
$ qxcli 2 create -r hybrid -d 0,1,2 -i intelligent
<<< stdout

Failed to create virtual disk (error 19: Not supported).
<<< status 19
$ qxcli 2 create -r tc -d 0,1
$ qxcli 2 create -r hybrid -d 2,3 -i none
<<< stdout

Failed to create virtual disk (error 28: SSD number is not right in the TwinTier).
<<< status 28
$ qxcli 2 info -o vd
<<< stdout (only name:, only Tier mode:)
name:                TwinTier_c_1
Tier mode:           twinTier capacity
<<< status 0

=== RAID6 and RAID60 parity disks: the disk count first, then the parity limits, each accepted at its edge
scenario ./parity.json
$ qxcli create -r 6 -d 0,1 -q 2
<<< stdout
RAID6 needs least 3 PDs.
<<< status 1
$ qxcli create -r 6 -d 0,1,2,3 -q 1
<<< stdout
Number of parity disks should be at least 2 and less than 3.
<<< status 1
$ qxcli create -r 6 -d 0,1,2,3,4 -q 4
<<< stdout
Number of parity disks should be at least 2 and less than 3.
<<< status 1
$ qxcli create -r 6 -d 0,1,2 -q 3
<<< stdout
Number of parity disks should be at least 2 and less than 3.
<<< status 1
$ qxcli create -r 60 -d 0,1,2,3,4,5,6 -q 4
<<< stdout
RAID60 needs least 6 or more even number of PDs.
<<< status 1
$ qxcli create -r 60 -d 0,1,2,3,4,5,6,7 -q 5
<<< stdout
RAID60 need even number of parity disks between 4 and 6.
<<< status 1
$ qxcli create -r 60 -d 0,1,2,3,4,5,6,7 -q 8
<<< stdout
RAID60 need even number of parity disks between 4 and 6.
<<< status 1
$ qxcli create -r 60 -d 0,1,2,3,4,5,6,7 -q 2
<<< stdout
RAID60 need even number of parity disks between 4 and 6.
<<< status 1
$ qxcli create -r 60 -d 0,1,2,3,4,5 -q 6
<<< stdout
# of parity disks (6) should be less than # of total disks (6).
<<< status 1
$ qxcli create -r 6 -d 0,1,2,3 -q 3 -n most
$ qxcli create -r 6 -d 4,5,6 -q 2 -n fewest
$ qxcli create -r 60 -d 7,8,9,10,11,12,13,14 -q 6 -n sixty
<<< status 0
