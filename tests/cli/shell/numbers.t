# Decimal option values read as a 32-bit long on every system: from
# 2147483647 up they all read as 2147483647, so the same text gives the same
# answer everywhere and no large value wraps round to a small id.

=== 2^31 - 1, 2^31, 2^32 and 2^63 (beyond 64 bits too) all read as 2147483647
$ qxcli delete -o vd -i 2147483647
<<< stdout
-i : invalid id 2147483647
<<< status 1
$ qxcli delete -o vd -i 2147483648
<<< stdout
-i : invalid id 2147483647
<<< status 1
$ qxcli delete -o vd -i 4294967296
<<< stdout
-i : invalid id 2147483647
<<< status 1
$ qxcli delete -o vd -i 9223372036854775808
<<< stdout
-i : invalid id 2147483647
<<< status 1

=== the low bits a command keeps are those of 2147483647, never those of the text's value
$ qxcli info -o vd -i 4294967296
<<< stdout
-i : invalid id 65535
<<< status 1
$ qxcli info -o pd -i 9223372036854775808
<<< stdout
-i : invalid id 65535
<<< status 1
$ qxcli adapter -i 4294967297
<<< stdout
Adapter 4294967297 does not exist.
<<< status 1
$ qxcli adapter -i 2147483648
<<< stdout
Adapter 2147483648 does not exist.
<<< status 1
