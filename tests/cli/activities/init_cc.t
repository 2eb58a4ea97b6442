# init and cc: start, pause, resume and stop as the activity's state allows.
=== init starts a full initialization, which runs, pauses, resumes and stops by its state
scenario activities.json
$ qxcli init -l 0
<<< stdout
Start initialization successfully
$ qxcli init -l 0
<<< stdout

VD 0 is currently having background activities.
$ qxcli init -l 0 -a resume
<<< stdout

VD 0 is initializing.
$ qxcli init -l 0 -a pause
<<< stdout
Pause successfully
$ qxcli init -l 0 -a pause
<<< stdout

VD 0 initialization is in pause state, you can resume it only.
$ qxcli init -l 0 -a stop
<<< stdout

VD 0 initialization is in pause state, you can resume it only.
$ qxcli init -l 0 -a resume
<<< stdout
Resume successfully
$ qxcli init -l 0 -a stop
<<< stdout
Abort successfully
$ qxcli init -l 0 -a stop
<<< stdout

VD 0 is not initializing.
$ qxcli info -o vd -i 0
<<< stdout (only BGA)
BGA status:          not running
$ qxsim events
<<< stdout
1  2026-01-01 00:00:00 UTC  class 1 code 50 device 0 severity 2 params 0 0 0 0
2  2026-01-01 00:00:00 UTC  class 1 code 52 device 0 severity 2 params 0 0 0 0
3  2026-01-01 00:00:00 UTC  class 1 code 53 device 0 severity 2 params 0 0 0 0
4  2026-01-01 00:00:00 UTC  class 1 code 54 device 0 severity 3 params 0 0 0 0
=== a start is refused while any activity is recorded; steering needs the command's own kind
scenario activities.json
$ qxcli init -l 1
<<< stdout

VD 1 is currently having background activities.
$ qxcli init -l 3
<<< stdout

VD 3 is currently having background activities.
$ qxcli init -l 3 -a pause
<<< stdout

VD 3 is not initializing.
$ qxcli init -l 4 -a stop
<<< stdout

VD 4 initialization is in pause state, you can resume it only.
$ qxcli init -l 4 -a resume
<<< stdout
Resume successfully
$ qxcli cc -l 1 -a stop
<<< stdout

VD 1 is not in consistency check mode.
$ qxcli cc -l 4 -a resume
<<< stdout

VD 4 is not in consistency check mode.
$ qxcli cc -l 3 -a pause
<<< stdout

Consistency check on VD 3 is paused, resume it first.
$ qxcli cc -l 3 -a resume
<<< stdout
Resume successfully
$ qxcli cc -l 3 -a resume
<<< stdout

VD 3 is having consistency check.
$ qxcli cc -l 0 -t CHECK
<<< stdout
Start consistency
$ qxcli info -o vd -i 0
<<< stdout (only BGA)
BGA status:          running
BGA progress:    synchronizing is 0% done
=== RAID 0 is refused for a start only; a completed fix leaves the VD initialized
scenario activities.json
$ qxcli init -l 2
<<< stdout
Full initialization for RAID 0 is not supported.
<<< status 19
$ qxcli cc -l 2
<<< stdout
Consistency check for RAID 0 is not supported.
<<< status 19
$ qxcli cc -l 2 -a stop
<<< stdout

VD 2 is not in consistency check mode.
$ qxcli cc -l 0
<<< stdout
Start consistency
$ qxsim clock advance 250
$ qxcli info -o vd -i 0
<<< stdout (only status:)
status:              functional and initialized
BGA status:          not running
$ qxsim events
<<< stdout
1  2026-01-01 00:00:00 UTC  class 1 code 30 device 0 severity 2 params 0 0 0 0
2  2026-01-01 00:03:20 UTC  class 1 code 35 device 0 severity 2 params 0 0 0 0
=== option errors are refused before any call
scenario activities.json
$ qxcli init
<<< stdout
init: option -l is required
<<< status 1
$ qxcli cc
<<< stdout (only Description:)
Description:Start, stop, pause or resume VD Consistency Check.
<<< status 1
$ qxcli init -l 0 -a Start
<<< stdout
-a : invalid action 'Start'
<<< status 1
$ qxcli init -l 0 -t x
<<< stdout (only Description:)
Description:Start, stop, pause or resume VD initialization.
Description: start, stop, pause or resume VD initialization.
$ qxcli init -l x
<<< stdout
-l : VD id should be a number
<<< status 1
$ qxcli init -o pd -l 0
<<< stdout
-o : invalid object 'pd'
<<< status 1
$ qxcli cc -l 3 -l 3
<<< stdout
Duplicated option specified.
<<< status 1
$ qxcli cc -l 0 -t both
<<< stdout
-t : invalid argument 'both'
<<< status 1
$ qxcli cc -o array -l 0
<<< stdout
-o : invalid object 'array', should be VD
<<< status 1
$ qxcli cc -l 0x1
<<< stdout
-l : invalid vd '0x1'
<<< status 1
$ qxcli init -l 9
<<< stdout

Unable to get info of VD 9 (error 59: Specified virtual disk doesn't exist).
<<< status 59

=== a failing library call is reported with its status and changes nothing
scenario activities.json
$ qxsim fault add QX_LD_StartConsistencyCheck --status 6 --times 1
$ qxcli cc -l 0
<<< stdout

Unable to start consistency on VD 0 (error 6: Invalid request)
<<< status 6
$ qxcli info -o vd -i 0
<<< stdout (only BGA)
BGA status:          not running
$ qxsim fault add QX_LD_GetStatus --status 4 --times 1
$ qxcli init -l 0 -a pause
<<< stdout

Unable to get status of VD 0 (error 4: Resource not available).
<<< status 4

=== a start that stops a media patrol asks first: n declines, an unclear answer asks again, end of input declines
scenario activities.json
$ qxcli cc -l 5
<<< stdin
no
<<< stdout
Fix VD will stop Media patrol on PD. Do you want to continue?(y or n)
$ qxcli init -l 5
<<< stdin
<<< stdout
Init VD will stop Media patrol on PD. Do you want to continue?(y or n)
$ qxcli cc -l 5 -t check
<<< stdin
x
yes
<<< stdout
Check VD will stop Media patrol on PD. Do you want to continue?(y or n)
Please input y or n.
Start consistency
$ qxsim events
<<< stdout
1  2026-01-01 00:00:00 UTC  class 2 code 21 device 13 severity 3 params 0 0 0 0
2  2026-01-01 00:00:00 UTC  class 1 code 20 device 5 severity 2 params 0 0 0 0
