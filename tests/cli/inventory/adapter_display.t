# info -o hba: the adapter record line by line, and the adapter selection.

=== every adapter is shown, each line under its condition
scenario ./adapters.json
$ qxcli info -o hba
<<< stdout

Adapter ID:                          0
Product:                             1d7a-6200
Sub Product:                         1d7a-0001
Chip revision:                       1c
PCIe status:                         N/A
# of ports:                          2
    Port 0 SAS address : 5F0A3C2200AB0001
    Port 1 SAS address : 0000000000000000
Serial number:                       QX?SER~01
Model:                               QXR-6200 BOOT MODULE
Buzzer:                              Not supported
Supported port type:                 PATA 
Supported RAID mode:                 
Maximum disk in one VD:              16
PM:                                  Not supported
Expander:                            Not supported
Maximum supported disk:              32
Maximum supported VD:                32
Max total blocks:                    200
Advanced features:                   image health,vd wcache,vd rcache,smart poll,rounding,hd set free,hd cache,enc,bga rate
Advanced features 2:                 
Image health:                        Unhealthy
Autoload image health:               Unhealthy
Boot loader image health:            Healthy
Firmware image health:               Healthy
Boot ROM image health:               Unhealthy
HBA info image health:               Healthy


Adapter ID:                          1
Product:                             1d7a-9480
Sub Product:                         1d7a-0100
Chip revision:                       7
Max PCIe speed:                      5Gb/s
Current PCIe speed:                  Unknown
Max PCIe link:                       16
Current PCIe link:                   4
Driver version:                      2.4.0.1012
Rom version:                         3.1.0.0012
BIOS version:                        1.6.0.1005
# of ports:                          8
# of AES ports:                      4
Serial number:                       QXA94800001
Model:                               QXR-9480 TIER
Buzzer:                              Supported
Supported port type:                 SATA 
Supported RAID mode:                 RAID0 RAID6 tc(tier capacity) ts(tier safe) hybrid(tier hybrid) 
Maximum SSD in one TwinTier:         4
Maximum SSD Segment:                 12
Maximum disk in one VD:              16
Maximum parity disk for RAID6:       3
PM:                                  Not supported
Expander:                            Not supported
Maximum supported disk:              32
Maximum supported VD:                32
Maximum supported array:             8
Maximum disk in one array:           24
Maximum VD in one array:             4
Max total blocks:                    256
Features:                            only same type hd for create
Advanced features:                   big stripe,crypto,vd wcache,vd rcache,smart poll,rounding,hd set free,hd cache,enc,bga rate,remap
Max buffer size:                     64
Stripe size supported:               16K 32K 64K 128K 256K 512K 1024K 

Adapter ID:                          2
Product:                             1d7a-6300
Sub Product:                         1d7a-0100
Chip revision:                       A1
Max PCIe speed:                      8Gb/s
Current PCIe speed:                  8Gb/s
Max PCIe link:                       8
Current PCIe link:                   8
Driver version:                      2.4.0.1012
BIOS version:                        1.6.0.1005
# of ports:                          8
Serial number:                       QXA0000000001
Model:                               QXR-3120
Buzzer:                              Supported
Supported port type:                 SATA 
Supported RAID mode:                 RAID0 RAID1 
Maximum disk in one VD:              16
PM:                                  Not supported
Expander:                            Not supported
Maximum supported disk:              32
Maximum supported VD:                32
Max total blocks:                    256
Features:                            rebuild
Advanced features:                   aes partition,twintier intelligent init,spare
Advanced features 2:                 flash twice,flash
Max buffer size:                     64
Stripe size supported:               16K 32K 64K 128K 

Adapter ID:                          3
Product:                             1d7a-6800
Sub Product:                         1d7a-0100
Chip revision:                       A1
Max PCIe speed:                      8Gb/s
Current PCIe speed:                  8Gb/s
Max PCIe link:                       8
Current PCIe link:                   8
Driver version:                      2.4.0.1012
Firmware:                            none
Boot loader:                         none
# of ports:                          8
Buzzer:                              Supported
Supported port type:                 SATA 
Supported RAID mode:                 RAID50 JBOD 
Maximum disk in one VD:              16
PM:                                  Not supported
Expander:                            Not supported
Maximum supported disk:              32
Maximum supported VD:                32
Max total blocks:                    256
Features:                            rebuild,copy back
Advanced features:                   vd wcache,vd rcache,smart poll,rounding,hd set free,hd cache,enc,bga rate
Advanced features 2:                 vd_da group,scsi pass through,flash
Max buffer size:                     64
Stripe size supported:               16K 1024K 
<<< status 0

=== an adapter id the library does not have is refused with 13
scenario ./adapters.json
$ qxcli info -o hba -i 4
<<< stdout

Unable to get info of Adapter 4 (error 13: Invalid adapter id)
<<< status 13

=== an adapter whose record cannot be read is reported and the rest are still read; -i picks the one shown, whatever the case of the object name; the status is the last read's
scenario ./adapters.json
$ qxsim fault add QX_Adapter_GetInfo --status 20 --adapter 0 --always
$ qxsim fault add QX_Adapter_GetInfo --status 6 --adapter 2 --always
$ qxcli info -o HBA -i 0
<<< stdout

Could not get info for Adapter ID 0 (error 20: Link time out)

Could not get info for Adapter ID 2 (error 6: Invalid request)
<<< status 0
$ qxsim fault add QX_Adapter_GetInfo --status 4 --adapter 3 --always
$ qxcli info -o hba -i 2
<<< stdout

Could not get info for Adapter ID 0 (error 20: Link time out)

Could not get info for Adapter ID 2 (error 6: Invalid request)

Could not get info for Adapter ID 3 (error 4: Resource not available)
<<< status 4

=== realistic adapters: those of the default state; a refused ROM-version request leaves out the Rom version line
$ qxsim fault add QX_Adapter_Get_OEM_Data --status 19 --adapter 0 --always
$ qxcli info -o hba
<<< stdout

Adapter ID:                          0
Product:                             1d7a-3120
Sub Product:                         1d7a-0110
Chip revision:                       A1
Max PCIe speed:                      8Gb/s
Current PCIe speed:                  8Gb/s
Max PCIe link:                       8
Current PCIe link:                   8
Driver version:                      2.4.0.1012
BIOS version:                        1.6.0.1005
Firmware version:                    3.2.1.1044
Boot loader version:                 1.1.0.1002
# of ports:                          16
Serial number:                       QXA24110042
Model:                               QXR-3120 SATA HBA
Buzzer:                              Supported
Supported port type:                 SATA 
Supported RAID mode:                 RAID0 RAID1 RAID5 RAID10 RAID1E JBOD 
Maximum disk in one VD:              16
PM:                                  Not supported
Expander:                            Not supported
Maximum supported disk:              32
Maximum supported VD:                32
Max total blocks:                    256
Features:                            rebuild,background init,synchronize,migration,foreground init
Advanced features:                   event sense code,multi VD,image health,timer,vd wcache,vd rcache,smart poll,rounding,hd set free,hd cache,enc,bga rate,spare,ata pass through
Max buffer size:                     64
Stripe size supported:               16K 32K 64K 128K 256K 
Image health:                        Healthy
Autoload image health:               Healthy
Boot loader image health:            Healthy
Firmware image health:               Healthy
Boot ROM image health:               Healthy
HBA info image health:               Healthy


Adapter ID:                          1
Product:                             1d7a-7230
Sub Product:                         1d7a-0230
Chip revision:                       B0
Max PCIe speed:                      8Gb/s
Current PCIe speed:                  8Gb/s
Max PCIe link:                       8
Current PCIe link:                   8
Driver version:                      2.4.0.1012
Rom version:                         2.0.3.1011
BIOS version:                        2.0.3.1011
Firmware version:                    4.1.0.1090
Boot loader version:                 2.0.0.1004
# of ports:                          8
# of AES ports:                      8
    Port 0 SAS address : 5F0A3C2100102000
    Port 1 SAS address : 5F0A3C2100102001
    Port 2 SAS address : 5F0A3C2100102002
    Port 3 SAS address : 5F0A3C2100102003
    Port 4 SAS address : 5F0A3C2100102004
    Port 5 SAS address : 5F0A3C2100102005
    Port 6 SAS address : 5F0A3C2100102006
    Port 7 SAS address : 5F0A3C2100102007
Serial number:                       QXB25030117
Model:                               QXR-7230 SAS RAID
Buzzer:                              Supported
Supported port type:                 SATA SAS 
Supported RAID mode:                 RAID0 RAID1 RAID5 RAID6 RAID10 RAID1E RAID50 RAID60 JBOD 
Maximum disk in one VD:              32
Maximum parity disk for RAID6:       4
PM:                                  Not supported
Expander:                            Supported
Maximum supported disk:              128
Maximum supported VD:                64
Maximum supported array:             16
Maximum disk in one array:           32
Maximum VD in one array:             8
Max total blocks:                    512
Features:                            rebuild,background init,synchronize,migration,copy back
Advanced features:                   event sense code,big stripe,bbu,multi VD,spc 4,ses2,image health,crypto,vd wcache,vd rcache,smart poll,rounding,hd set free,hd cache,bga rate,aes partition,spare,hot plug,ata pass through,oem data
Advanced features 2:                 vd_da group,scsi pass through,flash
Max buffer size:                     128
Stripe size supported:               16K 32K 64K 128K 256K 512K 1024K 
Image health:                        Healthy
Autoload image health:               Healthy
Boot loader image health:            Healthy
Firmware image health:               Healthy
Boot ROM image health:               Healthy
HBA info image health:               Healthy

<<< status 0
