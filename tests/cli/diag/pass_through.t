# Raw commands to disks, ECC errors and error tables.

=== the ATA IDENTIFY example: a 12-byte CDB padded to 16, 512 bytes in 32 rows
scenario ./sata.json
$ qxcli sat -i 0 -f A1080D000100000000EC0008 --out -s 512
<<< stdout

Send command successfully!
   1 -   16 : 40 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
  17 -   32 : 00 00 00 00 53 51 4b 32 30 31 30 30 30 30 31 30 
  33 -   48 : 20 20 20 20 20 20 20 20 00 00 00 00 00 00 46 51 
  49 -   64 : 37 30 20 20 20 20 58 51 2d 44 32 53 30 30 20 30 
  65 -   80 : 44 48 20 44 20 20 20 20 20 20 20 20 20 20 20 20 
  81 -   96 : 20 20 20 20 20 20 20 20 20 20 20 20 20 20 00 00 
  97 -  112 : 00 00 00 03 00 00 00 00 00 00 06 00 00 00 00 00 
 113 -  128 : 00 00 00 00 00 00 00 00 00 00 20 00 00 00 00 00 
 129 -  144 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
 145 -  160 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
 161 -  176 : f0 03 00 00 01 00 00 44 00 00 01 00 00 04 00 00 
 177 -  192 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
 193 -  208 : 00 00 00 00 00 00 00 00 00 00 20 00 00 00 00 00 
 209 -  224 : 00 00 00 00 00 40 00 00 00 00 00 00 00 00 00 00 
 225 -  240 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
 241 -  256 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
 257 -  272 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
 273 -  288 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
 289 -  304 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
 305 -  320 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
 321 -  336 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
 337 -  352 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
 353 -  368 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
 369 -  384 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
 385 -  400 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
 401 -  416 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
 417 -  432 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
 433 -  448 : 00 00 20 1c 00 00 00 00 00 00 00 00 00 00 00 00 
 449 -  464 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
 465 -  480 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
 481 -  496 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
 497 -  512 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 a5 79 

=== a read of a recorded media error gives its sense; writing over the range repairs it
scenario ./sata.json
copy sector.bin
$ qxcli sat -i 0 -f 28000000100300000100 -s 512
<<< stdout

Fail to send command (error 20: Link time out)

Sense data:
   1 -   16 : f0 00 03 00 00 10 03 0a 00 00 00 00 11 00 00 00 
  17 -   32 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 


<<< status 20
$ qxcli sat -i 0 -f 2A0000001003000001 --in -s 512 -d sector.bin
<<< stdout

Send command successfully!

$ qxcli sat -i 0 -f 28000000100300000100 -s 512
<<< stdout (only  497 -  512, only    1 -   16)
   1 -   16 : 71 78 72 61 69 64 20 73 65 63 74 6f 72 20 30 20 
 497 -  512 : 71 78 72 61 69 64 20 73 65 63 74 6f 72 20 30 20 
$ qxcli rct -d 0
<<< stdout

None RCT in HD 0.
=== the error table as the adapter keeps it; a disk without entries; ids refused
$ qxcli rct -d 13
<<< stdout

HD 13 RCT report.
LBA 0x1000  sector:  8  status:  read error, media error

LBA 0x2a00  sector:  1  status:  write error
$ qxcli rct -d 12
<<< stdout

None RCT in HD 12.
$ qxcli rct -d 300
<<< stdout
-i : invalid id 300
<<< status 1
$ qxcli rct -d x
<<< stdout
-d : PD id should be a number
<<< status 1
=== an induced ECC error fails the next read and lands in the error table
$ qxcli 1 ecc -d 3 -g
<<< stdout
The disk block size plus ECC size of PD 3 is 520
$ qxcli 1 ecc -d 3 -w -s 512
<<< stdout
Size should be greater than sector size (512).
<<< status 1
$ qxcli 1 ecc -d 3 -w -s 520 -l 0x10010
$ qxcli 1 sat -i 3 -f 28000000001000000100 -s 512
<<< stdout

Fail to send command (error 20: Link time out)

Sense data:
   1 -   16 : f0 00 03 00 00 00 10 0a 00 00 00 00 11 00 00 00 
  17 -   32 : 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 


<<< status 20
$ qxcli 1 rct -d 3
<<< stdout

HD 3 RCT report.
LBA 0x0010  sector:  1  status:  read error, media error
$ qxcli ecc -d 3 -g
<<< stdout

Pass through command on PD 3 failed (error 19: Not supported).
<<< status 19
=== -f takes at most 16 bytes and stops at a blank; a missing disk; a checksum the library refuses
scenario ./sata.json
$ qxcli sat -i 0 -f 000102030405060708090A0B0C0D0E0F10
<<< stdout
-f : fis cannot more than 16 '000102030405060708090A0B0C0D0E0F10'
<<< status 1
$ qxcli sat -i 0 -f '12 00' -s 3
<<< stdout

Send command successfully!
   1 -    3 : 00 00 00 

$ qxcli sat -i 40
<<< stdout

Fail to send command (error 55: Specified physical disk doesn't exist)

<<< status 55
$ qxsim fault add QX_PassThrough_SCSI --status 163
$ qxcli sat -i 0 -f 00
<<< stdout

Fail to send command (error 163: Request has wrong data)

<<< status 163
