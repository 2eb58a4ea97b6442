# info: the option rules and their messages.

=== without -o the required-option message is printed
$ qxcli info -i 1
<<< stdout
info: option -o is required
<<< status 1

=== an id of 255 or more is refused before anything runs
$ qxcli info -o hba -i 255
<<< stdout
-i : invalid id 255
<<< status 1

=== the id keeps its low 16 bits before it is judged
$ qxcli info -o pd -i 65576
<<< stdout

Unable to get info of PD 40 (error 55: Specified physical disk doesn't exist)
<<< status 55

=== an id that is not a number ends the options, and -o is then missing
$ qxcli info -i 1x -o hba
<<< stdout
-i : id should be a number
info: option -o is required
<<< status 1

=== an unknown object is refused
$ qxcli info -o array
<<< stdout
-o : invalid object 'array'
<<< status 1

=== the object given twice is a duplicated option
$ qxcli info -o hba -o pd
<<< stdout
Duplicated option specified.
<<< status 1

=== the id given twice is a duplicated option
$ qxcli info -o vd -i 0 -i 1
<<< stdout
Duplicated option specified.
<<< status 1

=== a parser error is reported on standard error and the command refused
$ qxcli info -x -o hba
<<< stdout
info: option -o is required
<<< stderr
info: invalid option -- 'x'
<<< status 1

=== -h prints the help page and succeeds, without reading the options after it
$ qxcli info -h -o bogus
<<< stdout
Description:Display adapter(hba), virtual disk(vd) or physical disk(pd) information.
info -o <hba|vd|pd> [-i <id>] [-h]

Options:
    -o, --object <hba|vd|pd>
        Object name of the object to retrieve information from.
        hba - HBA (Adapter)
        vd  - Virtual Disk
        pd  - Physical Disk
    -i, --id <id>
        Id of the object to retrieve info from. If not specified,
        info of all instances of the object will be retrieved.
    -h, --help

Examples:
    info -o hba

    Information of all HBAs are retrieved.

<<< status 0

=== the long forms and hd, ld, a word that is not an option
$ qxcli info stray --object=ld --id 9
<<< stdout

Unable to get info of vd 9 (error 59: Specified virtual disk doesn't exist)
<<< status 59

=== hd names the physical disks
$ qxcli info --object hd -i 40
<<< stdout

Unable to get info of PD 40 (error 55: Specified physical disk doesn't exist)
<<< status 55
