#include "bank/content.h"

std::span<const ContentEntry> quiz_3_content()
{
    // Laid out by hand: each choice and each line of text on a row of its own.
    // clang-format off
    static constexpr ContentEntry entries[] = {
        // Seven-layer model and internetworking basics

        // Record 3
        {
            .question = {"Which of the following protocols operates at the transport layer of "
                         "the seven-layer model?"},
            .choices = {"TCP", "IPX", "ICMP", "ARP", "PPP", "Telnet"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 1, page 31",
                            "TCP gives connection-oriented, reliable transport with sequencing "
                            "and acknowledgments. IPX and ICMP work at the network layer, ARP "
                            "maps network addresses to hardware addresses, PPP is a data link "
                            "protocol and Telnet is an application."},
        },

        // Record 7
        {
            .question = {"At which layer of the seven-layer model do bridges and switches make "
                         "their forwarding decisions?"},
            .choices = {"Physical", "Data link", "Network", "Transport", "Session"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 1, page 35",
                            "Bridges and switches forward frames by the destination MAC "
                            "(hardware) address, which is a data link layer address; routers "
                            "decide at the network layer using logical addresses, and hubs and "
                            "repeaters work at the physical layer."},
        },

        // Record 11
        {
            .question = {"Which layer of the seven-layer model handles data formats, "
                         "encryption and compression, such as translating ASCII to EBCDIC?"},
            .choices = {"Application", "Session", "Presentation", "Transport", "Network",
                        "Data link"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 1, page 26",
                            "The presentation layer presents data in a form the application "
                            "layer can use: code conversion, encryption and decryption, "
                            "compression, and formats such as JPEG or MPEG."},
        },

        // Record 15
        {
            .question = {"Which layer of the seven-layer model sets up, manages and tears down "
                         "the dialogs between applications and keeps their data separate?"},
            .choices = {"Physical", "Network", "Transport", "Presentation", "Session"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 1, page 25",
                            "The session layer establishes, manages and terminates sessions "
                            "between presentation layer entities and controls dialog as "
                            "simplex, half duplex or full duplex; the transport layer below it "
                            "segments data and provides end-to-end delivery."},
        },

        // Record 19
        {
            .question = {"Which of the following is an advantage of using a layered reference "
                         "model for internetworking?"},
            .choices = {"A change in one layer does not require changes in the other layers",
                        "It forces every vendor to build the same hardware",
                        "It removes the need for network addressing",
                        "It lets a single protocol handle every function from cabling to "
                        "applications",
                        "It makes error detection unnecessary",
                        "It guarantees that all networks run at the same speed"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 1, page 14",
                            "Layering divides networking into smaller, standard functions, so "
                            "a layer can change or be replaced without affecting the others, "
                            "vendors can build interoperable parts, and troubleshooting is "
                            "simpler."},
        },

        // Record 23
        {
            .question = {"What is the correct order of data encapsulation as user data is sent "
                         "down the seven-layer model?"},
            .choices = {"Data, packets, segments, frames, bits",
                        "Data, segments, packets, frames, bits",
                        "Data, frames, packets, segments, bits",
                        "Bits, frames, packets, segments, data",
                        "Data, segments, frames, packets, bits"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 1, page 32",
                            "Upper layers: the user data is prepared for sending.",
                            "Transport layer: the data is broken into segments.",
                            "Network layer: each segment is placed in a packet with logical "
                            "addresses.",
                            "Data link layer: each packet is framed with hardware addresses "
                            "and an FCS.",
                            "Physical layer: the frame is sent as a stream of bits."},
        },

        // TCP/IP protocol suite

        // Record 27
        {
            .question = {"Which well-known port number does a Telnet server listen on?"},
            .choices = {"21", "25", "53", "69", "23"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 2, page 71",
                            "Telnet uses TCP port 23. Port 21 is FTP control, 25 is SMTP, 53 "
                            "is DNS and 69 is TFTP (UDP); port numbers below 1024 are "
                            "well-known ports."},
        },

        // Record 31
        {
            .question = {"Which sequence of segments opens a TCP connection between two hosts?"},
            .choices = {"SYN, ACK, FIN", "SYN, SYN/ACK, FIN", "SYN, SYN/ACK, ACK",
                        "ACK, SYN, SYN/ACK", "SYN/ACK, SYN, ACK"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 2, page 69",
                            "1. The client sends a SYN with its initial sequence number.",
                            "2. The server replies with a SYN/ACK: its own sequence number and "
                            "an ACK of the client's.",
                            "3. The client sends an ACK of the server's sequence number.",
                            "The connection is then open and data can flow; FIN segments close "
                            "it."},
        },

        // Record 35
        {
            .question = {"Which protocol does a host use to find the hardware address of a "
                         "local host when it knows only that host's IP address?"},
            .choices = {"RARP", "ICMP", "DNS", "ARP", "IGMP"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 2, page 87",
                            "ARP broadcasts a request naming the IP address, and the host that "
                            "owns it replies with its MAC address. RARP does the reverse (MAC "
                            "to IP), DNS resolves names to IP addresses and IGMP manages "
                            "multicast groups."},
        },

        // Record 39
        {
            .question = {"Which protocol does the ping command use to test whether a remote "
                         "host is reachable?"},
            .choices = {"TCP", "UDP", "ARP", "ICMP", "IGMP", "SNMP"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 2, page 84",
                            "Ping sends ICMP echo request messages and waits for ICMP echo "
                            "replies.",
                            "ICMP is carried directly in IP at the network layer and also "
                            "reports problems such as destination unreachable and time "
                            "exceeded."},
        },

        // Record 43
        {
            .question = {"Which of the following describes UDP?"},
            .choices = {"It is connection-oriented and uses acknowledgments and windowing",
                        "It is connectionless and has no sequencing or acknowledgments",
                        "It opens a three-way handshake before sending data",
                        "It resends lost segments automatically",
                        "It works at the network layer of the seven-layer model",
                        "It sets up a virtual circuit to guarantee delivery"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 2, page 64",
                            "UDP is a connectionless transport layer protocol:",
                            "- no handshake or virtual circuit is set up first;",
                            "- there is no sequencing, acknowledgment or windowing;",
                            "- any reliability is left to the application;",
                            "- TFTP, SNMP and DNS queries use it for its small header."},
        },

        // Record 47
        {
            .question = {"Which protocol transfers files using UDP port 69 without any user "
                         "authentication?"},
            .choices = {"FTP", "SMTP", "TFTP", "Telnet", "HTTP"},
            .correct = "C",
            .explanation = {"TFTP runs over UDP port 69 with no login, directory browsing or "
                            "authentication; it is often used to copy router images and "
                            "configuration files.",
                            "FTP uses TCP ports 20 and 21 and needs a login; SMTP carries "
                            "mail, Telnet gives terminal access and HTTP runs over TCP."},
        },

        // IP addressing and subnetting

        // Record 51
        {
            .question = {"Which of the following is a valid host address on a subnet that uses "
                         "the mask 255.255.255.224?"},
            .choices = {"172.16.5.95", "172.16.5.100", "172.16.5.127", "172.16.5.160",
                        "172.16.5.191", "172.16.5.224"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 3, page 120",
                            "Mask .224 gives blocks of 32: 172.16.5.100 is in subnet .96, "
                            "whose hosts are .97 to .126 and broadcast .127. The addresses "
                            ".95, .127 and .191 are broadcasts; .160 and .224 are subnet "
                            "addresses."},
        },

        // Record 55
        {
            .question = {"Which subnet mask leaves exactly two usable host addresses per subnet, "
                         "as used on point-to-point serial links?"},
            .choices = {"255.255.255.0", "255.255.255.248", "255.255.255.252", "255.255.255.240",
                        "255.255.255.224", "255.255.255.192"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 3, page 167",
                            "255.255.255.252 is /30, leaving 2 host bits: 2^2 = 4 addresses.",
                            "Take away the subnet and broadcast addresses: 4 - 2 = 2 hosts, one "
                            "for each end of the link.",
                            "Block size 256 - 252 = 4: subnet 10.1.1.4 has hosts .5 and .6 and "
                            "broadcast .7.",
                            ".248 gives 6 hosts, .240 14, .224 30, .192 62 and .0 254."},
        },

        // Record 59
        {
            .question = {"How many usable host addresses are on each subnet when a class C "
                         "network is subnetted with the mask 255.255.255.240?"},
            .choices = {"6", "8", "16", "14", "30"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 3, page 132",
                            "255.255.255.240 = 11111111.11111111.11111111.11110000",
                            "That leaves 4 host bits.",
                            "2^4 = 16 addresses per subnet.",
                            "Take away the subnet address and the broadcast address: 16 - 2 = 14.",
                            "Each subnet has 14 usable host addresses."},
        },

        // Record 63
        {
            .question = {"A class B network needs subnets with at least 500 hosts each and as "
                         "many subnets as possible. Which subnet mask should be used?"},
            .choices = {"255.255.255.0", "255.255.252.0", "255.255.255.128", "255.255.248.0",
                        "255.255.240.0", "255.255.254.0"},
            .correct = "F",
            .explanation = {"500 hosts need 9 host bits: 2^9 - 2 = 510, while 2^8 - 2 = 254 is "
                            "too few.",
                            "Nine host bits leave a 23-bit mask: 255.255.254.0.",
                            "Masks with more host bits, such as 255.255.252.0, also fit but "
                            "leave fewer subnets."},
        },

        // Record 67
        {
            .question = {"What is the subnet address of host 10.44.130.77 with the mask "
                         "255.255.192.0?"},
            .choices = {"10.0.0.0", "10.44.0.0", "10.44.130.0", "10.44.64.0", "10.44.192.0",
                        "10.44.128.0"},
            .correct = "F",
            .explanation = {"Study Guide, Chapter 3, page 156",
                            "256 - 192 = 64, so subnets step by 64 in the third octet: 0, 64, "
                            "128, 192.",
                            "130 lies between 128 and 191, so the subnet is 10.44.128.0.",
                            "Its broadcast is 10.44.191.255; hosts run from 10.44.128.1 to "
                            "10.44.191.254."},
        },

        // Record 71
        {
            .question = {"Which of the following are valid host addresses on the subnet "
                         "192.168.1.64 with the mask 255.255.255.192?"},
            .choices = {"192.168.1.65", "192.168.1.100", "192.168.1.127", "192.168.1.126",
                        "192.168.1.128"},
            .correct = "ABD",
            .explanation = {"Study Guide, Chapter 3, page 132",
                            "255.255.255.192 gives a block size of 64.",
                            "Subnet address: 192.168.1.64",
                            "First host: 192.168.1.65",
                            "Last host: 192.168.1.126",
                            "Broadcast: 192.168.1.127",
                            ".65, .100 and .126 are hosts; .127 is the broadcast and .128 "
                            "starts the next subnet."},
        },

        // Record 75
        {
            .question = {"Which of the following are class B addresses?"},
            .choices = {"10.20.30.40", "172.16.1.1", "191.255.0.1", "192.0.2.1", "224.0.0.5"},
            .correct = "BC",
            .explanation = {"Study Guide, Chapter 3, page 137",
                            "Class B addresses have a first octet from 128 to 191 (first bits "
                            "10).",
                            "10 is class A (1 to 126), 192 is class C (192 to 223) and 224 is "
                            "class D, used for multicast."},
        },

        // IPX protocols and addressing

        // Record 79
        {
            .question = {"How many bits long is a complete IPX address?"},
            .choices = {"32 bits", "48 bits", "64 bits", "80 bits", "96 bits", "128 bits"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 4, page 189",
                            "An IPX address has 80 bits: a 32-bit network number followed by a "
                            "48-bit node number, which is usually the interface's MAC address, "
                            "written in hexadecimal."},
        },

        // Record 83
        {
            .question = {"Which interface command assigns IPX network 10 to an Ethernet interface "
                         "with 802.3 SNAP framing?"},
            .choices = {"ipx network 10 encapsulation snap",
                        "ipx network 10 snap",
                        "ipx network snap 10",
                        "encapsulation snap ipx network 10",
                        "ipx network 10 frame-type snap",
                        "network ipx 10 encapsulation snap"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 4, page 183",
                            "In interface configuration mode, ipx network sets the IPX network "
                            "number, and the optional keyword encapsulation followed by a frame "
                            "type sets the framing; snap is 802.3 with 802.2 LLC and a SNAP "
                            "header.",
                            "Without the keyword the router uses its default Ethernet frame type, "
                            "raw 802.3; the global command ipx routing must already be on."},
        },

        // Record 87
        {
            .question = {"How often do IPX servers and routers broadcast SAP updates by default?"},
            .choices = {"10 seconds", "30 seconds", "90 seconds", "5 minutes", "60 seconds"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 4, page 179",
                            "SAP (Service Advertising Protocol) broadcasts the known services "
                            "every 60 seconds by default, and IPX RIP also sends its routing "
                            "updates every 60 seconds."},
        },

        // Record 91
        {
            .question = {"Which IPX encapsulation keyword selects Ethernet II framing on the "
                         "router's Ethernet interface?"},
            .choices = {"sap", "arpa", "snap", "hdlc", "ppp", "lapb"},
            .correct = "B",
            .explanation = {"The router names the Ethernet frame types for IPX with keywords:",
                            "arpa - Ethernet II, which carries a type field",
                            "sap - IEEE 802.3 with an 802.2 LLC header",
                            "snap - IEEE 802.3 with 802.2 LLC and a SNAP header",
                            "The fourth type, raw 802.3, is the default on Ethernet.",
                            "hdlc, ppp and lapb are serial-line encapsulations."},
        },

        // Router command line: modes, show commands, configuration, startup

        // Record 95
        {
            .question = {"Which command shows the configuration that is currently running in "
                         "the router's RAM?"},
            .choices = {"show running-config", "show startup-config", "show flash", "show version",
                        "show memory", "show interfaces"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 5, page 242",
                            "show running-config displays the active configuration held in RAM.",
                            "show startup-config shows the saved configuration in NVRAM, show "
                            "flash lists the operating system images and show version shows "
                            "the software version, uptime and configuration register."},
        },

        // Record 99
        {
            .question = {"Which of the following commands save the running configuration to "
                         "NVRAM?"},
            .choices = {"copy running-config startup-config", "write memory",
                        "copy startup-config running-config", "copy running-config tftp",
                        "erase startup-config"},
            .correct = "AB",
            .explanation = {"Study Guide, Chapter 5, page 266",
                            "copy running-config startup-config and the older write memory "
                            "both save the RAM configuration to NVRAM. copy startup-config "
                            "running-config merges NVRAM into RAM, copy running-config tftp "
                            "backs up to a server and erase startup-config clears NVRAM."},
        },

        // Record 103
        {
            .question = {"Which configuration register value makes the router ignore the "
                         "configuration saved in NVRAM the next time it boots?"},
            .choices = {"0x2102", "0x2100", "0x2101", "0x2142", "0x2104", "0x0102"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 5, page 272",
                            "0x2142 sets bit 6 (0x0040), so the router skips the startup "
                            "configuration in NVRAM; this is used for password recovery.",
                            "The default 0x2102 reads NVRAM normally, 0x2100 boots to ROM "
                            "monitor, and the other values also leave bit 6 clear."},
        },

        // Record 107
        {
            .question = {"Which of the following commands set a password that protects "
                         "privileged mode?"},
            .choices = {"enable secret Tr4vel9", "line console 0", "enable password Blue42",
                        "login", "service password-encryption"},
            .correct = "AC",
            .explanation = {"Study Guide, Chapter 5, page 256",
                            "enable secret stores a hashed privileged-mode password and enable "
                            "password a clear-text one (the secret wins if both exist). line "
                            "console 0 and login concern console login, and service "
                            "password-encryption only scrambles clear-text passwords."},
        },

        // Record 111
        {
            .question = {"Which key sequence recalls the previous command from the router's "
                         "command history?"},
            .choices = {"Ctrl+A", "Ctrl+E", "Ctrl+N", "Ctrl+P", "Ctrl+Z", "Tab"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 5, page 235",
                            "Ctrl+P (or the up arrow) recalls the previous command and Ctrl+N "
                            "the next one; Ctrl+A and Ctrl+E jump to the start and end of the "
                            "line, Ctrl+Z ends configuration mode and Tab completes a keyword."},
        },

        // Record 115
        {
            .question = {"Which prompt shows that the router is in interface configuration mode?"},
            .choices = {"Router>", "Router#", "Router(config)#", "Router(config-if)#",
                        "Router(config-router)#"},
            .correct = "D",
            .explanation = {"Router(config-if)# appears after an interface command, such as "
                            "interface serial 0, is entered in global configuration mode.",
                            "Router> is user mode, Router# privileged mode, Router(config)# "
                            "global configuration and Router(config-router)# routing protocol "
                            "configuration."},
        },

        // Record 119
        {
            .question = {"After the power-on self test and loading its operating system, where "
                         "does the router look first for a startup configuration?"},
            .choices = {"Flash memory", "NVRAM", "RAM", "ROM", "A TFTP server", "The console port"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 5, page 233",
                            "The router copies the startup configuration from NVRAM into RAM, "
                            "where it becomes the running configuration.",
                            "If NVRAM holds no configuration, the router may try a TFTP server "
                            "and then starts setup mode."},
        },

        // Routing protocols: static, RIP, IGRP

        // Record 123
        {
            .question = {"Which of the following is a characteristic of a distance-vector "
                         "routing protocol?"},
            .choices = {"Every router keeps the same database describing every link in its area",
                        "Routers divide the network into areas joined to a backbone area",
                        "Each router sends its full routing table to its neighbors at fixed "
                        "intervals",
                        "Each router computes a shortest-path tree with itself as the root",
                        "A router floods a description of its own links whenever one changes",
                        "It needs no split horizon or hold-down timers to prevent routing loops"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 6, page 304",
                            "Distance-vector protocols such as RIP and IGRP:",
                            "- send the whole routing table to neighbors at regular intervals;",
                            "- know only distance and direction (next hop), not the whole "
                            "topology;",
                            "- converge slowly and use split horizon and hold-downs against "
                            "loops.",
                            "Link databases, areas, SPF and flooding on change are link-state "
                            "features, as in OSPF."},
        },

        // Record 127
        {
            .question = {"What hop count does RIP use to mark a route as unreachable?"},
            .choices = {"15", "255", "100", "1", "16"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 6, page 310",
                            "RIP allows paths of up to 15 hops; a metric of 16 means infinity, "
                            "so the route is unreachable. IGRP's maximum hop count is 100 by "
                            "default and can be raised to 255."},
        },

        // Record 131
        {
            .question = {"Which command adds a static route to network 172.20.0.0/16 through "
                         "the next-hop router 10.1.1.2?"},
            .choices = {"ip route 172.20.0.0 255.255.0.0 10.1.1.2",
                        "ip route 10.1.1.2 172.20.0.0 255.255.0.0",
                        "route ip 172.20.0.0 255.255.0.0 10.1.1.2",
                        "ip route 172.20.0.0 0.0.255.255 10.1.1.2",
                        "ip static 172.20.0.0 255.255.0.0 10.1.1.2",
                        "router static 172.20.0.0 10.1.1.2"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 6, page 336",
                            "The syntax is ip route, then the destination network, its subnet "
                            "mask (not a wildcard mask), and the next-hop address or exit "
                            "interface; the destination comes first."},
        },

        // Record 135
        {
            .question = {"Which command starts IGRP on the router for autonomous system 10?"},
            .choices = {"router igrp", "router igrp network 10", "igrp 10", "router rip 10",
                        "router igrp 10"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 6, page 325",
                            "IGRP needs an autonomous system number: router igrp 10 enters "
                            "router configuration mode, where network commands name the "
                            "directly connected classful networks. Routers must use the same "
                            "AS number to share updates."},
        },

        // Record 139
        {
            .question = {"What is the default administrative distance of a route learned by RIP?"},
            .choices = {"90", "100", "110", "1", "120"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 6, page 299",
                            "RIP routes have an administrative distance of 120. Connected "
                            "routes have 0, static 1, internal EIGRP 90, IGRP 100 and OSPF "
                            "110; the source with the lowest distance wins."},
        },

        // Routing protocols: EIGRP and OSPF

        // Record 143
        {
            .question = {"What does EIGRP call a loop-free backup route that is kept in the "
                         "topology table?"},
            .choices = {"Successor", "Designated route", "Default route", "Feasible successor",
                        "Adjacent route"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 7, page 365",
                            "The successor is the best route and goes into the routing table. "
                            "A feasible successor is a backup whose reported distance is lower "
                            "than the feasible distance of the successor, so EIGRP can switch "
                            "to it at once without recomputing."},
        },

        // Record 147
        {
            .question = {"On an OSPF broadcast network where all routers start together with "
                         "the default priority, which router is elected designated router?"},
            .choices = {"The router with the lowest IP address",
                        "The router with the lowest MAC address",
                        "The router with the highest router ID",
                        "The router with the most interfaces", "The router with the fastest link",
                        "The router with the lowest router ID"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 7, page 371",
                            "With every priority at the default of 1:",
                            "- the highest router ID becomes DR and the next highest BDR;",
                            "- the router ID is the highest loopback address, else the highest "
                            "active interface IP;",
                            "- priority 0 stops a router from ever becoming DR;",
                            "- the election is not preemptive, so a later router does not take "
                            "over."},
        },

        // Record 151
        {
            .question = {"Which command, in router ospf mode, enables OSPF on the interfaces "
                         "whose addresses are in 10.1.0.0/16 and places them in area 0?"},
            .choices = {"network 10.1.0.0 0.0.255.255 area 1",
                        "network 10.1.0.0 0.0.255.255 area 0", "network 10.1.0.0 area 0",
                        "ospf network 10.1.0.0 0.0.255.255 0", "network 10.1.0.0 0.0.255.255",
                        "area 0 network 10.1.0.0"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 7, page 379",
                            "The syntax is network, an address, a wildcard mask and area with "
                            "an area ID.",
                            "0.0.255.255 matches every address that begins with 10.1, and the "
                            "area must be given as 0; area 1 would put the interfaces in "
                            "another area."},
        },

        // Record 155
        {
            .question = {"Which multicast address do OSPF routers use to send hello packets to "
                         "all OSPF routers?"},
            .choices = {"224.0.0.5", "224.0.0.6", "224.0.0.9", "224.0.0.10", "255.255.255.255"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 7, page 358",
                            "OSPF sends hellos to AllSPFRouters, 224.0.0.5. The address "
                            "224.0.0.6 reaches only the DR and BDR, 224.0.0.9 is used by RIP "
                            "version 2 and 224.0.0.10 by EIGRP."},
        },

        // Record 159
        {
            .question = {"Which of the following are characteristics of OSPF?"},
            .choices = {"It is an open standard that routers of different makers support",
                        "It supports variable-length subnet masks",
                        "It uses hop count as its metric",
                        "It groups routers into areas joined to the backbone area 0",
                        "It sends its entire routing table to its neighbors every 30 seconds",
                        "It elects a designated router on broadcast multi-access networks"},
            .correct = "ABDF",
            .explanation = {"Study Guide, Chapter 7, page 365",
                            "OSPF is an open-standard link-state protocol: it is classless, uses "
                            "a cost based on bandwidth rather than hops, is built from areas "
                            "around area 0, elects a DR and BDR on broadcast networks and floods "
                            "link-state updates on change instead of sending periodic full "
                            "tables."},
        },

        // Switching: bridging, switching methods, spanning tree, VLANs, trunking

        // Record 163
        {
            .question = {"How does the spanning tree protocol choose the root bridge?"},
            .choices = {"The bridge with the highest bridge ID wins",
                        "The bridge with the most ports wins",
                        "The bridge with the lowest bridge ID wins",
                        "The bridge with the fastest uplink wins",
                        "The bridge that was powered on last wins"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 8, page 462",
                            "The bridge ID is the 2-byte priority (default 32768) followed by "
                            "the MAC address.",
                            "Bridges exchange BPDUs, and the one with the lowest bridge ID "
                            "becomes root.",
                            "With equal priorities, the lowest MAC address therefore wins."},
        },

        // Record 167
        {
            .question = {"Which switching method starts forwarding a frame as soon as it has "
                         "read the destination MAC address?"},
            .choices = {"Store-and-forward", "Cut-through", "Fragment-free", "Process switching",
                        "Source-route bridging"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 8, page 428",
                            "Cut-through (fast-forward) switching forwards once the "
                            "destination address is read, for the lowest latency; "
                            "fragment-free waits for the first 64 bytes and store-and-forward "
                            "receives the whole frame and checks its CRC."},
        },

        // Record 171
        {
            .question = {"In which spanning tree port state does a port add MAC addresses to "
                         "its table but still not forward data frames?"},
            .choices = {"Blocking", "Learning", "Listening", "Forwarding", "Disabled"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 8, page 438",
                            "A port goes from blocking to listening to learning to forwarding.",
                            "In learning it fills the MAC address table from received frames "
                            "but forwards no user data; in listening it handles only BPDUs."},
        },

        // Record 175
        {
            .question = {"Which VLAN trunking method inserts a 4-byte tag into the Ethernet "
                         "frame?"},
            .choices = {"ISL", "IEEE 802.1Q", "IEEE 802.3", "LANE", "IEEE 802.1D"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 8, page 454",
                            "802.1Q inserts a 4-byte tag with the VLAN ID after the source "
                            "address. ISL wraps the whole frame in a 26-byte header and 4-byte "
                            "CRC, LANE emulates a LAN over ATM, 802.3 is Ethernet and 802.1D "
                            "is spanning tree."},
        },

        // Record 179
        {
            .question = {"What is a main benefit of creating VLANs on a switched network?"},
            .choices = {"Each VLAN is a separate broadcast domain, so broadcasts are contained",
                        "Hosts in different VLANs can talk to each other without a router",
                        "All ports of the switch share one collision domain",
                        "Spanning tree is no longer needed", "Frames no longer need MAC addresses",
                        "Every VLAN is limited to one physical switch"},
            .correct = "A",
            .explanation = {"A VLAN is a logical broadcast domain, so broadcasts stay inside "
                            "it; traffic between VLANs still needs a router, each switch port "
                            "is its own collision domain, spanning tree is still needed and "
                            "trunks carry VLANs across switches."},
        },

        // Access lists: standard, extended, IPX, wildcard masks

        // Record 183
        {
            .question = {"Which wildcard mask matches every address in the subnet 172.16.32.0 "
                         "with the mask 255.255.224.0?"},
            .choices = {"0.0.0.255", "0.0.224.255", "255.255.224.0", "0.0.32.255", "0.0.31.255",
                        "0.0.63.255"},
            .correct = "E",
            .explanation = {"A wildcard mask is the subnet mask subtracted from 255.255.255.255.",
                            "255.255.255.255 - 255.255.224.0 = 0.0.31.255",
                            "The block is 32 in the third octet, covering 172.16.32.0 to "
                            "172.16.63.255.",
                            "Zero bits must match and one bits are ignored."},
        },

        // Record 187
        {
            .question = {"Which access list entry permits web (HTTP) traffic from the subnet "
                         "192.168.5.0/24 to the server 10.1.1.10?"},
            .choices = {"access-list 10 permit tcp 192.168.5.0 0.0.0.255 host 10.1.1.10 eq 80",
                        "access-list 110 permit tcp host 10.1.1.10 192.168.5.0 0.0.0.255 eq 80",
                        "access-list 110 permit udp 192.168.5.0 0.0.0.255 host 10.1.1.10 eq 80",
                        "access-list 110 permit tcp 192.168.5.0 0.0.0.255 host 10.1.1.10 eq 80",
                        "access-list 110 permit tcp 192.168.5.0 255.255.255.0 host 10.1.1.10 "
                        "eq 80"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 9, page 500",
                            "Extended IP lists use numbers 100 to 199: action, protocol, "
                            "source, destination, port.",
                            "HTTP is TCP port 80, and the source 192.168.5.0 0.0.0.255 comes "
                            "before the host.",
                            "List 10 is a standard list, and 255.255.255.0 is a subnet mask, "
                            "not a wildcard."},
        },

        // Record 191
        {
            .question = {"What is the number range for standard IP access lists?"},
            .choices = {"100-199", "1-99", "800-899", "900-999", "1000-1099"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 9, page 470",
                            "Standard IP lists are numbered 1 to 99 and filter on the source "
                            "address only. Extended IP lists use 100 to 199, standard IPX 800 "
                            "to 899, extended IPX 900 to 999 and IPX SAP filters 1000 to 1099."},
        },

        // Record 195
        {
            .question = {"What happens to a packet that matches none of the entries of an "
                         "access list applied to an interface?"},
            .choices = {"It is permitted",
                        "It is dropped by the implicit deny at the end of the list",
                        "It is returned to its source", "It is sent to the console for logging",
                        "It is checked against the next access list on the interface"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 9, page 506",
                            "Access lists are processed from the top down:",
                            "- each packet is compared with the lines in order;",
                            "- the first match permits or denies it, and checking stops;",
                            "- every list ends with an implicit deny any, so unmatched packets "
                            "are dropped."},
        },

        // Record 199
        {
            .question = {"Which of the following are true about applying IP access lists to "
                         "interfaces?"},
            .choices = {"Only one list per protocol, per direction, per interface is allowed",
                        "Standard lists should be placed as close to the source as possible",
                        "An outbound list filters packets arriving on the interface",
                        "ip access-group 10 in applies list 10 to inbound packets",
                        "Extended lists should be placed as close to the source as possible",
                        "The access-list command can insert a line in the middle of a numbered "
                        "list"},
            .correct = "ADE",
            .explanation = {"Study Guide, Chapter 9, page 470",
                            "One list per protocol, per direction, per interface.",
                            "ip access-group with a number and in or out applies a list; in "
                            "filters arriving packets.",
                            "Extended lists go near the source, standard lists near the "
                            "destination.",
                            "New access-list lines are always added at the end of a numbered "
                            "list."},
        },

        // Record 203
        {
            .question = {"Which command shows the router's access lists and how many packets "
                         "matched each entry?"},
            .choices = {"show ip interface", "show running-config", "show ip protocols",
                        "show access-lists", "show ip route"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 9, page 482",
                            "show access-lists displays every list with a match count for each "
                            "line. show ip interface only shows which lists are applied, and "
                            "show running-config shows the lines without counters."},
        },

        // WAN: PPP, HDLC, Frame Relay, ISDN

        // Record 207
        {
            .question = {"What is the default encapsulation on the router's synchronous serial "
                         "interfaces?"},
            .choices = {"PPP", "Frame Relay", "HDLC", "SDLC", "X.25"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 10, page 552",
                            "Serial interfaces use HDLC by default. The router's HDLC adds a "
                            "proprietary protocol field, so it works only between routers of "
                            "the same make; PPP is used to connect equipment of different "
                            "makes."},
        },

        // Record 211
        {
            .question = {"Which part of PPP establishes, configures and tests the data link "
                         "connection?"},
            .choices = {"NCP", "LCP", "HDLC", "CHAP", "IPCP"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 10, page 554",
                            "LCP builds and tests the link and negotiates options such as "
                            "authentication, compression and multilink. NCPs such as IPCP then "
                            "set up each network layer protocol, CHAP is an authentication "
                            "method and HDLC is the framing PPP is based on."},
        },

        // Record 215
        {
            .question = {"Which of the following are true about Frame Relay DLCIs?"},
            .choices = {"A DLCI is a globally unique network layer address",
                        "DLCIs are set with the ip address command on the serial interface",
                        "A DLCI identifies a virtual circuit on the local access link",
                        "A DLCI selects the LMI type used with the provider's switch",
                        "A DLCI normally has only local significance"},
            .correct = "CE",
            .explanation = {"Study Guide, Chapter 10, page 589",
                            "A DLCI is a layer 2 number that names a virtual circuit on the "
                            "local link; the provider assigns it, and each end of a circuit "
                            "may use a different DLCI.",
                            "The router maps DLCIs to next-hop addresses with Inverse ARP or "
                            "frame-relay map commands."},
        },

        // Record 219
        {
            .question = {"Which ISDN device converts the two-wire U interface from the provider "
                         "into the four-wire S/T interface?"},
            .choices = {"TE1", "TE2", "TA", "NT1", "NT2"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 10, page 585",
                            "The NT1 terminates the two-wire local loop at the U reference point "
                            "and provides the four-wire S/T interface.",
                            "A TE1 is an ISDN-ready device that connects at S/T; a TE2 is a "
                            "non-ISDN device that needs a terminal adapter (TA), joined at R.",
                            "An NT2 is customer switching equipment, such as a PBX, placed "
                            "between the S and T reference points."},
        },

        // Record 223
        {
            .question = {"Which interface command enables CHAP authentication on a PPP serial "
                         "link?"},
            .choices = {"authentication ppp chap", "ppp authentication chap", "encapsulation chap",
                        "chap enable", "ppp chap authenticate"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 10, page 575",
                            "ppp authentication chap is entered after encapsulation ppp, for "
                            "example:",
                            "hostname RouterA",
                            "username RouterB password Shared1",
                            "interface serial 0",
                            "encapsulation ppp",
                            "ppp authentication chap"},
        },
    };
    // clang-format on
    return entries;
}
