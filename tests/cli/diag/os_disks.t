# OS disk mapping commands: option refusals, and the lookup that gives up.

=== option refusals of diskidofvd, devmap and hl
$ qxcli diskidofhd -i 1x
<<< stdout
-i : invalid vd id '1x'
<<< status 1
$ qxcli diskidofvd
<<< stdout
diskidofvd: option -i is required
<<< status 1
$ qxcli devmap -o ld
<<< stdout
-o: Invalid object 'ld'.
<<< status 1
$ qxcli devmap -o vd -i -3
<<< stdout
-i: invalid object id '-3'.
<<< status 1
$ qxcli devmap -i 0 -o vd -i 1
<<< stdout
Duplicated option specified.
<<< status 1
$ qxcli devmap -i 0
<<< stdout
devmap: option -o is required
<<< status 1
$ qxcli hl -o pd -d 1
<<< stdout
-o : invalid object 'pd', should be vd
<<< status 1
$ qxcli hl -o vd -d one
<<< stdout
-d : disk number is not a number
<<< status 1
$ qxcli hl -o vd
<<< stdout
hl: option -d is required
<<< status 1

=== a VD the host does not show is not found after ten tries, a second apart
$ qxcli diskidofvd -i 0
<<< stdout
VD 0 not found.
<<< status 0
