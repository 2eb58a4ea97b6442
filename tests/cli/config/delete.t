# delete: VDs with their questions and activities, spares, arrays and
# package VDs, and the option rules. busy.json and arrays.json say what each
# VD and disk is doing.

=== a VD deleted after yes gives its disks' space back
scenario ./small.json
$ qxcli delete -o vd -i 0
<<< stdin
y
<<< stdout
Are you sure you want to delete this virtual disk? (y or n)
Delete VD 0 successfully.
$ qxcli info -o vd
<<< stdout
No virtual disk is found.
$ qxcli info -o pd -i 1
<<< stdout (only block ids:, only PD valid size:)
block ids:           
PD valid size:       10223616 K
<<< status 0

=== no keeps the VD, and so does the end of input while the question waits; -o ld is the same as -o vd
scenario ./small.json
$ qxcli delete -o ld -i 0
<<< stdin
N
<<< stdout
Are you sure you want to delete this virtual disk? (y or n)
$ qxcli delete -o vd -i 0
<<< stdin
x
<<< stdout
Are you sure you want to delete this virtual disk? (y or n)
Please input y or n.
$ qxcli info -o vd -i 0
<<< stdout (only name:)
name:                boot
<<< status 0

=== any other answer asks again, without the question
scenario ./small.json
$ qxcli delete -o vd -i 0
<<< stdin
maybe

yes
<<< stdout
Are you sure you want to delete this virtual disk? (y or n)
Please input y or n.
Please input y or n.
Delete VD 0 successfully.
$ qxcli info -o vd
<<< stdout
No virtual disk is found.
<<< status 0

=== a new VD deleted at once: its initialization is stopped first, and its disks can be used again
scenario ./small.json
$ qxcli create -r 1 -d 6,2 -n again
<<< stdin
y
<<< stdout
PD 6 has file system on it. Data will be lost if it is used to create VD.
Do you still want to create the VD? (y or n)
$ qxcli delete -o vd -i 1
<<< stdin
y
y
<<< stdout
Are you sure you want to delete this virtual disk? (y or n)

VD 1 is initializing, do you still want to delete it? (y or n)
Delete VD 1 successfully.
$ qxcli create -r 1 -d 6,2 -n again
$ qxsim events
<<< stdout
1  2026-01-01 00:00:00 UTC  class 1 code 2 device 1 severity 2 params 0 0 0 0
2  2026-01-01 00:00:00 UTC  class 1 code 40 device 1 severity 2 params 0 0 0 0
3  2026-01-01 00:00:00 UTC  class 1 code 44 device 1 severity 3 params 0 0 0 0
4  2026-01-01 00:00:00 UTC  class 1 code 3 device 1 severity 2 params 1767991137 110 0 0
5  2026-01-01 00:00:00 UTC  class 1 code 2 device 1 severity 2 params 0 0 0 0
6  2026-01-01 00:00:00 UTC  class 1 code 40 device 1 severity 2 params 0 0 0 0
<<< status 0

=== a busy VD asks about its activity; no keeps it
scenario ./busy.json
$ qxcli delete -o vd -i 1
<<< stdin
y
n
<<< stdout
Are you sure you want to delete this virtual disk? (y or n)

VD 1 is rebuilding, do you still want to delete it? (y or n)
$ qxcli info -o vd -i 1
<<< stdout (only name:, only BGA progress:)
name:                data
BGA progress:    rebuilding is 25% done
<<< status 0

=== --waiveconfirmation deletes a rebuilding VD without a question, stopping the rebuild
scenario ./busy.json
$ qxcli delete -o vd -i 1 --waiveconfirmation
<<< stdout
Delete VD 1 successfully.
$ qxsim events
<<< stdout
1  2026-01-01 00:00:00 UTC  class 1 code 74 device 1 severity 3 params 0 0 0 0
2  2026-01-01 00:00:00 UTC  class 1 code 3 device 1 severity 2 params 1635017060 0 0 0
$ qxcli info -o pd -i 12
<<< stdout (only block ids:, only PD valid size:)
block ids:           
PD valid size:       10223616 K
<<< status 0

=== -f asks whether to delete, but not about the activity
scenario ./busy.json
$ qxcli delete -o vd -i 2 -f
<<< stdin
y
<<< stdout
Are you sure you want to delete this virtual disk? (y or n)
Delete VD 2 successfully.
$ qxcli info -o vd -i 2
<<< stdout

Unable to get info of vd 2 (error 59: Specified virtual disk doesn't exist)
<<< status 59

=== offline and foreign VDs are deleted as they are, without an activity question
scenario ./busy.json
$ qxcli delete -o vd -i 3
<<< stdin
y
<<< stdout
Are you sure you want to delete this virtual disk? (y or n)
Delete VD 3 successfully.
$ qxcli delete -o vd -i 5
<<< stdin
y
<<< stdout
Are you sure you want to delete this virtual disk? (y or n)
Delete VD 5 successfully.
<<< status 0

=== media patrol on a member disk is stopped after a second question
scenario ./busy.json
$ qxcli delete -o vd -i 4
<<< stdin
y
n
<<< stdout
Are you sure you want to delete this virtual disk? (y or n)
Delete VD will stop Media patrol on PD. Do you want to continue?(y or n)
<<< status 88
$ qxcli delete -o vd -i 4
<<< stdin
y
y
<<< stdout
Are you sure you want to delete this virtual disk? (y or n)
Delete VD will stop Media patrol on PD. Do you want to continue?(y or n)
Send to disk 8 stop BGA success
Delete VD 4 successfully.
$ qxsim events
<<< stdout
1  2026-01-01 00:00:00 UTC  class 2 code 18 device 8 severity 3 params 0 0 0 0
2  2026-01-01 00:00:00 UTC  class 1 code 3 device 4 severity 2 params 1634886515 6841204 0 0
<<< status 0

=== a member that cannot be looked at is reported and the delete goes on
scenario ./busy.json
$ qxsim fault add QX_PD_GetBGAStatus --status 6 --adapter 0 --times 1
$ qxcli delete -o vd -i 4 --waiveconfirmation
<<< stdout
Failed to get PD 8 RAID status.
Delete VD 4 successfully.
<<< status 0

=== a media patrol that does not stop is reported and the delete goes on
scenario ./busy.json
$ qxsim fault add QX_PD_BGAControl --status 7 --adapter 0 --times 1
$ qxcli delete -o vd -i 4 --waiveconfirmation
<<< stdout
Send to disk 8 stop BGA failed
Delete VD 4 successfully.
<<< status 0

=== a VD whose disks cannot be listed is deleted, and their media patrol goes on
scenario ./busy.json
$ qxsim fault add QX_LD_GetInfo --status 6 --adapter 0 --times 1
$ qxcli delete -o vd -i 4 --waiveconfirmation
<<< stdout
Failed to get VD 4 info to stop media partol
Delete VD 4 successfully.
$ qxsim events
<<< stdout
1  2026-01-01 00:00:00 UTC  class 1 code 3 device 4 severity 2 params 1634886515 6841204 0 0
<<< status 0

=== a block that cannot be looked up is passed over
scenario ./busy.json
$ qxsim fault add QX_BLK_GetInfo --status 12 --adapter 0 --times 1
$ qxcli delete -o vd -i 4 --waiveconfirmation
<<< stdout
Failed to find disk map to block 8
Delete VD 4 successfully.
<<< status 0

=== the adapter's refusals are reported with their status
scenario ./busy.json
$ qxcli delete -o vd -i 0
<<< stdin
y
<<< stdout
Are you sure you want to delete this virtual disk? (y or n)
Failed to delete VD 0 (error 158: Virtual disk has running OS in it).
<<< status 158
$ qxcli delete -o vd -i 9
<<< stdout

Unable to get status of VD 9 (error 59: Specified virtual disk doesn't exist).
<<< status 1
$ qxsim fault add QX_LD_BGAControl --status 6 --adapter 0 --times 1
$ qxcli delete -o vd -i 1 --waiveconfirmation
<<< stdout
Failed to delete VD 1 (error 61: Virtual disk is currently having BGA).
<<< status 61

=== a spare goes back to being a free disk
scenario ./busy.json
$ qxcli delete -o spare -i 13
<<< stdout
PD 13 is not spare disk.
<<< status 0
$ qxcli delete -o spare -i 40
<<< stdout

Unable to get info of spare 40 (error 55: Specified physical disk doesn't exist)
<<< status 55
$ qxcli delete -o spare -i 12
<<< stdout
Unable to delete spare disk 12  (error 89: target spare disk is using)
<<< status 82
$ qxcli delete -o spare -i 11
<<< stdin
n
<<< stdout
Use spare disk will stop Media patrol on PD 11. Do you want to continue?(y or n)
<<< status 88
$ qxcli delete -o spare -i 11
<<< stdin
y
<<< stdout
Use spare disk will stop Media patrol on PD 11. Do you want to continue?(y or n)
Delete the spare disk 11 successfully.
$ qxcli delete -o spare -i 11
<<< stdout
PD 11 is not spare disk.
<<< status 0

=== a spare in its array's hands is freed without questions when waived
scenario ./arrays.json
$ qxcli delete -o spare -i 6 --waiveconfirmation
<<< stdout
Delete the spare disk 6 successfully.
<<< status 0

=== an array goes when it holds no VD
scenario ./arrays.json
$ qxcli delete -o array -i 0
<<< stdin
y
<<< stdout
Are you sure you want to delete this array? (y or n)
Failed to delete array 0 (error 76: At least one virtual disk is on the specified array).
<<< status 76
$ qxcli delete -o array -i 2
<<< stdin
n
<<< stdout
Are you sure you want to delete this array? (y or n)
$ qxcli delete -o ARRAY -i 2
<<< stdin
y
<<< stdout
Are you sure you want to delete this array? (y or n)
Delete array 2 successfully.
$ qxcli delete -o array -i 2
<<< stdout

Unable to get info of array 2 (error 17: Invalid array id).
<<< status 1
$ qxsim events
<<< stdout
1  2026-01-01 00:00:00 UTC  class 2 code 10 device 6 severity 2 params 0 0 0 0
2  2026-01-01 00:00:00 UTC  class 13 code 1 device 2 severity 2 params 0 0 0 0
<<< status 0

=== a package VD goes with its array
scenario ./arrays.json
$ qxcli delete -o packagevd -i 0 --waiveconfirmation
<<< stdout
Failed to delete PackageVD 0 (error 17: Invalid array id).
<<< status 17
$ qxcli delete -o PackageVD -i 1
<<< stdin
y
<<< stdout
Are you sure you want to delete this PackageVD? (y or n)
Delete PackageVD 1 successfully.
$ qxcli info -o vd
<<< stdout (only name:, only Total # of VD:)
name:                db
Total # of VD:       1
<<< status 0

=== an arrays-less adapter has no arrays and no package VDs
scenario ./small.json
$ qxcli delete -o array -i 0
<<< stdout
-o : array is not supported on this adapter
<<< status 1
$ qxcli delete -o packagevd -i 0
<<< stdin
y
<<< stdout
Are you sure you want to delete this PackageVD? (y or n)
Failed to delete PackageVD 0 (error 160: This command is not supported on this adapter).
<<< status 160

=== the options: repeats, the id range before the required options, values
scenario ./small.json
$ qxcli delete -o vd -o vd -i 0
<<< stdout
Duplicated option specified.
<<< status 1
$ qxcli delete -o vd -i 0 -f -f
<<< stdout
Duplicated option specified.
<<< status 1
$ qxcli delete -o vd -i 255
<<< stdout
-i : invalid id 255
<<< status 1
$ qxcli delete -i 300
<<< stdout
-i : invalid id 300
<<< status 1
$ qxcli delete -o vd -i 65536
<<< stdout
-i : invalid id 65536
<<< status 1
$ qxcli delete
<<< stdout
delete: option -o is required
delete: option -i is required
<<< status 1
$ qxcli delete -i 0
<<< stdout
delete: option -o is required
<<< status 1
$ qxcli delete -o vd
<<< stdout
delete: option -i is required
<<< status 1
$ qxcli delete -o disk -i 0
<<< stdout
-o : invalid object 'disk'
<<< status 1
$ qxcli delete -o vd -i 0x1
<<< stdout
-i : invalid id '0x1'
<<< status 1
$ qxcli delete -o vd -i 0 -x
<<< stderr
delete: invalid option -- 'x'
<<< status 1
$ qxcli delete -o vd -i 0 -h
<<< stdout
Description:Delete virtual disk or spare drive.
delete -o <vd|array|spare> -i <id> [-f] [--waiveconfirmation] [-h]

Options:
    -o, --object <vd|array|spare>
        Name of the object (VD, array or spare) to be deleted.
    -i, --id <id>
        Id of VD, array or spare drive (depends on -o option) to be deleted.
    -f, --force delete virtual disk if it is under rebuilding, migrating,
        initialization or consistency check.
    -h, --help

Examples:
    delete -o vd -i 4
    Delete virtual disk with id equal to 4.

<<< status 0
