# The runner against the real programs, using only what every build of
# qxcli does: a command word that names no command is refused.

=== an unknown command word is refused with status 1
$ qxcli nosuch
<<< stdout
Invalid command 'nosuch'!
<<< status 1

=== a quoted argument reaches qxcli as one word
$ qxcli 'no such' other
<<< stdout
Invalid command 'no such'!
<<< status 1

=== a control tool step that succeeds needs no expectations
$ qxsim init --scenario default --force
$ qxcli nosuch
<<< stdout
Invalid command 'nosuch'!
<<< status 1
