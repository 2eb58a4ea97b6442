# tier and segment on a capacity-tier VD 0 of 3 GB (adapter 0 of tier.json,
# entry tables of 3 entries, 4 segments); VD 1 is a RAID1.

=== the entry table: add, count, overlap, full, empty again
scenario ./tier.json
$ qxcli tier -o count -d 0
<<< stdout
TwinTier table total enties count 3
TwinTier table remian enties count 3
$ qxcli tier -o empty -d 0 -a 0 -l 4096
$ qxcli tier -o empty -d 0 -a 4000 -l 200
<<< status 7
$ qxcli tier -o empty -d 0 -a 4096 -l 4096
$ qxcli tier --object empty --TwinTier 0 --adress 2147483647 --length 1
$ qxcli tier -o empty -d 0 -a 8192 -l 1
<<< status 4
$ qxcli tier -o count -d 0
<<< stdout
TwinTier table total enties count 3
TwinTier table remian enties count 0
$ qxcli tier -o delete -d 0
$ qxcli tier -o count -d 0
<<< stdout
TwinTier table total enties count 3
TwinTier table remian enties count 3
$ qxcli tier -o count -d 1
<<< stdout

Failed to get table information (error 6: Invalid request).
<<< status 6
$ qxcli tier -o count
<<< stdout
tier: option -d is required
<<< status 1
$ qxcli 1 tier -o count -d 0
<<< stdout
TwinTier is not supported.
<<< status 1

=== segments: numbered from 0, inside the VD, not overlapping, at most 4
scenario ./tier.json
$ qxcli segment -a add -i 0 -s 0 -l 1024
<<< stdout
Success to add segment on TwinTier 0.
$ qxcli segment -a add -i 0 -s 512 -l 1024
<<< stdout
Failed to add segment to TwinTier 0 (error 7: Invalid request parameter).
<<< status 7
$ qxcli segment -a add -i 0 -s 1073741824 -l 1
<<< stdout
Failed to add segment to TwinTier 0 (error 5: Data out of range).
<<< status 5
$ qxcli segment -a add -i 1 -s 0 -l 1
<<< stdout
Failed to add segment to TwinTier 1 (error 6: Invalid request).
<<< status 6
$ qxcli segment -a add -i 0 -s 1024 -l 1
<<< stdout
Success to add segment on TwinTier 0.
$ qxcli segment -a add -i 0 -s 2048 -l 1
<<< stdout
Success to add segment on TwinTier 0.
$ qxcli segment -a add -i 0 -s 4096 -l 1
<<< stdout
Success to add segment on TwinTier 0.
$ qxcli segment -a add -i 0 -s 8192 -l 1
<<< stdout
Failed to add segment to TwinTier 0 (error 4: Resource not available).
<<< status 4
$ qxcli segment -a list -i 9
<<< stdout
 segment on TwinTier 9.
 segment 0, start 0 length 2048.
 segment 1, start 2048 length 2.
 segment 2, start 4096 length 2.
 segment 3, start 8192 length 2.

$ qxcli segment -a remove -i 0
<<< stdout
Success to remove segment on TwinTier 0.
$ qxcli segment -a list -i 0
<<< stdout
 segment on TwinTier 0.

$ qxcli segment -a add -i 1
<<< stdout
segment: option -s is required
segment: option -l is required
<<< status 1
$ qxcli 1 segment -a list -i 0
<<< stdout
Failed to get segment on TwinTier 0 (error 19: Not supported).
<<< status 19
