# dpmsg: the adapter's debug-message dump. Off by default; enabled, it takes
# a message per event and per changing call, and a dump moves the messages
# into a new file (consuming them).

=== enable, dump, dump again to the same file, then to a new one
$ qxsim clock freeze
$ qxsim clock set 1767225600
$ qxcli dpmsg -d off.txt
<<< stdout
AdapterID 0 dump msg cfg=0 (Enable/Disable)
AdapterID 0 dump msg cfg=0 (Start/Stop)
$ qxcli dpmsg -s ENABLE
<<< stdout

Start to set AdapterID 0 cfg=1
$ qxsim event add --class 2 --code 8 --device 1
$ qxcli set -o vd -i 1 -n data_1
$ qxcli dpmsg -d dump.txt
<<< stdout
AdapterID 0 dump msg cfg=1 (Enable/Disable)
AdapterID 0 dump msg cfg=1 (Start/Stop)
AdapterID 0 dump msg buffer size=65536
>>AdapterID 0 dump msg data length=152
<<< file dump.txt (no eol, as written)
[1767225600.000] debug dump started, ring of 64 KB
 [1767225600.000] event 6 kPdRemoved device 1 params 0 0 0 0
 [1767225600.000] call QX_LD_SetConfig
 
$ qxcli set -o vd -i 1 -n data_2
$ qxcli dpmsg -d dump.txt
<<< stdout (only Failed)
Failed to open file 'dump.txt' to AdapterID 0, error 0: No error
<<< file dump.txt (no eol, as written)
[1767225600.000] debug dump started, ring of 64 KB
 [1767225600.000] event 6 kPdRemoved device 1 params 0 0 0 0
 [1767225600.000] call QX_LD_SetConfig
 
$ qxcli dpmsg -i 0 --dump "\"again.txt\""
<<< stdout (only length)
>>AdapterID 0 dump msg data length=39
<<< file again.txt (no eol, as written)
[1767225600.000] call QX_LD_SetConfig
 
$ qxcli dpmsg -s disable
<<< stdout

Start to set AdapterID 0 cfg=0
<<< status 0

=== refusals: the values -s takes, -i, a repeated option, a failing library
$ qxcli dpmsg -s start
<<< stdout
-e : invalid input 'start'
<<< status 1
$ qxcli dpmsg -i x
<<< stdout
-i : invalide adapter ID 'x'. 
<<< status 1
$ qxcli dpmsg -d a -d b
<<< stdout
Duplicated option specified.
<<< status 1
$ qxcli dpmsg -i 5
<<< stdout

Failed to update file '' to AdapterID 5, error 13: Invalid adapter id...2
<<< status 13
$ qxsim fault add qx_dump_dbg_msg_handle_set_cfg --status 4
$ qxcli dpmsg -s enable
<<< stdout

Start to set AdapterID 0 cfg=1

Failed to AdapterID 0, error 4: Resource not available...1
<<< status 4
