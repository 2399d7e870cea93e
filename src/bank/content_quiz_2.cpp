#include "bank/content.h"

std::span<const ContentEntry> quiz_2_content()
{
    // Laid out by hand: each choice and each line of text on a row of its own.
    // clang-format off
    static constexpr ContentEntry entries[] = {
        // Seven-layer model and internetworking basics

        // Record 2
        {
            .question = {"Which of the following protocols operates at the transport layer of "
                         "the seven-layer model?"},
            .choices = {"IPX", "SAP", "SPX", "DHCP", "HTTP"},
            .correct = "C",
            .explanation = {"SPX (Sequenced Packet Exchange) is the connection-oriented transport "
                            "protocol of the IPX suite, carried inside IPX packets.",
                            "IPX itself works at the network layer, SAP is an upper-layer "
                            "protocol of the IPX suite, and DHCP and HTTP are application-layer "
                            "protocols of the TCP/IP suite."},
        },

        // Record 6
        {
            .question = {"Which layer of the seven-layer model defines voltage levels, "
                         "connectors, pin-outs and the timing of bits on the medium?"},
            .choices = {"Physical", "Data link", "Network", "Transport", "Session", "Application"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 1, page 43",
                            "The physical layer specifies the electrical and mechanical side of "
                            "a link: voltages, connectors and pin-outs, cable types and bit "
                            "timing. The data link layer above it works with frames and hardware "
                            "addresses, not with electrical signals, and the higher layers never "
                            "deal with the medium at all."},
        },

        // Record 10
        {
            .question = {"Which of the following are advantages of using a layered reference "
                         "model for networking? (Choose four.)"},
            .choices = {"It divides network communication into smaller, simpler parts",
                        "It cuts header overhead, since only one layer adds a header",
                        "A change in one layer does not require changes in the other layers",
                        "It allows equipment from different manufacturers to interoperate",
                        "It lets a layer reach its remote peer without the layers below",
                        "It makes networking easier to teach and to learn"},
            .correct = "ACDF",
            .explanation = {"Study Guide, Chapter 1, page 7",
                            "A layered model reduces complexity, standardizes interfaces, allows "
                            "interoperability and modular change, and eases learning. It adds "
                            "overhead rather than cutting it, since several layers each add a "
                            "header of their own, and a layer reaches its peer on the remote host "
                            "only through the layers below it."},
        },

        // Record 14
        {
            .question = {"Which type of cable joins the UTP Ethernet ports of two hosts "
                         "directly, with no hub or switch between them?"},
            .choices = {"Straight-through",
                        "Rollover",
                        "Crossover",
                        "Thin coaxial",
                        "DTE/DCE serial",
                        "Telephone (RJ-11) cord"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 1, page 44",
                            "A crossover cable wires pins 1 and 2 at one end to pins 3 and 6 at "
                            "the other, so each host's transmit pair reaches the other's receive "
                            "pair; the same cable joins two switches or two hubs.",
                            "A straight-through cable joins unlike devices such as a host and a "
                            "switch, and the other cables do not link two UTP Ethernet ports."},
        },

        // Record 18
        {
            .question = {"Which cable connects a PC's serial (COM) port, through a DB-9 to RJ-45 "
                         "adapter, to the router's console port?"},
            .choices = {"Straight-through",
                        "Crossover",
                        "Thin coaxial",
                        "V.35 serial",
                        "Rollover",
                        "Fiber-optic patch cord"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 1, page 45",
                            "A rollover cable reverses all eight wires: pin 1 at one end goes to "
                            "pin 8 at the other, pin 2 to pin 7, and so on.",
                            "Its RJ-45 end plugs into the console port, and the adapter at the "
                            "other end fits the PC's COM port.",
                            "",
                            "Straight-through and crossover cables carry Ethernet, and a V.35 "
                            "cable joins a serial interface to a CSU/DSU."},
        },

        // Record 22
        {
            .question = {"Which of the following devices works only at the physical layer of the "
                         "seven-layer model?"},
            .choices = {"Bridge", "Hub", "Router", "Switch", "Network interface card"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 1, page 12",
                            "A hub works only at the physical layer: it repeats each frame's bits "
                            "out every other port without reading any address, and all its ports "
                            "share one collision domain.",
                            "Bridges, switches and network interface cards use MAC addresses at "
                            "the data link layer, and routers read logical addresses at the "
                            "network layer."},
        },

        // TCP/IP protocol suite

        // Record 26
        {
            .question = {"Which pair of well-known TCP ports does FTP use?"},
            .choices = {"21 for data and 20 for control",
                        "22 for data and 23 for control",
                        "69 for data and 21 for control",
                        "20 for data and 21 for control",
                        "25 for control and 110 for data"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 2, page 72",
                            "FTP opens its control connection to TCP port 21, and in active mode "
                            "the server sends the data from TCP port 20.",
                            "Ports 22, 23, 25 and 110 belong to other TCP applications, and 69 is "
                            "a UDP port, used by TFTP."},
        },

        // Record 30
        {
            .question = {"Over which transport protocol and port does a host normally send its "
                         "DNS name queries?"},
            .choices = {"TCP port 53",
                        "UDP port 67",
                        "UDP port 53",
                        "TCP port 23",
                        "UDP port 161",
                        "TCP port 80"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 2, page 74",
                            "Ordinary DNS queries and replies travel in single UDP datagrams to "
                            "port 53; TCP port 53 is used for zone transfers between servers and "
                            "for replies too large for UDP, and the other ports belong to other "
                            "applications."},
        },

        // Record 34
        {
            .question = {"Which value in the Protocol field of an IP header shows that the "
                         "packet carries a TCP segment?"},
            .choices = {"1", "17", "2", "6", "89"},
            .correct = "D",
            .explanation = {"The Protocol field names the upper-layer protocol whose data the IP "
                            "packet carries, and the value 6 means TCP.",
                            "1 means ICMP, 2 IGMP, 17 UDP and 89 OSPF."},
        },

        // Record 38
        {
            .question = {"Which layer of the DoD (TCP/IP) model corresponds to the transport "
                         "layer of the seven-layer model?"},
            .choices = {"Process/Application",
                        "Internet",
                        "Network Access",
                        "Session",
                        "Host-to-Host",
                        "Data Link"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 2, page 53",
                            "The DoD model has four layers: Process/Application, Host-to-Host, "
                            "Internet and Network Access.",
                            "Host-to-Host matches the transport layer, where TCP and UDP run; "
                            "Internet matches the network layer."},
        },

        // Record 42
        {
            .question = {"What does a receiving host use the sequence numbers of TCP segments "
                         "for?"},
            .choices = {"To tell the sender how much more data it may send before it must wait",
                        "To put the fragments of a divided IP packet back in order",
                        "To find which application on the host should receive the data",
                        "To detect bits that were damaged on the way across the network",
                        "To put received bytes back in order and notice any that are missing"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 2, page 60",
                            "A segment's sequence number gives the position of its first byte in "
                            "the stream, so the receiver can reorder segments that arrive out of "
                            "order, spot gaps and discard duplicates.",
                            "The window limits how much may be sent, port numbers pick the "
                            "application and the checksum finds damaged bits; IP reassembles "
                            "fragments by its own fragment offset."},
        },

        // Record 46
        {
            .question = {"A TCP sender has sent a segment, and its timer runs out before any "
                         "acknowledgment of that segment arrives. What does the sender do?"},
            .choices = {"It closes the connection with a FIN segment",
                        "It waits for the receiver to send a negative acknowledgment",
                        "It sends the segment again and waits for its acknowledgment",
                        "It skips the segment and leaves recovery to the application",
                        "It sends an ICMP source quench message to the receiver"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 2, page 61",
                            "TCP uses positive acknowledgment with retransmission: the sender "
                            "keeps each segment until the receiver acknowledges it.",
                            "If the timer runs out first, the sender assumes the segment was lost "
                            "and sends it again.",
                            "TCP has no negative acknowledgments, one loss does not end the "
                            "connection, and source quench comes from a congested device."},
        },

        // IP addressing and subnetting

        // Record 50
        {
            .question = {"Which of the following is a valid host address on a subnet that uses "
                         "the mask 255.255.255.224?"},
            .choices = {"10.10.10.158",
                        "10.10.10.159",
                        "10.10.10.128",
                        "10.10.10.160",
                        "10.10.10.191"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 3, page 144",
                            "Mask .224 gives a block size of 256 - 224 = 32.",
                            "Subnets start at .0, .32, .64, .96, .128, .160, .192 and .224.",
                            "Subnet 10.10.10.128 ends with the broadcast 10.10.10.159, one below "
                            "the next subnet.",
                            "The last usable host is the broadcast minus one: 10.10.10.158.",
                            ".159 and .191 are broadcast addresses, and .128 and .160 are subnet "
                            "addresses."},
        },

        // Record 54
        {
            .question = {"Which range of values in the first octet identifies a Class C address?"},
            .choices = {"1 to 126",
                        "128 to 191",
                        "224 to 239",
                        "240 to 255",
                        "192 to 223",
                        "0 to 127"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 3, page 122",
                            "A Class C address begins with the bits 110, so its first octet runs "
                            "from 192 (11000000) to 223 (11011111)."},
        },

        // Record 58
        {
            .question = {"What is the decimal value of the binary octet 11010110?"},
            .choices = {"198", "206", "210", "222", "214"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 3, page 113",
                            "The bits that are set in 11010110 have the place values 128, 64, 16, "
                            "4 and 2.",
                            "128 + 64 + 16 + 4 + 2 = 214."},
        },

        // Record 62
        {
            .question = {"Which of the following networks are covered by the summary route "
                         "10.1.32.0/20? (Choose all that apply.)"},
            .choices = {"10.1.32.0/24",
                        "10.1.35.0/24",
                        "10.1.40.0/24",
                        "10.1.44.0/24",
                        "10.1.47.0/24",
                        "10.1.48.0/24"},
            .correct = "ABCDE",
            .explanation = {"Study Guide, Chapter 3, page 171",
                            "A /20 mask takes 4 bits of the third octet, a block of 16, so "
                            "10.1.32.0/20 covers the third-octet values 32 to 47: the networks "
                            "10.1.32.0/24 through 10.1.47.0/24.",
                            "32, 35, 40, 44 and 47 all fall in that range; 10.1.48.0/24 starts "
                            "the next block of 16 and is not covered."},
        },

        // Record 66
        {
            .question = {"Which of the following masks could be used on a Class B network to "
                         "give subnets of at least 1,000 hosts each? (Choose three.)"},
            .choices = {"255.255.255.0",
                        "255.255.254.0",
                        "255.255.252.0",
                        "255.255.248.0",
                        "255.255.224.0",
                        "255.255.255.128"},
            .correct = "CDE",
            .explanation = {"At least 10 host bits are needed: 2^10 - 2 = 1022, but 2^9 - 2 = 510.",
                            "255.255.252.0, 255.255.248.0 and 255.255.224.0 leave 10, 11 and 13 "
                            "host bits; 255.255.254.0, 255.255.255.0 and 255.255.255.128 leave "
                            "only 9, 8 and 7."},
        },

        // Record 70
        {
            .question = {"What is the broadcast address of the subnet that contains the host "
                         "10.14.77.200/21?"},
            .choices = {"10.14.77.255",
                        "10.14.72.255",
                        "10.14.80.255",
                        "10.14.79.255",
                        "10.14.255.255",
                        "10.14.79.254"},
            .correct = "D",
            .explanation = {"A /21 mask is 255.255.248.0, a block size of 8 in the third octet.",
                            "The multiples of 8 around 77 are 72 and 80, so the subnet is "
                            "10.14.72.0.",
                            "The next subnet is 10.14.80.0, so the broadcast address is "
                            "10.14.79.255.",
                            "Valid hosts are 10.14.72.1 through 10.14.79.254."},
        },

        // Record 74
        {
            .question = {"Which of the following are valid subnet masks? (Choose two.)"},
            .choices = {"255.255.255.192",
                        "255.255.255.100",
                        "255.0.255.0",
                        "255.255.0.255",
                        "255.255.240.0"},
            .correct = "AE",
            .explanation = {"A mask must be 1 bits followed only by 0 bits.",
                            "255.255.255.192 = 11111111.11111111.11111111.11000000",
                            "255.255.255.100 = 11111111.11111111.11111111.01100100",
                            "255.0.255.0 = 11111111.00000000.11111111.00000000",
                            "255.255.0.255 = 11111111.11111111.00000000.11111111",
                            "255.255.240.0 = 11111111.11111111.11110000.00000000",
                            "Only 255.255.255.192 and 255.255.240.0 have no 1 after a 0."},
        },

        // IPX protocols and addressing

        // Record 78
        {
            .question = {"How often does IPX RIP broadcast its routing table by default?"},
            .choices = {"Every 30 seconds",
                        "Every 60 seconds",
                        "Every 90 seconds",
                        "Every 10 seconds",
                        "Every 120 seconds"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 4, page 201",
                            "IPX RIP sends its routing table every 60 seconds; IP RIP uses 30 "
                            "seconds."},
        },

        // Record 82
        {
            .question = {"Which command lists each IPX network the router knows, with the ticks "
                         "and hops to reach it and the interface and next hop used?"},
            .choices = {"show ipx servers",
                        "show ipx traffic",
                        "show ip route",
                        "show ipx route",
                        "show ipx cache"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 4, page 210",
                            "show ipx route displays the IPX routing table; show ipx servers "
                            "lists the services learned through SAP, show ipx traffic counts "
                            "packets, show ipx cache shows fast-switching entries and show ip "
                            "route holds only IP routes."},
        },

        // Record 86
        {
            .question = {"An IPX client on network 4a1 has the MAC address 025e.c64f.23a7. What is "
                         "its IPX address?"},
            .choices = {"025e.c64f.23a7.4a1",
                        "4a1.0000.0000.0001",
                        "4a1.c64f.23a7",
                        "025e.c64f.23a7",
                        "4a1.025e.c64f.23a7",
                        "04a1.025e.c64f"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 4, page 180",
                            "An IPX address is written as network.node in hexadecimal.",
                            "The network number, up to 8 hex digits (32 bits), is set by the "
                            "administrator and comes first: 4a1.",
                            "A client uses its 48-bit MAC address as the node number, so its "
                            "address is 4a1.025e.c64f.23a7 and no ARP is needed."},
        },

        // Record 90
        {
            .question = {"What does an IPX client broadcast when it starts up to locate a server?"},
            .choices = {"A SAP periodic update",
                        "A GNS request",
                        "A RIP request",
                        "An ARP request",
                        "A BootP request"},
            .correct = "B",
            .explanation = {"The client broadcasts a Get Nearest Server (GNS) request.",
                            "A server on the segment answers; if there is none, the router "
                            "answers from its SAP table.",
                            "SAP updates are sent by servers and routers, not by clients.",
                            "Only after finding a server does the client use a RIP request to "
                            "find a route to it."},
        },

        // Router command line: modes, show commands, configuration, startup

        // Record 94
        {
            .question = {"Which command on the router's command line enters global configuration "
                         "mode from privileged mode?"},
            .choices = {"conf t", "con t", "c t", "cfg t", "config-t"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 5, page 222",
                            "The command line accepts any abbreviation that matches only one "
                            "command, so conf t stands for configure terminal; con t is rejected "
                            "as ambiguous because connect also begins with con, c t matches many "
                            "commands such as clock and copy, and cfg t and config-t match no "
                            "command."},
        },

        // Record 98
        {
            .question = {"Which command backs up the router's operating-system image from flash "
                         "memory to a TFTP server?"},
            .choices = {"copy tftp flash",
                        "copy flash tftp",
                        "copy running-config tftp",
                        "copy startup-config tftp",
                        "backup flash tftp"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 5, page 269",
                            "The copy command takes a source and then a destination, so copy "
                            "flash tftp sends the image file from flash to the server after "
                            "asking for the server's address and the file name; copy tftp flash "
                            "loads an image the other way, the two config commands back up "
                            "configurations rather than the image, and backup is not a command."},
        },

        // Record 102
        {
            .question = {"Before you copy a new operating-system image to the router, which "
                         "command tells you whether it will fit, by listing the stored files with "
                         "their sizes and the space still free?"},
            .choices = {"show version",
                        "show memory",
                        "show startup-config",
                        "show flash",
                        "show running-config"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 5, page 264",
                            "show flash lists each file in flash with its size, then the bytes "
                            "used and available, which tells you whether a new image will fit; "
                            "show version names the running image but not the free space, show "
                            "memory covers RAM, and the two config commands show configurations."},
        },

        // Record 106
        {
            .question = {"Which key sequence on the router's command line moves the cursor to "
                         "the beginning of the line?"},
            .choices = {"Ctrl+E", "Ctrl+Z", "Ctrl+B", "Ctrl+A", "Ctrl+W"},
            .correct = "D",
            .explanation = {"Ctrl+A moves to the start of the line; Ctrl+E goes to the end, "
                            "Ctrl+B back one character, Ctrl+W erases a word and Ctrl+Z leaves "
                            "configuration mode."},
        },

        // Record 110
        {
            .question = {"What does the global configuration command service password-encryption "
                         "do?"},
            .choices = {"It encrypts every Telnet session to and from the router",
                        "It stores every password as a strong one-way hash that cannot be reversed",
                        "It hides clear-text passwords in the configuration with a weak cipher",
                        "It encrypts the whole startup configuration stored in NVRAM",
                        "It requires every password to be at least eight characters long",
                        "It sets one password that protects every line and mode of the router"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 5, page 232",
                            "service password-encryption scrambles the enable password and the "
                            "line passwords with a weak, reversible cipher, so they no longer "
                            "appear in clear text in the running and startup configurations.",
                            "It only hides them from casual view: it makes no strong hash, "
                            "encrypts no Telnet traffic or other configuration, and sets no "
                            "password or length rule."},
        },

        // Record 114
        {
            .question = {"Which command deletes the saved configuration from the router's NVRAM?"},
            .choices = {"erase flash",
                        "copy startup-config running-config",
                        "reload",
                        "show startup-config",
                        "erase startup-config"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 5, page 253",
                            "erase startup-config deletes the configuration saved in NVRAM.",
                            "Its older form is write erase.",
                            "The running configuration stays in RAM until a reload.",
                            "erase flash deletes the files in flash, including the image.",
                            "copy startup-config running-config merges NVRAM into RAM.",
                            "reload restarts the router; show startup-config only displays NVRAM."},
        },

        // Record 118 (Switching: native VLAN on a trunk)
        {
            .question = {"The two ends of an 802.1Q trunk disagree, and neither switch checks for "
                         "it: SW1 has native VLAN 1 and SW2 native VLAN 99. What happens to a "
                         "frame that SW1 sends across the trunk from VLAN 1?"},
            .choices = {"SW2 drops it, because every frame on a trunk must carry a tag",
                        "SW2 puts it in VLAN 1",
                        "SW2 returns it to SW1 with a tag for VLAN 99",
                        "SW2 puts it in VLAN 99",
                        "SW2 floods it into every VLAN that the trunk carries"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 8, page 459",
                            "802.1Q sends the frames of the native VLAN untagged, and a switch "
                            "puts every untagged frame it receives on a trunk into its own native "
                            "VLAN: the frame leaves VLAN 1 on SW1 and arrives in VLAN 99 on SW2, "
                            "joining the two VLANs, so both ends must agree."},
        },

        // Routing protocols: static, RIP, IGRP

        // Record 122
        {
            .question = {"Which of the following is a characteristic of a distance-vector "
                         "routing protocol?"},
            .choices = {"Each router floods link-state advertisements to every router in its area",
                        "Each router builds a complete map of the network topology",
                        "Updates carry only the state of the sending router's own links",
                        "A router knows remote networks only from what its neighbors tell it",
                        "Routers elect a designated router to collect updates on each "
                        "multiaccess network"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 6, page 301",
                            "Distance vector is often called routing by rumor.",
                            "A router learns remote networks only from its neighbors.",
                            "It adds its own metric and passes routes on unchecked.",
                            "No router ever sees the whole topology.",
                            "Link-state routers work differently:",
                            "- each floods its own link states to the area;",
                            "- each builds a full map, runs SPF and may elect a DR."},
        },

        // Record 126
        {
            .question = {"Which of the following help distance-vector routing protocols prevent "
                         "routing loops? (Choose three.)"},
            .choices = {"Shortest path first",
                        "Link-state advertisements",
                        "Split horizon",
                        "Route poisoning",
                        "Hold-down timers"},
            .correct = "CDE",
            .explanation = {"Study Guide, Chapter 6, page 308",
                            "Split horizon, route poisoning (with poison reverse) and hold-down "
                            "timers stop loops and counting to infinity; SPF and LSAs belong to "
                            "link-state protocols."},
        },

        // Record 130
        {
            .question = {"What is the default administrative distance of a static route that "
                         "points to a next-hop address?"},
            .choices = {"0", "1", "90", "100", "120"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 6, page 296",
                            "A static route has a distance of 1; only a connected network (0) is "
                            "trusted more, while internal EIGRP is 90, IGRP 100 and RIP 120."},
        },

        // Record 134
        {
            .question = {"By default, how long does RIP wait without hearing an update for a "
                         "route before it marks the route invalid?"},
            .choices = {"180 seconds", "30 seconds", "90 seconds", "240 seconds", "270 seconds"},
            .correct = "A",
            .explanation = {"RIP sends updates every 30 seconds; a route that is not refreshed "
                            "for 180 seconds (six update periods) is marked invalid and "
                            "advertised with a metric of 16.",
                            "The hold-down timer is also 180 seconds, and the route is flushed "
                            "240 seconds after the last update; the IGRP defaults are 90, 270, "
                            "280 and 630 seconds."},
        },

        // Record 138
        {
            .question = {"R1's serial 0/0 is a point-to-point link to R2, which leads to network "
                         "172.16.50.0/24. Which static route on R1 reaches that network without "
                         "naming R2's address?"},
            .choices = {"ip route 172.16.50.0 255.255.255.0 null0",
                        "ip route 172.16.50.0 255.255.255.0 172.16.50.1",
                        "ip route 172.16.50.0 255.255.255.0 serial0/0",
                        "ip route 172.16.50.0 serial0/0",
                        "ip default-network 172.16.50.0"},
            .correct = "C",
            .explanation = {"A static route may name an exit interface instead of a next hop.",
                            "A point-to-point serial 0/0 leads only to R2.",
                            "The route is ip route 172.16.50.0 255.255.255.0 serial0/0.",
                            "show ip route lists it as directly connected, code S.",
                            "null0 drops traffic; R1 cannot resolve 172.16.50.1, inside the "
                            "destination network.",
                            "Routes need a mask; ip default-network flags a default candidate."},
        },

        // Routing protocols: EIGRP and OSPF

        // Record 142
        {
            .question = {"An OSPF router already has neighbors when the command router-id "
                         "10.0.0.1 is added to its OSPF configuration. When does the router start "
                         "to use 10.0.0.1 as its router ID?"},
            .choices = {"At once, and its neighbors keep their adjacencies with it",
                        "After clear ip ospf process, or a reload with the change saved",
                        "When 10.0.0.1 is also the address of one of its own interfaces",
                        "Once a loopback interface has been created with the address 10.0.0.1",
                        "As soon as it sends its next hello on each interface",
                        "Never, because a loopback address always takes precedence"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 7, page 384",
                            "The router-id command overrides the loopback and interface addresses "
                            "and need not be an address of the router, but a running OSPF process "
                            "keeps its old ID until it restarts, with clear ip ospf process or a "
                            "reload, because a new ID drops every adjacency; an unsaved router-id "
                            "command is lost on a reload."},
        },

        // Record 146
        {
            .question = {"What is the default OSPF hello interval on an Ethernet network?"},
            .choices = {"5 seconds",
                        "30 seconds",
                        "10 seconds",
                        "40 seconds",
                        "60 seconds",
                        "90 seconds"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 7, page 380",
                            "On broadcast and point-to-point networks OSPF sends hellos every 10 "
                            "seconds.",
                            "The dead interval is four times the hello interval, 40 seconds.",
                            "On non-broadcast networks the defaults are 30 and 120 seconds."},
        },

        // Record 150
        {
            .question = {"What is the effect of setting the OSPF priority of a router's Ethernet "
                         "interface to 0?"},
            .choices = {"The router never becomes the DR or BDR on that network",
                        "The router always becomes the DR on that network",
                        "The interface stops sending OSPF hello packets",
                        "The router becomes the BDR unless it is alone on the network",
                        "The interface is placed in area 0"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 7, page 387",
                            "Priority 0 makes the router ineligible in the DR and BDR elections "
                            "on that network, though it still sends hellos and takes part in "
                            "OSPF. The default priority is 1, the highest priority wins, and the "
                            "priority has nothing to do with the area."},
        },

        // Record 154
        {
            .question = {"What does EIGRP call a loop-free backup route kept in the topology "
                         "table for use if the best route fails?"},
            .choices = {"Feasible successor",
                        "Successor",
                        "Designated router",
                        "Advertised distance",
                        "Poisoned route"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 7, page 355",
                            "The successor is the best route; a feasible successor is a neighbor "
                            "whose advertised distance is lower than the successor's feasible "
                            "distance.",
                            "If the successor fails, EIGRP uses the feasible successor at once, "
                            "without sending queries."},
        },

        // Record 158
        {
            .question = {"Which command starts EIGRP for autonomous system 20 on the router?"},
            .choices = {"eigrp router 20",
                        "router eigrp 20",
                        "router eigrp",
                        "eigrp 20",
                        "eigrp as 20",
                        "ip routing eigrp 20"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 7, page 362",
                            "router eigrp 20 starts EIGRP for AS 20; the AS number is required and "
                            "must match on neighbors, and network commands then select interfaces. "
                            "ip routing only turns IP routing on, and the other forms are not "
                            "commands."},
        },

        // Switching: bridging, switching methods, spanning tree, VLANs, trunking

        // Record 162
        {
            .question = {"Which of the following statements about the spanning-tree protocol are "
                         "true? (Choose all that apply.)"},
            .choices = {"A switch's bridge ID is made of its IP address and its MAC address",
                        "It is needed only where hubs, not switches, join the segments",
                        "It is used to break up broadcast domains",
                        "It prevents switching loops in a network with redundant links",
                        "Each non-root bridge picks one root port, its lowest-cost path to the "
                        "root"},
            .correct = "DE",
            .explanation = {"Study Guide, Chapter 8, page 426",
                            "The bridge ID is the bridge priority followed by the MAC address; no "
                            "IP address is used, and switched networks with redundant links need "
                            "spanning tree too.",
                            "Each non-root bridge chooses one root port and blocks redundant ports "
                            "to stop loops; spanning tree does not divide broadcast domains."},
        },

        // Record 166
        {
            .question = {"Which switching method discards every frame that has a bad CRC, but adds "
                         "a delay that grows with the length of the frame?"},
            .choices = {"Store-and-forward",
                        "Cut-through",
                        "Fragment-free",
                        "Microsegmentation",
                        "Frame tagging"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 8, page 414",
                            "Store-and-forward buffers the whole frame and checks the CRC, "
                            "dropping bad frames, so its latency grows with frame length; "
                            "cut-through and fragment-free start forwarding before the frame has "
                            "fully arrived, frame tagging is for VLAN trunks, and "
                            "microsegmentation means one host per switch port."},
        },

        // Record 170
        {
            .question = {"In which spanning-tree state does a port build its MAC address table "
                         "while it still forwards no data frames?"},
            .choices = {"Listening", "Learning", "Blocking", "Forwarding", "Disabled"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 8, page 442",
                            "In blocking and then listening, a port handles only BPDUs and neither "
                            "learns nor forwards.",
                            "In learning, the last forward delay, it builds its MAC address table "
                            "but forwards no data frames.",
                            "In forwarding, it sends and receives data frames."},
        },

        // Record 174
        {
            .question = {"In which VTP mode can a switch create, change and delete VLANs and "
                         "advertise them to the other switches of its VTP domain?"},
            .choices = {"Client", "Transparent", "Access", "Server", "Master", "Dynamic"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 8, page 462",
                            "A VTP server creates, changes and deletes VLANs and advertises them "
                            "to its domain; a client takes its VLANs from the advertisements but "
                            "cannot change them, and a transparent switch does not advertise the "
                            "VLANs it keeps. Access and dynamic are port modes, and there is no "
                            "master mode."},
        },

        // Record 178
        {
            .question = {"What does a switch do with a frame whose destination MAC address is "
                         "not in its MAC address table?"},
            .choices = {"Floods it out every port but the one it arrived on",
                        "Drops it and waits for the destination to send a frame first",
                        "Sends it back out the port it arrived on",
                        "Holds it and sends an ARP request to find the destination's port",
                        "Sends it only toward the root bridge, which knows every address"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 8, page 405",
                            "An unknown unicast is flooded out every port in the VLAN except the "
                            "incoming one, just like a broadcast; the switch neither holds nor "
                            "drops it.",
                            "When the destination replies, the switch learns its address and "
                            "port, and later frames go only out that port."},
        },

        // Access lists: standard, extended, IPX, wildcard masks

        // Record 182
        {
            .question = {"Which of the following statements about standard IP access lists are "
                         "true? (Choose all that apply.)"},
            .choices = {"They can filter traffic by destination port number",
                        "They filter only on the source IP address",
                        "They use the numbers 1 through 99",
                        "Each address in their entries must be followed by a wildcard mask",
                        "They end with an implicit deny of all traffic",
                        "They can filter by protocol, such as TCP or UDP"},
            .correct = "BCE",
            .explanation = {"Study Guide, Chapter 9, page 486",
                            "Standard IP lists are numbered 1 to 99.",
                            "They match only the source address of a packet.",
                            "Like every access list, they end with an implicit deny any.",
                            "A wildcard may be left out, and then only that exact address matches.",
                            "Filtering by protocol or port needs an extended list (100 to 199).",
                            "Example: access-list 10 permit 172.16.0.0 0.0.255.255"},
        },

        // Record 186
        {
            .question = {"What does the keyword log at the end of an access-list entry do?"},
            .choices = {"It makes the entry apply only to packets leaving the interface",
                        "It makes the router log a message about packets that match the entry",
                        "It logs every packet the list drops, whichever entry drops it",
                        "It saves a copy of each matching packet in flash memory",
                        "It writes the entry to NVRAM so that it survives a reload"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 9, page 501",
                            "log makes the router send a log message (to the console or a syslog "
                            "server) about the packets that match that entry, and only that entry; "
                            "it stores no packets and changes neither the list's direction nor the "
                            "saved configuration."},
        },

        // Record 190
        {
            .question = {"The router's outside interface has this list applied inbound:",
                         "access-list 120 permit tcp any 10.1.1.0 0.0.0.255 established",
                         "Which traffic arriving from outside does the list let through to the "
                         "inside hosts on 10.1.1.0/24?"},
            .choices = {"Only TCP segments with ACK or RST set, such as replies in sessions "
                        "begun inside",
                        "Any TCP traffic to 10.1.1.0/24, including new connection requests from "
                        "outside hosts",
                        "Replies of any protocol, TCP, UDP or ICMP, to traffic that inside hosts "
                        "sent out",
                        "Only new TCP connection requests (SYN without ACK) sent by outside hosts",
                        "No traffic at all, because established can be used only in outbound lists",
                        "TCP traffic from any outside host that has connected to 10.1.1.0/24 "
                        "before"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 9, page 503",
                            "established matches only TCP segments with the ACK or RST bit set.",
                            "A new connection opens with SYN and no ACK, so the list lets no "
                            "connection from outside begin.",
                            "Replies in sessions begun inside carry ACK and pass; the router "
                            "keeps no record of past sessions.",
                            "UDP and ICMP cannot match established, so they are not let through "
                            "either."},
        },

        // Record 194
        {
            .question = {"Which of the following access-list entries match only the single host "
                         "10.1.1.1? (Choose two.)"},
            .choices = {"access-list 5 permit host 10.1.1.1",
                        "access-list 5 permit 10.1.1.1 255.255.255.255",
                        "access-list 5 permit 10.1.1.1 0.0.0.255",
                        "access-list 5 permit 10.1.1.1 0.0.0.0",
                        "access-list 5 permit 10.1.1.1 255.255.255.0"},
            .correct = "AD",
            .explanation = {"Study Guide, Chapter 9, page 478",
                            "host is shorthand for wildcard 0.0.0.0, which requires every bit to "
                            "match.",
                            "0.0.0.255 matches all of 10.1.1.0 to 10.1.1.255, and 255.255.255.255 "
                            "matches any address.",
                            "255.255.255.0 checks only the last octet, matching every address "
                            "ending in .1."},
        },

        // Record 198
        {
            .question = {"Which TCP ports does the entry access-list 120 permit tcp any any gt "
                         "1023 match?"},
            .choices = {"Destination port 1023 only",
                        "Destination ports 0 through 1022",
                        "Destination ports 1023 through 65535",
                        "Every destination port except 1023",
                        "Destination ports 1024 through 65535",
                        "Source ports 1024 through 65535"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 9, page 499",
                            "gt means greater than, so gt 1023 matches ports 1024 to 65535; 1023 "
                            "itself is not included. The operator follows the destination any, so "
                            "it tests the destination port.",
                            "eq would match only 1023, lt the ports below it and neq every port "
                            "but 1023; a test on source ports sits right after the source "
                            "address."},
        },

        // Record 202
        {
            .question = {"Which extended access-list entry matches TCP traffic to destination "
                         "ports 8000 through 8080 and to no other port?"},
            .choices = {"access-list 110 permit tcp any any gt 7999",
                        "access-list 110 permit tcp any range 8000 8080 any",
                        "access-list 110 permit tcp any any lt 8081",
                        "access-list 110 permit tcp any any range 8000 8080",
                        "access-list 10 permit tcp any any range 8000 8080"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 9, page 497",
                            "range takes a low and a high port and matches every port from one to "
                            "the other, both included: here 8000 to 8080.",
                            "gt 7999 also matches every port above 8080, and lt 8081 every port "
                            "below 8000.",
                            "After the source any, range tests source ports; list 10 is a "
                            "standard list and cannot name a protocol or port."},
        },

        // WAN: PPP, HDLC, Frame Relay, ISDN

        // Record 206
        {
            .question = {"Which combination of channels does an ISDN Primary Rate Interface "
                         "(PRI) provide on a T1 line?"},
            .choices = {"23 B channels and one 64 kbit/s D channel",
                        "30 B channels and one 64 kbit/s D channel",
                        "24 B channels and one 16 kbit/s D channel",
                        "Two B channels and one 16 kbit/s D channel",
                        "23 B channels and one 16 kbit/s D channel"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 10, page 579",
                            "A T1 PRI carries 23 B channels of 64 kbit/s and one 64 kbit/s D "
                            "channel for signaling: 1.544 Mbit/s with framing.",
                            "An E1 PRI has 30 B channels and one D channel, and the 16 kbit/s D "
                            "channel belongs to the BRI (2B+D)."},
        },

        // Record 210
        {
            .question = {"What is the name of the place where the service provider's "
                         "responsibility ends and the customer's begins?"},
            .choices = {"Local loop",
                        "Central office",
                        "Toll network",
                        "Customer premises",
                        "Demarcation point",
                        "Trunk line"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 10, page 529",
                            "The demarc is where the provider's wiring ends and the customer "
                            "premises equipment (CPE) begins.",
                            "The local loop runs from the demarc to the central office (CO), "
                            "which connects to the toll network."},
        },

        // Record 214
        {
            .question = {"Two routers joined by a leased line must authenticate each other with "
                         "CHAP.",
                         "Which of the following commands are required on their serial "
                         "interfaces? (Choose two.)"},
            .choices = {"encapsulation ppp",
                        "encapsulation hdlc",
                        "encapsulation frame-relay",
                        "encapsulation chap",
                        "dialer-list 1 protocol ip permit",
                        "ppp authentication chap"},
            .correct = "AF",
            .explanation = {"Study Guide, Chapter 10, page 548",
                            "Both interfaces need encapsulation ppp; HDLC (the default) and Frame "
                            "Relay have no authentication.",
                            "ppp authentication chap turns on CHAP, and encapsulation chap is not "
                            "a command; each router also needs a global username entry for the "
                            "other with the shared password."},
        },

        // Record 218
        {
            .question = {"The provider says its central office uses National ISDN-1 signaling. "
                         "Which command makes the router's BRI match it?"},
            .choices = {"isdn spid1 5550100101",
                        "isdn signaling basic-ni",
                        "isdn type basic-ni",
                        "isdn switch-type basic-ni",
                        "dialer switch basic-ni"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 10, page 588",
                            "isdn switch-type names the provider's switch, globally or on the "
                            "BRI: basic-ni for National ISDN-1, basic-net3 for Euro-ISDN; isdn "
                            "spid1 sets a SPID, and the other three are not commands."},
        },

        // Record 222
        {
            .question = {"Which protocol does a Frame Relay router use to learn the network "
                         "address of the router at the far end of each PVC?"},
            .choices = {"ARP", "RARP", "LMI", "Proxy ARP", "Inverse ARP", "DNS"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 10, page 564",
                            "Inverse ARP sends a request on each active DLCI, and the far-end "
                            "router replies with its network address, so the router builds its "
                            "DLCI-to-address map without frame-relay map commands; LMI only "
                            "reports PVC status, and ARP maps a known IP address to a MAC "
                            "address."},
        },
    };
    // clang-format on
    return entries;
}
