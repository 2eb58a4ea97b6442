# The option parser as a user meets it, through error and help, whose
# handlers take the parser's outcomes differently: error refuses at once,
# help prints its page.

=== attached, separate, long and long-with-equals forms are the same
$ qxcli error -c13
<<< stdout

Error code 13: Invalid adapter id.
<<< status 0
$ qxcli error -c 13
<<< stdout

Error code 13: Invalid adapter id.
<<< status 0
$ qxcli error --controller 13
<<< stdout

Error code 13: Invalid adapter id.
<<< status 0
$ qxcli error --controller=13
<<< stdout

Error code 13: Invalid adapter id.
<<< status 0

=== grouped short options
$ qxcli error -hc 5
<<< stdout
Description:Translate error code to error description.
error -c [error code] [-h]

Options:
    -c, --[error code]
        Error code.
    -h, --help

Examples:
    error -c 1

    Show description of error code 1.

<<< status 0

=== an unknown short option
$ qxcli error -x -c 5
<<< stderr
error: invalid option -- 'x'
<<< status 1
$ qxcli er -x
<<< stderr
er: invalid option -- 'x'
<<< status 1

=== a missing argument
$ qxcli error -c
<<< stderr
error: option requires an argument -- 'c'
<<< status 1
$ qxcli error --controller
<<< stderr
error: option '--controller' requires an argument
<<< status 1

=== the argument is the next word, whatever it looks like
$ qxcli error -c -c
<<< stdout
-c : id should be a number
<<< status 1

=== long option names must be written in full
$ qxcli error --cont 5
<<< stderr
error: unrecognized option '--cont'
<<< status 1
$ qxcli error --controllers=5
<<< stderr
error: unrecognized option '--controllers=5'
<<< status 1

=== an argument given to a long option without one
$ qxcli help --internal=yes
<<< stdout
Description:Get brief help for all commands or detail help for one command.
help [<command list>]

Options:
    <command list>display specified commands' help page 
    If no option specified, brief description on each command is displayed.

<<< stderr
help: option '--internal' doesn't allow an argument
<<< status 0

=== stray words are skipped
$ qxcli error stray -c 14 more
<<< stdout

Error code 14: Invalid RAID mode.
<<< status 0

=== words after -- are not options
$ qxcli error -c 15 -- -c 16
<<< stdout

Error code 15: Invalid enclosure id.
<<< status 0
$ qxcli error -- -c 16
<<< stdout
error: option -c is required
<<< status 1

=== with POSIXLY_CORRECT parsing stops at the first word that is not an option
env POSIXLY_CORRECT=1
$ qxcli error stray -c 17
<<< stdout
error: option -c is required
<<< status 1
$ qxcli error -c 17 stray -c 18
<<< stdout

Error code 17: Invalid array id.
<<< status 0

=== a repeated option
$ qxcli error -c 1 -c 2
<<< stdout
Duplicated option specified.
<<< status 1
$ qxcli error -c 1 --controller=1
<<< stdout
Duplicated option specified.
<<< status 1

=== error codes and their texts
$ qxcli error -c 0
<<< stdout

Error code 0: No error.
<<< status 0
$ qxcli error -c 54
<<< stdout

Error code 54: Specified physical disk  is a spare drive.
<<< status 0
$ qxcli error -c 255
<<< stdout

Error code 255: Unknown error.
<<< status 0
$ qxcli error -c 256
<<< stdout
Invalid error code
<<< status 1
$ qxcli error -c -1
<<< stdout
-c : id should be a number
<<< status 1
$ qxcli error -c 0x10
<<< stdout
-c : id should be a number
<<< status 1
$ qxcli error -c ''
<<< stdout

Error code 0: No error.
<<< status 0
$ qxcli error -c 0000000000000000000000013
<<< stdout

Error code 13: Invalid adapter id.
<<< status 0
$ qxcli error -c 99999999999999999999999999
<<< stdout
Invalid error code
<<< status 1

=== error has no long --help
$ qxcli error --help
<<< stderr
error: unrecognized option '--help'
<<< status 1

=== the check order of error: a bad value refuses before a repeat is counted
$ qxcli error -c 1 -c 300
<<< stdout
Invalid error code
<<< status 1
$ qxcli error -c 1 -c x
<<< stdout
-c : id should be a number
<<< status 1

=== the parser's message names the typed word, the required-option message the command
$ qxcli inf -x
<<< stdout
info: option -o is required
<<< stderr
inf: invalid option -- 'x'
<<< status 1
$ qxcli INFO --obj hba
<<< stdout
info: option -o is required
<<< stderr
info: unrecognized option '--obj'
<<< status 1

=== with POSIXLY_CORRECT a stray word hides the options behind it
env POSIXLY_CORRECT=yes
$ qxcli info stray -o hba
<<< stdout
info: option -o is required
<<< status 1
