# Finding the command a line names, and how interactive lines are split.

=== command names ignore case
$ qxcli ERROR -c 1
<<< stdout

Error code 1: Failed.
<<< status 0
$ qxcli Error -c 2
<<< stdout

Error code 2: Unknown error.
<<< status 0

=== a unique prefix runs the command
$ qxcli h nosuch
<<< stdout
No help available for 'nosuch'
<<< status 0
$ qxcli hel nosuch
<<< stdout
No help available for 'nosuch'
<<< status 0

=== the hidden table answers only when the main table has no match
$ qxcli ver
<<< stdout
CLI Version: 4.1.13.56
RaidAPI Version: 1.0.4.2612 (simulated controller)
<<< status 0
$ qxcli er -c 3
<<< stdout

Error code 3: Unknown error.
<<< status 0
$ qxcli ERR -c 4
<<< stdout

Error code 4: Resource not available.
<<< status 0

=== a prefix of several commands is ambiguous
$ qxcli d
<<< stdout
Ambiguous command 'd'!
<<< status 1
$ qxcli De
<<< stdout
Ambiguous command 'de'!
<<< status 1
$ qxcli s
<<< stdout
Ambiguous command 's'!
<<< status 1

=== an unknown word is refused, in lower case
$ qxcli NoSuch
<<< stdout
Invalid command 'nosuch'!
<<< status 1
$ qxcli errors
<<< stdout
Invalid command 'errors'!
<<< status 1

=== a withdrawn command that the hidden table lacks is unknown
$ qxcli copyback
<<< stdout
Invalid command 'copyback'!
<<< status 1
$ qxcli sat
<<< stdout
Invalid command 'sat'!
<<< status 1
$ qxcli 1 mp
<<< stdout
Invalid command 'mp'!
<<< status 1

=== parser messages name the command word as typed, in lower case
$ qxcli ERR -x -c 5
<<< stderr
err: invalid option -- 'x'
<<< status 1

=== exit and quit as one-shot commands end with -1
$ qxcli exit
<<< status 255
$ qxcli QUIT now
<<< status 255

=== blank lines, blank words and refused lines at the prompt
$ qxcli
<<< stdin

 help
   
error  -c  8
help		version
 ev
events
ev -x
evidently anything
error -c "9
quit
<<< stdout (no eol)
CLI Version: 4.1.13.56   RaidAPI Version: 1.0.4.2612 (simulated controller)
Welcome to RAID Command Line Interface.

> Type 'exit' to exit CLI.
> Ambiguous command ''!
> Ambiguous command ''!
> 
Error code 8: Invalid virtual disk id.
> No help available for ''
Description:Get application version.
version 

Options: N/A

> Ambiguous command ''!
> event command is not supported in shell mode.
> event command is not supported in shell mode.
> event command is not supported in shell mode.
> Invalid quoted string.
> 
<<< status 255

=== quotes stay in interactive words but not in process arguments
$ qxcli
<<< stdin
help "error"
help "no such"
exit
<<< stdout (no eol)
CLI Version: 4.1.13.56   RaidAPI Version: 1.0.4.2612 (simulated controller)
Welcome to RAID Command Line Interface.

> No help available for '"error"'
> No help available for '"no such"'
> 
<<< status 255
$ qxcli help "version"
<<< stdout
Description:Get application version.
version 

Options: N/A

<<< status 0

=== a line ending in a carriage return and line feed
$ qxcli
<<< stdin (escaped)
error -c 10\x0d
exit\x0d
<<< stdout (no eol)
CLI Version: 4.1.13.56   RaidAPI Version: 1.0.4.2612 (simulated controller)
Welcome to RAID Command Line Interface.

> 
Error code 10: Invalid expander id.
> 
<<< status 255

=== a line ending in two carriage returns keeps one, on every system
$ qxcli
<<< stdin (escaped)
error -c 10\x0d\x0d
exit
<<< stdout (no eol)
CLI Version: 4.1.13.56   RaidAPI Version: 1.0.4.2612 (simulated controller)
Welcome to RAID Command Line Interface.

> -c : id should be a number
> 
<<< status 255

=== lines of up to 2047 characters run, a carriage return before the line end not counted; longer ones are refused whole
$ qxcli
<<< stdin (escaped)
error -c 5                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                     
error -c 6                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                      
error -c 5                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                     \x0d
exit
<<< stdout (no eol)
CLI Version: 4.1.13.56   RaidAPI Version: 1.0.4.2612 (simulated controller)
Welcome to RAID Command Line Interface.

> 
Error code 5: Data out of range.
> The line is too long (at most 2047 characters).
> 
Error code 5: Data out of range.
> 
<<< status 255

=== lines of up to 64 words run, longer ones are refused
$ qxcli
<<< stdin
error -c 7 w0 w1 w2 w3 w4 w5 w6 w7 w8 w9 w10 w11 w12 w13 w14 w15 w16 w17 w18 w19 w20 w21 w22 w23 w24 w25 w26 w27 w28 w29 w30 w31 w32 w33 w34 w35 w36 w37 w38 w39 w40 w41 w42 w43 w44 w45 w46 w47 w48 w49 w50 w51 w52 w53 w54 w55 w56 w57 w58 w59 w60
error -c 7 w0 w1 w2 w3 w4 w5 w6 w7 w8 w9 w10 w11 w12 w13 w14 w15 w16 w17 w18 w19 w20 w21 w22 w23 w24 w25 w26 w27 w28 w29 w30 w31 w32 w33 w34 w35 w36 w37 w38 w39 w40 w41 w42 w43 w44 w45 w46 w47 w48 w49 w50 w51 w52 w53 w54 w55 w56 w57 w58 w59 w60 w61
exit
<<< stdout (no eol)
CLI Version: 4.1.13.56   RaidAPI Version: 1.0.4.2612 (simulated controller)
Welcome to RAID Command Line Interface.

> 
Error code 7: Invalid request parameter.
> Too many words on the line (at most 64).
> 
<<< status 255

=== a prefix that only one enabled main command has
$ qxcli ad
<<< stdout
Total number of adapters: 2
Current default adapter ID for CLI commands: 0
<<< status 0
$ qxcli a
<<< stdout
Ambiguous command 'a'!
<<< status 1

=== switching adapter switches the command tables
$ qxcli
<<< stdin
adapter -i 1
help diskidofhd
adapter -i 0
he diskidofhd
quit
<<< stdout (no eol)
CLI Version: 4.1.13.56   RaidAPI Version: 1.0.4.2612 (simulated controller)
Welcome to RAID Command Line Interface.

> > No help available for 'diskidofhd'
> > Description:Get Windows disk id by a given HD id.
diskidofhd -i <hd id> [-h]

Options:
    -i, --id <hd id>
        HD id.
    -h, --help

> 
<<< status 255
