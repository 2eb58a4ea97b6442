# `get`: its objects, its refusals and the library's answers for missing objects.

=== every VD and PD, paged
$ qxcli get -o vd
<<< stdout
virtual disk id:         0
cache mode:              Off 

virtual disk id:         1
cache mode:              Off 

$ qxcli get -o pd
<<< stdout (only hard disk id:)
hard disk id:            0
hard disk id:            1
hard disk id:            2
hard disk id:            3
hard disk id:            4
hard disk id:            5
hard disk id:            6
hard disk id:            7
hard disk id:            8
hard disk id:            9
hard disk id:            10
hard disk id:            11
hard disk id:            12
hard disk id:            13
<<< status 0

=== one-object queries for missing objects report the library's status
$ qxcli get -o pd -i 40
<<< stdout

Unable to get configuration of hard disk 40 (error 55 : Specified physical disk doesn't exist).
<<< status 55
$ qxcli get -o vd -i 7
<<< stdout

VD 7 is invalid (error 59: Specified virtual disk doesn't exist)
<<< status 59

=== refusals of the command line
$ qxcli get -o array
<<< stdout
-o : array is not supported on this adapter
<<< status 1
$ qxcli get -o hba -i 1 -i 2
<<< stdout
Duplicated option specified.
<<< status 1
$ qxcli get -i 2
<<< stdout
get: option -o is required
<<< status 1
$ qxcli get -o disk
<<< stdout
-o : invalid object 'disk', should be VD, PD or Array
<<< status 1
$ qxcli get -o vd -i x
<<< stdout
-i : id is not a number
<<< status 1
$ qxcli get -o hbavpd
<<< status 0

=== arrays, on the array-capable adapter
$ qxcli 1 get -o array
<<< stdout
array id:                0
write cache:             on

$ qxcli 1 get -o array -i 3
<<< status 17
$ qxcli 1 get -o pd -i 15
<<< stdout
hard disk id:            15
write cache:             on
drive speed:             12 Gb/s

<<< status 0
