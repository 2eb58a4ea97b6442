# How the devices are cabled: HBA links, enclosures, expander and PM cascades.

=== the SATA adapter has only disks on its ports, without addresses
$ qxcli topology
<<< stdout

HBA links:

    HBA port [0]
        => PD 0 (SATA PD)
    HBA port [1]
        => PD 1 (SATA PD)
    HBA port [2]
        => PD 2 (SATA PD)
    HBA port [3]
        => PD 3 (SATA PD)
    HBA port [4]
        => PD 4 (SATA PD)
    HBA port [5]
        => PD 5 (SATA PD)
    HBA port [6]
        => PD 6 (SATA PD)
    HBA port [7]
        => PD 7 (SATA PD)
    HBA port [8]
        => PD 8 (SATA PD)
    HBA port [9]
        => PD 9 (SATA PD)
    HBA port [10]
        => PD 10 (SATA PD)
    HBA port [11]
        => PD 11 (SATA PD)
    HBA port [12]
        => PD 12 (SATA PD)
    HBA port [13]
        => PD 13 (SATA PD)
=== the SAS adapter has an expander in an enclosure on four HBA PHYs
$ qxcli 1 topology
<<< stdout

HBA links:

    HBA port [0, 1, 2, 3], addr [5F0A3C2100102000]
        => Enclosure 0 (EXP 0), port [16, 17, 18, 19], addr [5F0A3C2100103000]

Enclosure links:



Expander links:

    EXP 0, port [0], addr [5F0A3C2100103000]
        => PD 0 (SAS PD), addr [5F0A3C2100104000]
    EXP 0, port [1], addr [5F0A3C2100103000]
        => PD 1 (SAS PD), addr [5F0A3C2100104004]
    EXP 0, port [2], addr [5F0A3C2100103000]
        => PD 2 (SAS PD), addr [5F0A3C2100104008]
    EXP 0, port [3], addr [5F0A3C2100103000]
        => PD 3 (SAS PD), addr [5F0A3C210010400C]
    EXP 0, port [4], addr [5F0A3C2100103000]
        => PD 4 (SAS PD), addr [5F0A3C2100104010]
    EXP 0, port [5], addr [5F0A3C2100103000]
        => PD 5 (SAS PD), addr [5F0A3C2100104014]
    EXP 0, port [6], addr [5F0A3C2100103000]
        => PD 6 (SAS PD), addr [5F0A3C2100104018]
    EXP 0, port [7], addr [5F0A3C2100103000]
        => PD 7 (SAS PD), addr [5F0A3C210010401C]
    EXP 0, port [8], addr [5F0A3C2100103000]
        => PD 8 (SAS PD), addr [5F0A3C2100104020]
    EXP 0, port [9], addr [5F0A3C2100103000]
        => PD 9 (SAS PD), addr [5F0A3C2100104024]
    EXP 0, port [10], addr [5F0A3C2100103000]
        => PD 10 (SAS PD), addr [5F0A3C2100104028]
    EXP 0, port [11], addr [5F0A3C2100103000]
        => PD 11 (SAS PD), addr [5F0A3C210010402C]
    EXP 0, port [12], addr [5F0A3C2100103000]
        => PD 12 (SAS PD), addr [5F0A3C2100104030]
    EXP 0, port [13], addr [5F0A3C2100103000]
        => PD 13 (SAS PD), addr [5F0A3C2100104034]
    EXP 0, port [14], addr [5F0A3C2100103000]
        => PD 14 (SAS PD), addr [5F0A3C2100104038]
    EXP 0, port [15], addr [5F0A3C2100103000]
        => PD 15 (SAS PD), addr [5F0A3C210010403C]

=== a cascade of expanders and of port multipliers, with disks on every kind of link
scenario ./topology.json
$ qxcli topology
<<< stdout

HBA links:

    HBA port [0, 1, 2, 3], addr [5F0A3C2300001000]
        => Enclosure 0 (EXP 0), port [16, 17, 18, 19], addr [5F0A3C2300003000]
    HBA port [4], addr [5F0A3C2300001004]
        => PM 0, port [15]
    HBA port [5], addr [5F0A3C2300001005]
        => PD 4 (SATA PD)
    HBA port [6], addr [5F0A3C2300001006]
        => PD 5 (SAS PD), addr [5F0A3C2300004505]

Enclosure links:


    Enclosure 1 (EXP 0)port [20], addr [5F0A3C2300003000]
        => Enclosure 1 (EXP 1), port [16], addr [5F0A3C2300003001]


Expander links:

    EXP 0, port [20], addr [5F0A3C2300003000]
        => EXP 1, port [16], addr [5F0A3C2300003001]
    EXP 0, port [0], addr [5F0A3C2300003000]
        => PD 0 (SAS PD), addr [5F0A3C2300004000]

    EXP 1, port [2], addr [5F0A3C2300003001]
        => PD 1 (SATA PD), addr [5F0A3C2300004101]


PM links:

    PM 0, port [1]
        => PM 1, port [15]
HD to PM connection
HD pType 3, HD pId 0, PM sId 0
HD pType 3, HD pId 1, PM sId 0
HD pType 2, HD pId 0, PM sId 0
    PM 0, port [0]
        => PD 2 (SATA PD)
HD pType 2, HD pId 1, PM sId 0
HD pType 255, HD pId 0, PM sId 0
HD pType 255, HD pId 0, PM sId 0

HD to PM connection
HD pType 3, HD pId 0, PM sId 1
HD pType 3, HD pId 1, PM sId 1
HD pType 2, HD pId 0, PM sId 1
HD pType 2, HD pId 1, PM sId 1
    PM 1, port [1]
        => PD 3 (SATA PD)
HD pType 255, HD pId 0, PM sId 1
HD pType 255, HD pId 0, PM sId 1

=== a small query buffer shows only the last answer of each list
scenario ./topology.json
$ qxcli 1 topology
<<< stdout

HBA links:

    HBA port [0, 1, 2, 3], addr [5F0A3C2300001000]
        => Enclosure 0 (EXP 0), port [16, 17, 18, 19], addr [5F0A3C2300003000]
    HBA port [4], addr [5F0A3C2300001004]
        => PM 0, port [15]
    HBA port [5], addr [5F0A3C2300001005]
        => PD 4 (SATA PD)
    HBA port [6], addr [5F0A3C2300001006]
        => PD 5 (SAS PD), addr [5F0A3C2300004505]

Enclosure links:


    Enclosure 1 (EXP 0)port [20], addr [5F0A3C2300003000]
        => Enclosure 1 (EXP 1), port [16], addr [5F0A3C2300003001]


Expander links:

    EXP 0, port [20], addr [5F0A3C2300003000]
        => EXP 1, port [16], addr [5F0A3C2300003001]



PM links:

    PM 0, port [1]
        => PM 1, port [15]
HD to PM connection
HD pType 255, HD pId 0, PM sId 0
HD pType 255, HD pId 0, PM sId 0

HD to PM connection
HD pType 255, HD pId 0, PM sId 1
HD pType 255, HD pId 0, PM sId 1

=== a plain-form adapter reads the disks in the plain form
scenario ./topology.json
$ qxsim fault add QX_PD_GetHDInfo_Ext --status 19 --adapter 0 --always
$ qxcli topology
<<< stdout

HBA links:

    HBA port [0, 1, 2, 3], addr [5F0A3C2300001000]
        => Enclosure 0 (EXP 0), port [16, 17, 18, 19], addr [5F0A3C2300003000]
    HBA port [4], addr [5F0A3C2300001004]
        => PM 0, port [15]
    HBA port [5], addr [5F0A3C2300001005]
        => PD 4 (SATA PD)
    HBA port [6], addr [5F0A3C2300001006]
        => PD 5 (SAS PD), addr [5F0A3C2300004505]

Enclosure links:


    Enclosure 1 (EXP 0)port [20], addr [5F0A3C2300003000]
        => Enclosure 1 (EXP 1), port [16], addr [5F0A3C2300003001]


Expander links:

    EXP 0, port [20], addr [5F0A3C2300003000]
        => EXP 1, port [16], addr [5F0A3C2300003001]
    EXP 0, port [0], addr [5F0A3C2300003000]
        => PD 0 (SAS PD), addr [5F0A3C2300004000]

    EXP 1, port [2], addr [5F0A3C2300003001]
        => PD 1 (SATA PD), addr [5F0A3C2300004101]


PM links:

    PM 0, port [1]
        => PM 1, port [15]
HD to PM connection
HD pType 3, HD pId 0, PM sId 0
HD pType 3, HD pId 1, PM sId 0
HD pType 2, HD pId 0, PM sId 0
    PM 0, port [0]
        => PD 2 (SATA PD)
HD pType 2, HD pId 1, PM sId 0
HD pType 255, HD pId 0, PM sId 0
HD pType 255, HD pId 0, PM sId 0

HD to PM connection
HD pType 3, HD pId 0, PM sId 1
HD pType 3, HD pId 1, PM sId 1
HD pType 2, HD pId 0, PM sId 1
HD pType 2, HD pId 1, PM sId 1
    PM 1, port [1]
        => PD 3 (SATA PD)
HD pType 255, HD pId 0, PM sId 1
HD pType 255, HD pId 0, PM sId 1

=== the first failing list ends the command before anything is shown
$ qxsim fault add QX_PD_GetExpanderInfo --status 4 --adapter 1 --always
$ qxcli 1 topology
<<< stdout
Unable to get expander info, error = 4
<<< status 4
=== both disk calls failing fail the command with the plain call's status
$ qxsim fault add QX_PD_GetHDInfo_Ext --status 19 --adapter 0 --always
$ qxsim fault add QX_PD_GetHDInfo --status 20 --adapter 0 --always
$ qxcli topology
<<< stdout
Unable to get hard disk info, error = 20
<<< status 20
=== the other failing lists name their own
$ qxsim fault add QX_ENC_GetEnclosureInfo --status 1 --adapter 1 --times 1
$ qxcli 1 topology
<<< stdout
Unable to get enclosure info, error = 1
<<< status 1
$ qxsim fault add QX_PD_GetPMInfo --status 7 --adapter 1 --times 1
$ qxcli 1 topology
<<< stdout
Unable to get port mutiplexer info, error = 7
<<< status 7
=== options
$ qxcli topology -h
<<< stdout
Description:Get the SAS topology of current adapter.
topology [-h]

Options:
    -h, --help

Examples:
    topology

$ qxcli topology -x
<<< stderr
topology: invalid option -- 'x'
<<< status 1
