# Files a command writes land in the case's own working directory; "-output"
# appends the command's output to the named file.

=== output redirected to a file leaves the console empty
$ qxcli nosuch -output out.txt
<<< file out.txt
Invalid command 'nosuch'!
<<< status 1

=== the working directory is kept across the steps of a case
$ qxcli first -output out.txt
<<< status 1
$ qxcli second -output out.txt
<<< file out.txt
Invalid command 'first'!
Invalid command 'second'!
<<< status 1

=== every case starts in an empty working directory
$ qxcli third -output out.txt
<<< file out.txt
Invalid command 'third'!
<<< status 1

=== the marked redirection word is the command word when nothing else is given
# Its second character is replaced by the byte 1.
$ qxcli -output out.txt
<<< file out.txt (escaped)
Invalid command '-\x01utput'!
<<< status 1
