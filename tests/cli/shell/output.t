# "-output FILE": where it may stand, how it is spelled, and what the command sees.

=== output after the command goes to the file and nothing to the console
$ qxcli error -c 13 -output out.txt
<<< file out.txt

Error code 13: Invalid adapter id.
<<< status 0

=== the file is appended to, never truncated
$ qxcli error -c 0 -output log.txt
<<< status 0
$ qxcli error -c 1 -output log.txt
<<< file log.txt

Error code 0: No error.

Error code 1: Failed.
<<< status 0

=== the spelling ignores case
$ qxcli error -c 4 -OUTPUT upper.txt
<<< file upper.txt

Error code 4: Resource not available.
<<< status 0
$ qxcli error -c 5 -Output mixed.txt
<<< file mixed.txt

Error code 5: Data out of range.
<<< status 0

=== the redirection may stand between the options
$ qxcli error -output out.txt -c 7
<<< file out.txt

Error code 7: Invalid request parameter.
<<< status 0

=== after an adapter number; the file name is a word the command skips
$ qxcli 1 adapter -output out.txt
<<< file out.txt
Total number of adapters: 2
Current default adapter ID for CLI commands: 1
<<< status 0

=== before the command word, -output is the command word
$ qxcli -output out.txt error -c 6
<<< file out.txt (escaped)
Invalid command '-\x01utput'!
<<< status 1

=== -output and its file alone make an unknown command
$ qxcli -output out.txt
<<< file out.txt (escaped)
Invalid command '-\x01utput'!
<<< status 1

=== only the first -output redirects; a second one is a bad option
$ qxcli error -c 8 -output first.txt -output second.txt
<<< stderr
error: invalid option -- 'o'
<<< file first.txt
<<< status 1

=== the long spelling does not redirect, and the command ignores it
$ qxcli error --output out.txt -c 9
<<< stdout

Error code 9: Invalid physical disk id.
<<< status 0
$ qxcli error -c 9 --output=out.txt
<<< stdout

Error code 9: Invalid physical disk id.
<<< status 0

=== -output as the last word is no redirection
$ qxcli error -c 10 -output
<<< stderr
error: invalid option -- 'o'
<<< status 1

=== messages of a refused command land in the file, parser messages do not
$ qxcli error -x -output parser.txt
<<< stderr
error: invalid option -- 'x'
<<< file parser.txt
<<< status 1
$ qxcli nosuch -output unknown.txt
<<< file unknown.txt
Invalid command 'nosuch'!
<<< status 1

=== a file that cannot be opened ends the program before anything runs
$ qxcli error -c 11 -output no/such/dir/out.txt
<<< stdout
Cannot open output file 'no/such/dir/out.txt': No such file or directory
<<< status 1

=== help reads the words after the options, the file name among them
$ qxcli help version -output out.txt
<<< file out.txt
No help available for 'out.txt'
<<< status 0
$ qxcli help -output names.txt version
<<< file names.txt
No help available for 'names.txt'
Description:Get application version.
version 

Options: N/A

<<< status 0
