# copyback: a spare that stood in for a pulled member hands its data to the disk put in its place.
=== on adapter 1 the member put back takes its data back from the spare, steered by copyback
$ qxsim clock freeze
$ qxsim clock set 1767225600
$ qxsim pd pull 0 --adapter 1
$ qxsim clock advance 100000
$ qxcli 1 copyback -l 0 -a pause
<<< stdout

Array 0 is not doing copy back.
$ qxsim pd insert 0 --adapter 1
$ qxcli 1 info -o vd -i 1
<<< stdout (only status:, only BGA, only PD RAID setup:)
status:              functional
BGA status:          running
PD RAID setup:       15 1 2 3 
BGA progress:    copy back is 0% done
$ qxcli 1 copyback -a pause
<<< stdout
copyback: option -l is required
<<< status 1
$ qxcli 1 copyback -l 0 -a start
<<< stdout
-a : invalid action 'start'
<<< status 1
$ qxcli 1 copyback -l 0 -a pause
$ qxcli 1 copyback -l 0 -a pause
<<< stdout

array 0 copy back is currently paused
$ qxcli 1 copyback -l 0 -a resume
$ qxcli 1 copyback -l 0 -a resume
<<< stdout

Array 0 is currently doing copy back.
$ qxsim clock advance 100000
$ qxcli 1 info -o vd -i 0
<<< stdout (only status:, only BGA, only PD RAID setup:)
status:              functional
BGA status:          not running
PD RAID setup:       0 1 2 3 
$ qxcli 1 info -o pd -i 15
<<< stdout (only block ids:, only associated VDs:)
block ids:           
$ qxsim events --adapter 1
<<< stdout (only class 1 code 9)
17  2026-01-02 03:46:40 UTC  class 1 code 90 device 0 severity 2 params 0 0 0 0
18  2026-01-02 03:46:40 UTC  class 1 code 90 device 1 severity 2 params 0 0 0 0
19  2026-01-02 03:46:40 UTC  class 1 code 92 device 0 severity 2 params 0 0 0 0
20  2026-01-02 03:46:40 UTC  class 1 code 92 device 1 severity 2 params 0 0 0 0
21  2026-01-02 03:46:40 UTC  class 1 code 93 device 0 severity 2 params 0 0 0 0
22  2026-01-02 03:46:40 UTC  class 1 code 93 device 1 severity 2 params 0 0 0 0
23  2026-01-02 04:02:34 UTC  class 1 code 95 device 0 severity 2 params 0 0 0 0
24  2026-01-02 04:02:34 UTC  class 1 code 95 device 1 severity 2 params 0 0 0 0
