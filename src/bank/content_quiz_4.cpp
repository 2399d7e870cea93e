#include "bank/content.h"

std::span<const ContentEntry> quiz_4_content()
{
    // Laid out by hand: each choice and each line of text on a row of its own.
    // clang-format off
    static constexpr ContentEntry entries[] = {
        // Seven-layer model and internetworking basics

        // Record 4
        {
            .question = {"Which of the following are functions of the data link layer?"},
            .choices = {"Routing packets between logical networks",
                        "Framing data and adding a trailer with a frame check sequence",
                        "Physical (hardware) addressing with MAC addresses",
                        "Establishing and ending sessions between applications",
                        "Encoding bits as voltages or light pulses on the medium"},
            .correct = "BC",
            .explanation = {"Study Guide, Chapter 1, page 48",
                            "The data link layer builds frames, adds the FCS trailer and delivers "
                            "frames by MAC address.",
                            "Routing by logical address is the network layer's job, and sessions "
                            "belong to the session layer.",
                            "Signaling bits on the medium is done at the physical layer."},
        },

        // Record 8
        {
            .question = {"Which layer of the seven-layer model is responsible for data "
                         "translation, compression and encryption formats?"},
            .choices = {"Application", "Session", "Transport", "Network", "Presentation"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 1, page 24",
                            "The presentation layer handles data formats, translation, "
                            "compression and encryption so the application layer receives "
                            "data it can use."},
        },

        // Record 12
        {
            .question = {"What is the correct order of data encapsulation as data moves down "
                         "the layers of the sending host?"},
            .choices = {"Data, packets, segments, frames, bits",
                        "Data, segments, frames, packets, bits",
                        "Data, segments, packets, frames, bits",
                        "Bits, frames, packets, segments, data",
                        "Data, frames, segments, packets, bits",
                        "Segments, data, packets, bits, frames"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 1, page 17",
                            "The upper layers create data, the transport layer makes segments, "
                            "the network layer packets, the data link layer frames, and the "
                            "physical layer sends bits."},
        },

        // Record 16
        {
            .question = {"Which device breaks up broadcast domains by default?"},
            .choices = {"Router", "Switch", "Bridge", "Hub", "Repeater"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 1, page 11",
                            "A router does not forward broadcasts by default, so each router "
                            "interface is its own broadcast domain; switches and bridges only "
                            "break up collision domains."},
        },

        // Record 20
        {
            .question = {"A switch has 8 ports in use, each connected to a different hub with 5 "
                         "hosts, and all switch ports are in one VLAN. How many collision and "
                         "broadcast domains are there?"},
            .choices = {"1 collision domain and 1 broadcast domain",
                        "8 collision domains and 1 broadcast domain",
                        "8 collision domains and 8 broadcast domains",
                        "40 collision domains and 1 broadcast domain",
                        "1 collision domain and 8 broadcast domains",
                        "48 collision domains and 8 broadcast domains"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 1, page 38",
                            "Each switch port is a separate collision domain.",
                            "A hub shares one collision domain among all its hosts, so each hub "
                            "segment is one collision domain: 8 in all.",
                            "A switch floods broadcasts out all ports in the same VLAN,",
                            "so with one VLAN the whole network is 1 broadcast domain."},
        },

        // Record 24
        {
            .question = {"Which of the following is true of full-duplex Ethernet?"},
            .choices = {"It works on a hub as long as only two hosts are attached",
                        "It uses CSMA/CD to detect collisions on the link",
                        "It needs a point-to-point link, such as a host to a dedicated switch port",
                        "It sends and receives on the same wire pair, taking turns",
                        "It can be used only on coaxial cable",
                        "It gives each station 50 percent of the link bandwidth"},
            .correct = "C",
            .explanation = {"Full-duplex Ethernet sends on one pair and receives on another at "
                            "the same time.",
                            "It needs a point-to-point connection, such as host to switch port or "
                            "switch to switch; hubs are half-duplex only.",
                            "Because there are no collisions, collision detection is turned off.",
                            "Each direction gets the full bandwidth of the link."},
        },

        // TCP/IP protocol suite

        // Record 28
        {
            .question = {"Which transport protocol and port number does TFTP use?"},
            .choices = {"TCP port 21", "TCP port 23", "UDP port 161", "TCP port 25",
                        "UDP port 69"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 2, page 74",
                            "TFTP runs over UDP port 69; FTP uses TCP 21, Telnet TCP 23, SMTP "
                            "TCP 25 and SNMP UDP 161."},
        },

        // Record 32
        {
            .question = {"Which protocol does a host use to find the hardware address of a "
                         "local device when it knows only its IP address?"},
            .choices = {"RARP", "ICMP", "ARP", "DHCP", "BootP", "DNS"},
            .correct = "C",
            .explanation = {"ARP broadcasts a request for the IP address and the owner replies "
                            "with its MAC address.",
                            "RARP does the opposite, finding an IP address for a known MAC "
                            "address.",
                            "DNS resolves names to IP addresses, and ICMP carries error and "
                            "control messages."},
        },

        // Record 36
        {
            .question = {"Which of the following correctly describes the TCP three-way "
                         "handshake?"},
            .choices = {"The client sends SYN, the server replies with SYN/ACK, and the client "
                        "sends ACK",
                        "The client sends ACK, the server replies with SYN, and the client "
                        "sends SYN/ACK",
                        "The client sends SYN, the server replies with ACK, and the client "
                        "sends FIN",
                        "The server sends SYN, the client replies with ACK, and the server "
                        "sends FIN",
                        "The client sends SYN/ACK, the server replies with SYN, and the client "
                        "sends ACK"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 2, page 99",
                            "1. The client sends a segment with SYN set and its initial sequence "
                            "number.",
                            "2. The server acknowledges it and sends its own SYN in one SYN/ACK "
                            "segment.",
                            "3. The client acknowledges the server's SYN with ACK.",
                            "The connection is then established and data can flow."},
        },

        // Record 40
        {
            .question = {"Which of the following fields is found in a TCP header but not in a "
                         "UDP header?"},
            .choices = {"Sequence number", "Source port", "Destination port", "Checksum",
                        "Length", "Time to live"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 2, page 79",
                            "TCP uses sequence and acknowledgment numbers and a window for "
                            "reliable, ordered delivery; UDP has none of them.",
                            "Both carry source port, destination port and checksum; the Length "
                            "field is in UDP only, and TTL is in the IP header."},
        },

        // Record 44
        {
            .question = {"Which type of ICMP message does the ping command send?"},
            .choices = {"Destination unreachable", "Source quench", "Time exceeded",
                        "Echo request", "Redirect"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 2, page 55",
                            "Ping sends ICMP echo request messages and waits for echo replies, "
                            "testing reachability and round-trip time."},
        },

        // Record 48
        {
            .question = {"Which layer of the DoD model corresponds to the transport layer of "
                         "the seven-layer model?"},
            .choices = {"Host-to-Host", "Process/Application", "Internet", "Network Access",
                        "Session"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 2, page 105",
                            "The DoD model has four layers:",
                            "Process/Application maps to application, presentation and session.",
                            "Host-to-Host maps to transport; Internet maps to network.",
                            "Network Access maps to data link and physical."},
        },

        // IP addressing and subnetting

        // Record 52
        {
            .question = {"What is the broadcast address of the subnet that contains host "
                         "172.16.45.14/20?"},
            .choices = {"172.16.45.255", "172.16.32.255", "172.16.63.255", "172.16.47.254",
                        "172.16.47.255"},
            .correct = "E",
            .explanation = {"A /20 mask (255.255.240.0) gives blocks of 16 in the third octet; "
                            "45 is in 32-47, so the subnet is 172.16.32.0 and the broadcast is "
                            "172.16.47.255."},
        },

        // Record 56
        {
            .question = {"Which mask gives a Class B network at least 50 subnets while leaving "
                         "the most hosts per subnet?"},
            .choices = {"255.255.248.0", "255.255.255.0", "255.255.254.0", "255.255.252.0",
                        "255.255.240.0", "255.255.255.192"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 3, page 160",
                            "Five subnet bits give only 32 subnets; six give 64 (62 without the "
                            "zero and all-ones subnets) and leave 10 host bits for 1022 hosts "
                            "each: 255.255.252.0."},
        },

        // Record 60
        {
            .question = {"Which of the following is a valid host address in the subnet "
                         "192.168.10.64/27?"},
            .choices = {"192.168.10.64", "192.168.10.95", "192.168.10.96", "192.168.10.90",
                        "192.168.10.63"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 3, page 152",
                            "A /27 gives blocks of 32, so the subnet runs from 192.168.10.64 "
                            "(network) to .95 (broadcast); valid hosts are .65 to .94, and only "
                            ".90 is in that range."},
        },

        // Record 64
        {
            .question = {"How many usable host addresses does each subnet have when the mask "
                         "is 255.255.255.240?"},
            .choices = {"14", "16", "30", "6", "15"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 3, page 124",
                            "255.255.255.240 leaves 4 host bits: 2^4 = 16 addresses.",
                            "Subtract the network and broadcast addresses: 16 - 2 = 14 hosts."},
        },

        // Record 68
        {
            .question = {"A host is configured with the address 10.20.35.200 and the mask "
                         "255.255.248.0.",
                         "Which of the following are true?"},
            .choices = {"The host is on subnet 10.20.32.0",
                        "The broadcast address of its subnet is 10.20.35.255",
                        "10.20.40.1 is on the same subnet as the host",
                        "The subnet has 254 usable host addresses",
                        "The last usable host address of the subnet is 10.20.39.254"},
            .correct = "AE",
            .explanation = {"Study Guide, Chapter 3, page 146",
                            "255.255.248.0 is /21: block size 8 in the third octet.",
                            "35 falls in 32-39, so the subnet is 10.20.32.0.",
                            "Broadcast 10.20.39.255; valid hosts 10.20.32.1 to 10.20.39.254.",
                            "11 host bits give 2^11 - 2 = 2046 hosts; 10.20.40.1 is in the next "
                            "subnet."},
        },

        // Record 72
        {
            .question = {"A router interface is configured with 192.168.50.77 255.255.255.224.",
                         "What are the subnet address, broadcast address and valid host range "
                         "for this interface?"},
            .choices = {"Subnet 192.168.50.0, broadcast .31, hosts .1 to .30",
                        "Subnet 192.168.50.64, broadcast .127, hosts .65 to .126",
                        "Subnet 192.168.50.64, broadcast .95, hosts .65 to .94",
                        "Subnet 192.168.50.72, broadcast .79, hosts .73 to .78",
                        "Subnet 192.168.50.77, broadcast .95, hosts .78 to .94",
                        "Subnet 192.168.50.96, broadcast .127, hosts .97 to .126"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 3, page 163",
                            "255.255.255.224 is /27, leaving 5 host bits.",
                            "Block size: 256 - 224 = 32.",
                            "Subnets: .0, .32, .64, .96, .128 and so on.",
                            "77 lies between 64 and 95, so the subnet is 192.168.50.64.",
                            "Broadcast: next subnet (.96) minus 1 = 192.168.50.95.",
                            "Valid hosts: 192.168.50.65 to 192.168.50.94."},
        },

        // Record 76
        {
            .question = {"Which single route summarizes exactly the eight networks "
                         "172.16.8.0/24 through 172.16.15.0/24?"},
            .choices = {"172.16.0.0/20", "172.16.8.0/22", "172.16.8.0/24", "172.16.0.0/16",
                        "172.16.8.0/21"},
            .correct = "E",
            .explanation = {"Eight /24 networks take 3 bits of the third octet: 24 - 3 = /21 "
                            "(255.255.248.0).",
                            "8 is a multiple of 8, so the block 8-15 starts on a boundary: "
                            "172.16.8.0/21.",
                            "A /20 or /16 also covers other networks, and a /22 covers only 8 "
                            "to 11."},
        },

        // IPX protocols and addressing

        // Record 80
        {
            .question = {"How does IPX RIP choose the best route when it knows more than one path "
                         "to a network?"},
            .choices = {"By hop count only",
                        "By ticks first, with hop count as the tie-breaker",
                        "By bandwidth and delay",
                        "By a cost based on bandwidth",
                        "By hop count first, with ticks as the tie-breaker",
                        "By load and reliability"},
            .correct = "B",
            .explanation = {"IPX RIP prefers the route with the fewest ticks, a delay measured in "
                            "units of 1/18 second; if two routes have the same tick count, the one "
                            "with fewer hops wins.",
                            "Hop count alone is the IP RIP metric, bandwidth and delay are the "
                            "IGRP defaults, and a bandwidth-based cost is used by OSPF."},
        },

        // Record 84
        {
            .question = {"Which of the following commands are needed to enable basic IPX "
                         "routing on a router's interfaces?"},
            .choices = {"ipx router eigrp 10",
                        "ipx maximum-paths 2",
                        "ipx sap-interval 0",
                        "ipx routing (in global configuration mode)",
                        "ipx delay 1",
                        "ipx network 2a (in interface configuration mode)"},
            .correct = "DF",
            .explanation = {"Study Guide, Chapter 4, page 211",
                            "ipx routing in global configuration mode starts IPX, along with "
                            "IPX RIP and SAP.",
                            "ipx network in each interface assigns the network number and "
                            "activates IPX there.",
                            "Load balancing, EIGRP for IPX, delay and timer changes are "
                            "optional."},
        },

        // Record 88
        {
            .question = {"What is the purpose of SAP in an IPX network?"},
            .choices = {"It resolves IPX addresses to MAC addresses",
                        "It finds the best route using ticks and hops",
                        "It lets servers advertise their services and addresses",
                        "It assigns network numbers to clients when they boot",
                        "It carries file and print requests between client and server"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 4, page 208",
                            "Servers broadcast SAP advertisements of their services every 60 "
                            "seconds, and routers keep them in a SAP table.",
                            "IPX RIP chooses routes by ticks and hops, and NCP carries file and "
                            "print requests."},
        },

        // Record 92
        {
            .question = {"Which command shows the IPX servers the router has learned through "
                         "SAP?"},
            .choices = {"show ipx route", "show ipx servers", "show ipx interface",
                        "show ipx traffic", "show sap table"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 4, page 203",
                            "show ipx servers lists the services in the SAP table with type, "
                            "name, address and hops.",
                            "show ipx route displays the IPX routing table, show ipx interface "
                            "the interface settings,",
                            "and show ipx traffic counts packets sent and received."},
        },

        // Router command line: modes, show commands, configuration, startup

        // Record 96
        {
            .question = {"Which command saves the running configuration so it is used at the "
                         "next reload?"},
            .choices = {"copy startup-config running-config", "write erase",
                        "copy running-config startup-config", "show startup-config",
                        "copy running-config tftp"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 5, page 231",
                            "copy running-config startup-config copies the configuration in RAM "
                            "to NVRAM, which is read at boot.",
                            "copy startup-config running-config merges NVRAM into RAM; write "
                            "erase deletes the startup configuration.",
                            "Copying to TFTP makes a backup on a server but does not change "
                            "what loads at boot."},
        },

        // Record 100
        {
            .question = {"Which configuration register value makes the router ignore the "
                         "contents of NVRAM at bootup?"},
            .choices = {"0x2102", "0x2100", "0x2142", "0x2101", "0x2002", "0x2120"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 5, page 235",
                            "Bit 6 (0x0040) tells the router to ignore NVRAM; 0x2142 sets it and "
                            "is used for password recovery.",
                            "0x2102 is the normal default, 0x2100 boots to ROM monitor and "
                            "0x2101 boots the image in ROM."},
        },

        // Record 104
        {
            .question = {"Which command shows the router's software version, uptime, memory "
                         "and configuration register setting?"},
            .choices = {"show version", "show running-config", "show flash",
                        "show interfaces", "show startup-config"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 5, page 285",
                            "show version displays the software version, uptime, image file, "
                            "RAM and NVRAM size and the configuration register.",
                            "show flash lists the files in flash memory and the free space,",
                            "and show running-config shows the active configuration."},
        },

        // Record 108
        {
            .question = {"Which of the following are true about the router's normal startup "
                         "sequence?"},
            .choices = {"The POST tests the hardware",
                        "The startup configuration is loaded from flash before the software "
                        "image",
                        "The bootstrap program in ROM locates and loads the operating system "
                        "image",
                        "By default the operating system image is loaded from flash memory",
                        "If no startup configuration is found in NVRAM, setup mode starts"},
            .correct = "ACDE",
            .explanation = {"Study Guide, Chapter 5, page 237",
                            "1. POST in ROM checks the hardware.",
                            "2. The bootstrap in ROM loads the operating system.",
                            "3. By default the image comes from flash;",
                            "boot system commands can point elsewhere (TFTP).",
                            "4. The NVRAM configuration is loaded into RAM.",
                            "5. With no startup configuration, setup starts.",
                            "The configuration comes from NVRAM, after the image."},
        },

        // Record 112
        {
            .question = {"Which of the following commands set a password that protects "
                         "privileged EXEC mode?"},
            .choices = {"password mypass (in line console 0 mode)",
                        "password mypass (in line vty 0 4 mode)",
                        "service password-encryption",
                        "enable secret mypass",
                        "login",
                        "enable password mypass"},
            .correct = "DF",
            .explanation = {"enable secret and enable password both protect privileged mode; if "
                            "both are set, the encrypted enable secret is used.",
                            "password under line console 0 protects console access,",
                            "and under line vty 0 4 protects Telnet access (with login).",
                            "service password-encryption only encrypts passwords in the "
                            "configuration."},
        },

        // Record 116
        {
            .question = {"Which command displays a one-line summary of each interface's IP "
                         "address and status?"},
            .choices = {"show interfaces", "show ip route", "show ip interface brief",
                        "show controllers serial 0", "show hosts"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 5, page 243",
                            "show ip interface brief lists each interface, its IP address, "
                            "status and protocol on one line.",
                            "show interfaces gives detailed statistics for each interface,",
                            "show controllers shows the physical interface and cable (DTE/DCE),",
                            "and show ip route displays the routing table."},
        },

        // Record 120
        {
            .question = {"A serial interface shows \"Serial0 is up, line protocol is down\". "
                         "Which of the following could cause this?"},
            .choices = {"The interface was shut down with the shutdown command",
                        "No cable is connected to the interface",
                        "The interface has no IP address",
                        "The encapsulation does not match the router at the other end",
                        "The router's NVRAM is empty",
                        "The interface has the wrong subnet mask"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 5, page 279",
                            "Up/down means the physical layer works but the data link layer "
                            "does not: look for an encapsulation mismatch, missing clocking or "
                            "keepalive problems.",
                            "A shut interface shows administratively down; no cable shows "
                            "down/down.",
                            "IP address and mask problems do not change the line protocol."},
        },

        // Routing protocols: static, RIP, IGRP

        // Record 124
        {
            .question = {"Which of the following is a characteristic of a classic "
                         "distance-vector routing protocol such as RIP?"},
            .choices = {"Each router floods link-state advertisements to all routers in the "
                        "area",
                        "Each router builds a complete map of the network topology",
                        "Updates are sent only on change, with hello packets to find "
                        "neighbors",
                        "Each router periodically sends its entire routing table to its "
                        "neighbors",
                        "Routes are chosen with the shortest path first (SPF) algorithm"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 6, page 296",
                            "Distance-vector protocols such as RIP and IGRP send the whole table",
                            "to directly connected neighbors (every 30 s for RIP, 90 s for IGRP).",
                            "Each router knows only distance and direction to each network.",
                            "Flooding LSAs, a topology map and SPF are link-state features,",
                            "and hellos with change-only updates belong to link-state and "
                            "hybrid protocols."},
        },

        // Record 128
        {
            .question = {"What is the largest hop count a RIP route can have and still be "
                         "considered reachable?"},
            .choices = {"255", "100", "16", "15", "30"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 6, page 337",
                            "RIP allows a maximum of 15 hops.",
                            "A metric of 16 means infinity (unreachable), which limits RIP to "
                            "small networks.",
                            "IGRP allows 100 hops by default and up to 255."},
        },

        // Record 132
        {
            .question = {"Which command creates a static route to network 172.20.16.0/20 "
                         "through the next-hop router 10.1.1.2?"},
            .choices = {"ip route 172.20.16.0 0.0.15.255 10.1.1.2",
                        "ip route 10.1.1.2 255.255.240.0 172.20.16.0",
                        "route ip 172.20.16.0 255.255.240.0 10.1.1.2",
                        "ip route 172.20.16.0 255.255.240.0 10.1.1.2",
                        "ip route 172.20.16.0 255.255.255.0 10.1.1.2"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 6, page 330",
                            "In global configuration mode: ip route network mask next-hop "
                            "(or exit interface).",
                            "A /20 mask is 255.255.240.0; a wildcard mask is not used here.",
                            "A 255.255.255.0 mask would match only 172.20.16.0/24, not the "
                            "whole /20."},
        },

        // Record 136
        {
            .question = {"Which values does IGRP use by default to calculate its metric?"},
            .choices = {"Hop count only", "Bandwidth and delay",
                        "Bandwidth, delay, load and reliability", "Cost based on bandwidth",
                        "Ticks and hops"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 6, page 324",
                            "IGRP can weigh bandwidth, delay, load and reliability, but by "
                            "default only bandwidth and delay are used.",
                            "RIP uses hop count, OSPF a cost based on bandwidth, and IPX RIP "
                            "ticks and hops."},
        },

        // Record 140
        {
            .question = {"Which feature stops a router from advertising a route back out the "
                         "interface it learned the route on?"},
            .choices = {"Route poisoning", "Hold-down timers", "Triggered updates",
                        "Split horizon", "Maximum hop count"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 6, page 312",
                            "Split horizon stops a router from sending routing information back "
                            "in the direction it came from, which helps prevent routing loops.",
                            "Route poisoning advertises a failed route as unreachable, and "
                            "hold-downs ignore worse updates for a time."},
        },

        // Routing protocols: EIGRP and OSPF

        // Record 144
        {
            .question = {"What is the default administrative distance of internal EIGRP "
                         "routes?"},
            .choices = {"100", "110", "120", "90", "170"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 7, page 369",
                            "Internal EIGRP routes have AD 90 and external EIGRP 170; IGRP is "
                            "100, OSPF 110 and RIP 120."},
        },

        // Record 148
        {
            .question = {"Which type of OSPF router connects one or more areas to the backbone "
                         "area?"},
            .choices = {"DR", "BDR", "ASBR", "ABR", "Internal router", "Stub router"},
            .correct = "D",
            .explanation = {"An area border router (ABR) has interfaces in area 0 and at least "
                            "one other area and keeps a link-state database for each.",
                            "An ASBR connects to another routing domain; the DR and BDR are "
                            "elected on multi-access networks."},
        },

        // Record 152
        {
            .question = {"Which command, under router ospf 1, enables OSPF on all interfaces "
                         "in 10.1.0.0/16 and puts them in area 0?"},
            .choices = {"network 10.1.0.0 0.0.255.255 area 0",
                        "ip ospf network 10.1.0.0 area 0",
                        "network 10.1.0.0 area 0",
                        "network 10.1.0.0 0.0.255.255",
                        "ospf network 10.1.0.0 0.0.255.255 area 0",
                        "network 10.1.0.0 0.0.0.255 area 0"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 7, page 390",
                            "The OSPF network command takes an address, a wildcard mask and an "
                            "area: network 10.1.0.0 0.0.255.255 area 0.",
                            "Wildcard 0.0.0.255 would match only 10.1.0.0/24, and the area is "
                            "required."},
        },

        // Record 156
        {
            .question = {"Which algorithm does EIGRP use to choose loop-free routes and keep "
                         "backup routes?"},
            .choices = {"Shortest path first (SPF)", "Classic distance-vector algorithm of RIP",
                        "Spanning Tree Algorithm", "DUAL",
                        "Split horizon with poison reverse", "Round-robin load balancing"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 7, page 349",
                            "EIGRP uses the Diffusing Update Algorithm (DUAL) to pick a "
                            "successor and keep feasible successors as loop-free backup routes."},
        },

        // Record 160
        {
            .question = {"How does OSPF choose its router ID when no loopback interface is "
                         "configured?"},
            .choices = {"The highest IP address of an active interface",
                        "The lowest IP address of an active interface",
                        "The highest MAC address of any interface",
                        "The IP address of the first interface configured",
                        "A random number chosen at startup"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 7, page 388",
                            "Unless set by configuration, OSPF uses the highest IP address on "
                            "an active interface.",
                            "A loopback address is preferred when one exists, because a "
                            "loopback interface never goes down."},
        },

        // Switching: bridging, switching methods, spanning tree, VLANs, trunking

        // Record 164
        {
            .question = {"Which switching method reads only the destination address before it "
                         "starts forwarding the frame?"},
            .choices = {"Store-and-forward", "Cut-through", "Fragment-free",
                        "Process switching", "Transparent bridging", "Source-route bridging"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 8, page 407",
                            "Cut-through reads the destination MAC address and starts "
                            "forwarding at once; fragment-free waits for the first 64 bytes and "
                            "store-and-forward for the whole frame."},
        },

        // Record 168
        {
            .question = {"Five switches all use the default bridge priority of 32768. Which "
                         "one is elected the root bridge?"},
            .choices = {"SW1 with MAC address 00-E0-1E-44-10-01",
                        "SW2 with MAC address 00-10-7B-3A-52-C8",
                        "SW3 with MAC address 00-60-47-01-02-03",
                        "SW4 with MAC address 00-D0-BA-00-00-01",
                        "SW5 with MAC address 00-90-27-FF-00-0A"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 8, page 433",
                            "The root bridge is the switch with the lowest bridge ID.",
                            "Bridge ID = 2-byte priority + 6-byte MAC address.",
                            "All priorities are equal (32768), so the lowest MAC wins.",
                            "Byte by byte: all start 00, then 10 < 60 < 90 < D0 < E0.",
                            "SW2 (00-10-7B-3A-52-C8) has the lowest MAC and becomes root.",
                            "Lowering one switch's priority would make it root instead."},
        },

        // Record 172
        {
            .question = {"In which spanning tree port state does a port build its MAC address "
                         "table but not yet forward data frames?"},
            .choices = {"Blocking", "Listening", "Forwarding", "Disabled", "Learning",
                        "Flooding"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 8, page 455",
                            "Blocking: forwards nothing, only receives BPDUs.",
                            "Listening: sends and receives BPDUs, learns no addresses.",
                            "Learning: builds the MAC table but forwards no data frames.",
                            "Forwarding: sends and receives data; disabled ports take no part."},
        },

        // Record 176
        {
            .question = {"Which of the following are true about VLANs?"},
            .choices = {"A VLAN makes a broadcast domain larger",
                        "Each VLAN is a separate broadcast domain",
                        "Hosts in different VLANs can communicate without a router",
                        "VLANs can group users by function regardless of physical location",
                        "An access port can belong to several VLANs at once"},
            .correct = "BD",
            .explanation = {"Study Guide, Chapter 8, page 413",
                            "Each VLAN is its own broadcast domain,",
                            "so VLANs make broadcast domains smaller.",
                            "Users can be grouped by department or function, not by location.",
                            "Traffic between VLANs needs a layer 3 device such as a router.",
                            "An access port belongs to one VLAN; trunk links carry several."},
        },

        // Record 180
        {
            .question = {"Which of the following are frame tagging methods used on trunk "
                         "links between switches?"},
            .choices = {"VTP", "IEEE 802.1Q", "IEEE 802.1D", "ISL", "IEEE 802.2 LLC"},
            .correct = "BD",
            .explanation = {"Study Guide, Chapter 8, page 452",
                            "ISL encapsulates each frame in a 26-byte header and 4-byte CRC; "
                            "IEEE 802.1Q inserts a 4-byte tag into the frame.",
                            "VTP shares VLAN information, 802.1D is spanning tree and 802.2 is "
                            "LLC."},
        },

        // Access lists: standard, extended, IPX, wildcard masks

        // Record 184
        {
            .question = {"Which wildcard mask matches all addresses in the subnet "
                         "172.16.32.0/19?"},
            .choices = {"0.0.31.255", "0.0.32.255", "255.255.224.0", "0.0.63.255",
                        "0.0.15.255"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 9, page 470",
                            "Wildcard mask = 255.255.255.255 minus the subnet mask.",
                            "/19 mask: 255.255.224.0.",
                            "First octet: 255 - 255 = 0",
                            "Second octet: 255 - 255 = 0",
                            "Third octet: 255 - 224 = 31",
                            "Fourth octet: 255 - 0 = 255",
                            "Wildcard 0.0.31.255 matches 172.16.32.0 to 172.16.63.255."},
        },

        // Record 188
        {
            .question = {"Access list 10 contains only this line:",
                         "access-list 10 deny 192.168.5.0 0.0.0.255",
                         "What happens when the list is applied inbound on an interface?"},
            .choices = {"Hosts in 192.168.5.0/24 are denied and all other hosts are permitted",
                        "All IP traffic is denied because of the implicit deny at the end of "
                        "the list",
                        "Only hosts in 192.168.5.0/24 are permitted",
                        "Only the address 192.168.5.0 itself is denied",
                        "The list is rejected because standard lists cannot deny a subnet"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 9, page 504",
                            "Every access list ends with an implicit deny any, so a list with no "
                            "permit denies all traffic; add access-list 10 permit any after the "
                            "deny to let other hosts through."},
        },

        // Record 192
        {
            .question = {"Which line denies HTTP traffic from subnet 192.168.10.0/24 to the "
                         "web server 172.16.1.10?"},
            .choices = {"access-list 110 deny tcp host 172.16.1.10 192.168.10.0 0.0.0.255 eq 80",
                        "access-list 10 deny tcp 192.168.10.0 0.0.0.255 host 172.16.1.10 eq 80",
                        "access-list 110 deny udp 192.168.10.0 0.0.0.255 host 172.16.1.10 eq 80",
                        "access-list 110 deny tcp 192.168.10.0 0.0.0.255 host 172.16.1.10 eq 80",
                        "access-list 110 deny tcp 192.168.10.0 255.255.255.0 host 172.16.1.10 "
                        "eq 80",
                        "access-list 110 deny ip 192.168.10.0 0.0.0.255 host 172.16.1.10 eq 80"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 9, page 470",
                            "Extended lists (100-199) give protocol, source and wildcard, "
                            "destination, then port: tcp ... eq 80 for HTTP.",
                            "Source comes before destination, HTTP runs over TCP, a wildcard is "
                            "not a subnet mask, and lists 1-99 cannot filter by port."},
        },

        // Record 196
        {
            .question = {"Which command applies access list 101 to packets coming into "
                         "interface Ethernet0?"},
            .choices = {"ip access-group 101 in", "access-class 101 in",
                        "ip access-list 101 in", "ip access-group 101 out",
                        "access-list 101 in"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 9, page 487",
                            "In interface configuration mode, ip access-group number in or out "
                            "applies an IP access list to the interface.",
                            "access-class applies a list to vty lines, and out filters packets "
                            "leaving the interface."},
        },

        // Record 200
        {
            .question = {"Which range of numbers identifies IPX standard access lists?"},
            .choices = {"800-899", "900-999", "1000-1099", "100-199", "1-99"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 9, page 483",
                            "IPX standard lists use 800-899, IPX extended 900-999 and SAP "
                            "filters 1000-1099; IP uses 1-99 (standard) and 100-199 (extended)."},
        },

        // Record 204
        {
            .question = {"Which command displays every access list on the router together "
                         "with the number of packets matched by each line?"},
            .choices = {"show ip interface", "show running-config", "show access-lists",
                        "show ip access-group", "show access-list interface", "show ip route"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 9, page 515",
                            "show access-lists displays every access list with its lines and "
                            "the match count of each line.",
                            "show ip interface shows which lists are applied to an interface,",
                            "and show running-config shows the lists but no match counts."},
        },

        // WAN: PPP, HDLC, Frame Relay, ISDN

        // Record 208
        {
            .question = {"Which PPP component establishes, configures and tests the data link "
                         "connection?"},
            .choices = {"NCP", "LCP", "CHAP", "HDLC", "IPCP", "LAPD"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 10, page 536",
                            "The Link Control Protocol sets up, configures and tests the PPP "
                            "link and negotiates options such as authentication; NCPs such as "
                            "IPCP then configure each network layer protocol."},
        },

        // Record 212
        {
            .question = {"What does a DLCI identify in a Frame Relay network?"},
            .choices = {"A virtual circuit on the local access link, usually only locally "
                        "significant",
                        "The IP address of the remote router",
                        "The LMI signaling type used between the router and the switch",
                        "The committed information rate of the link",
                        "A globally unique hardware address of the router's serial port",
                        "The encapsulation type, either IETF or the default"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 10, page 552",
                            "A Data Link Connection Identifier names a virtual circuit on the "
                            "local link; Inverse ARP or a frame-relay map statement maps it to "
                            "the remote IP address."},
        },

        // Record 216
        {
            .question = {"Which channels make up an ISDN Basic Rate Interface (BRI)?"},
            .choices = {"23 B channels and 1 D channel of 64 kbps",
                        "30 B channels and 1 D channel of 64 kbps",
                        "1 B channel of 64 kbps and 2 D channels of 16 kbps",
                        "2 B channels of 56 kbps and 1 D channel of 64 kbps",
                        "2 B channels of 64 kbps and 1 D channel of 16 kbps"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 10, page 544",
                            "BRI: 2 B channels x 64 kbps = 128 kbps for data.",
                            "D channel: 16 kbps for signaling.",
                            "Total: 144 kbps (192 kbps on the line with framing).",
                            "PRI in North America: 23 B + 1 D (64 kbps), 1.544 Mbps.",
                            "PRI in Europe: 30 B + 1 D, 2.048 Mbps."},
        },

        // Record 220
        {
            .question = {"Which of the following are true about PPP?"},
            .choices = {"It can carry several network layer protocols over one link",
                        "It can be used only on synchronous serial links",
                        "It supports PAP and CHAP authentication",
                        "It is an open standard that works between routers of different makers",
                        "It uses a proprietary frame format, so both ends need the same software",
                        "It can run over ISDN B channels and asynchronous dial-up links"},
            .correct = "ACDF",
            .explanation = {"Study Guide, Chapter 10, page 547",
                            "PPP is a standard encapsulation for synchronous and asynchronous "
                            "links, including ISDN and dial-up; LCP negotiates PAP or CHAP "
                            "authentication, and NCPs let one link carry IP, IPX and other "
                            "protocols."},
        },

        // Record 224
        {
            .question = {"On a back-to-back serial link between two routers, which interface "
                         "command on the DCE end supplies clocking at 64 kbps?"},
            .choices = {"bandwidth 64", "speed 64000", "dce rate 64000", "clock rate 64000",
                        "line speed 64000"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 10, page 542",
                            "The router with the DCE end of the cable must supply the clock; "
                            "clock rate 64000 sets it in bits per second.",
                            "bandwidth 64 only changes the value, in kbps, that routing protocols "
                            "use in their metrics; it does not set the line speed.",
                            "show controllers serial 0 shows whether a DTE or DCE cable is "
                            "attached and the clock rate set."},
        },
    };
    // clang-format on
    return entries;
}
