#include "bank/content.h"

std::span<const ContentEntry> quiz_2_content()
{
    // Laid out by hand: each choice and each line of text on a row of its own.
    // clang-format off
    static constexpr ContentEntry entries[] = {
        // Seven-layer model and internetworking basics

        // Record 2
        {
            .question = {"Which of the following protocols operate at the transport layer of the "
                         "seven-layer model?"},
            .choices = {"IPX", "ICMP", "TCP", "SMTP", "ARP"},
            .correct = "C",
            .explanation = {"TCP provides reliable, connection-oriented delivery at the transport "
                            "layer (layer 4).",
                            "IPX, ICMP and ARP work at the network layer, and SMTP is an "
                            "application-layer protocol."},
        },

        // Record 6
        {
            .question = {"Which layer of the seven-layer model is responsible for data "
                         "translation, compression and encryption?"},
            .choices = {"Presentation", "Session", "Application", "Transport", "Network",
                        "Data link"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 1, page 32",
                            "The presentation layer presents data in a format the application "
                            "layer can use, handling code and format translation, "
                            "compression and encryption."},
        },

        // Record 10
        {
            .question = {"Which of the following are advantages of using a layered reference "
                         "model for networking?"},
            .choices = {"It divides network communication into smaller, simpler parts",
                        "It allows equipment from different manufacturers to interoperate",
                        "A change in one layer does not require changes in the other layers",
                        "It makes networking easier to teach and to learn",
                        "It guarantees that every frame is delivered without errors"},
            .correct = "ABCD",
            .explanation = {"Study Guide, Chapter 1, page 27",
                            "A layered model reduces complexity, standardizes interfaces, allows "
                            "interoperability and modular change, and eases learning; it does not "
                            "itself guarantee error-free delivery."},
        },

        // Record 14
        {
            .question = {"What is the protocol data unit at the data link layer called?"},
            .choices = {"Bits", "Packets", "Frames", "Segments", "Datagrams", "Messages"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 1, page 42",
                            "The data link layer places each packet in a frame, adding a header "
                            "with hardware (MAC) addresses and a trailer with a frame check "
                            "sequence.",
                            "The transport layer uses segments, the network layer packets and the "
                            "physical layer bits."},
        },

        // Record 18
        {
            .question = {"Which of the following shows the correct order of data encapsulation "
                         "as a host sends data?"},
            .choices = {"Data, packet, segment, frame, bits",
                        "Data, segment, frame, packet, bits",
                        "Bits, frame, packet, segment, data",
                        "Data, frame, packet, segment, bits",
                        "Data, segment, packet, frame, bits",
                        "Segment, data, packet, frame, bits"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 1, page 38",
                            "The transport layer breaks the data into segments, the network layer "
                            "puts each segment in a packet, the data link layer puts each packet "
                            "in a frame and the physical layer sends the frame as bits.",
                            "",
                            "The receiving host reverses the process as the data moves up the "
                            "stack.",
                            "The order bits, frame, packet, segment, data is the receiving "
                            "order."},
        },

        // Record 22
        {
            .question = {"Which of the following devices breaks up broadcast domains by default?"},
            .choices = {"Hub", "Router", "Bridge", "Switch", "Repeater"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 1, page 40",
                            "A router does not forward broadcasts, so each of its interfaces is a "
                            "separate broadcast domain (and collision domain).",
                            "Switches and bridges break up collision domains but forward "
                            "broadcasts; hubs and repeaters break up neither."},
        },

        // TCP/IP protocol suite

        // Record 26
        {
            .question = {"Which protocol does a host use to find the hardware address of a local "
                         "device when it knows the device's IP address?"},
            .choices = {"RARP", "ICMP", "DNS", "ARP", "BootP"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 2, page 105",
                            "ARP broadcasts a request carrying the known IP address, and the owner "
                            "of that address replies with its MAC address.",
                            "RARP and BootP give a host its own IP address, DNS resolves names and "
                            "ICMP carries error and control messages."},
        },

        // Record 30
        {
            .question = {"Which protocol does the ping command use to test reachability?"},
            .choices = {"UDP", "ARP", "ICMP", "TCP", "IGMP", "RARP"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 2, page 105",
                            "Ping sends ICMP echo request messages and waits for ICMP echo "
                            "replies; ICMP is carried directly in IP, not in TCP or UDP."},
        },

        // Record 34
        {
            .question = {"Which of the following applications uses UDP rather than TCP as its "
                         "transport?"},
            .choices = {"Telnet", "FTP", "SMTP", "TFTP", "HTTP"},
            .correct = "D",
            .explanation = {"TFTP uses UDP port 69 and does its own simple acknowledgments, which "
                            "keeps the protocol small.",
                            "Telnet (23), FTP (20 and 21), SMTP (25) and HTTP (80) all use TCP."},
        },

        // Record 38
        {
            .question = {"Which layer of the DoD (TCP/IP) model corresponds to the transport "
                         "layer of the seven-layer model?"},
            .choices = {"Process/Application", "Internet", "Network Access", "Session",
                        "Host-to-Host", "Data Link"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 2, page 69",
                            "The DoD model has four layers: Process/Application, Host-to-Host, "
                            "Internet and Network Access.",
                            "Host-to-Host matches the transport layer, where TCP and UDP run; "
                            "Internet matches the network layer."},
        },

        // Record 42
        {
            .question = {"Which field in the TCP header lets the receiver control how much data "
                         "the sender may transmit before waiting for an acknowledgment?"},
            .choices = {"Sequence number", "Checksum", "Window", "Urgent pointer",
                        "Header length"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 2, page 75",
                            "The window size tells the sender how many bytes it may send without "
                            "an acknowledgment; this is how TCP performs flow control.",
                            "Sequence and acknowledgment numbers order and confirm the data, and "
                            "the checksum detects errors."},
        },

        // Record 46
        {
            .question = {"What is the correct order of the segments exchanged in the TCP "
                         "three-way handshake?"},
            .choices = {"SYN, ACK, SYN", "ACK, SYN, SYN/ACK", "SYN, SYN/ACK, ACK",
                        "SYN/ACK, SYN, ACK", "SYN, ACK, FIN"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 2, page 55",
                            "1. The client sends a SYN with its initial sequence number.",
                            "2. The server replies with a SYN/ACK, acknowledging the client and "
                            "sending its own sequence number.",
                            "3. The client sends an ACK, and the connection is established."},
        },

        // IP addressing and subnetting

        // Record 50
        {
            .question = {"Which of the following is a valid host address on a subnet that uses "
                         "the mask 255.255.255.224?"},
            .choices = {"192.168.10.77", "192.168.10.95", "192.168.10.128", "192.168.10.159",
                        "192.168.10.224"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 3, page 144",
                            "255.255.255.224 gives a block size of 256 - 224 = 32.",
                            "Subnets start at 0, 32, 64, 96, 128, 160, 192 and 224.",
                            "192.168.10.77 is in subnet .64 (hosts .65 to .94), so it is valid.",
                            ".95 and .159 are the broadcast addresses of subnets .64 and .128.",
                            ".128 and .224 are subnet addresses, not host addresses."},
        },

        // Record 54
        {
            .question = {"Which range of values in the first octet identifies a Class C "
                         "address?"},
            .choices = {"1 to 126", "128 to 191", "224 to 239", "240 to 255", "192 to 223",
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
            .explanation = {"Study Guide, Chapter 3, page 121",
                            "The bits that are set in 11010110 have the place values 128, 64, 16, "
                            "4 and 2.",
                            "128 + 64 + 16 + 4 + 2 = 214."},
        },

        // Record 62
        {
            .question = {"Which of the following are valid host addresses on the subnet "
                         "172.16.32.0/20?"},
            .choices = {"172.16.32.1", "172.16.35.0", "172.16.40.255", "172.16.47.254",
                        "172.16.44.128", "172.16.48.1"},
            .correct = "ABCDE",
            .explanation = {"Study Guide, Chapter 3, page 171",
                            "A /20 mask (255.255.240.0) gives a block of 16 in the third octet, so "
                            "subnet 172.16.32.0 runs to the broadcast address 172.16.47.255.",
                            "Every address from 172.16.32.1 to 172.16.47.254 is a valid host, even "
                            "172.16.35.0 and 172.16.40.255; 172.16.48.1 is in the next subnet."},
        },

        // Record 66
        {
            .question = {"Which of the following masks could be used on a Class B network to "
                         "give subnets of at least 1,000 hosts each?"},
            .choices = {"255.255.255.0", "255.255.254.0", "255.255.252.0", "255.255.248.0",
                        "255.255.240.0", "255.255.255.128"},
            .correct = "CDE",
            .explanation = {"At least 10 host bits are needed: 2^10 - 2 = 1022, but "
                            "2^9 - 2 = 510.",
                            "255.255.252.0, 255.255.248.0 and 255.255.240.0 leave 10, 11 and 12 "
                            "host bits; 255.255.254.0, 255.255.255.0 and 255.255.255.128 leave "
                            "only 9, 8 and 7."},
        },

        // Record 70
        {
            .question = {"What is the broadcast address of the subnet that contains the host "
                         "10.14.77.200/21?"},
            .choices = {"10.14.77.255", "10.14.72.255", "10.14.80.255", "10.14.79.255",
                        "10.14.255.255", "10.14.79.254"},
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
            .question = {"Which of the following addresses can be assigned to a host on the same "
                         "subnet as 192.168.5.100/26?"},
            .choices = {"192.168.5.65", "192.168.5.130", "192.168.5.63", "192.168.6.100",
                        "192.168.5.126"},
            .correct = "AE",
            .explanation = {"A /26 mask is 255.255.255.192, a block size of 64.",
                            "Subnets: .0, .64, .128 and .192.",
                            "192.168.5.100 lies in subnet 192.168.5.64.",
                            "Valid hosts: .65 to .126; broadcast: .127.",
                            "192.168.5.63 is the broadcast address of subnet .0.",
                            "192.168.5.130 belongs to subnet .128.",
                            "192.168.6.100 is on a different network."},
        },

        // IPX protocols and addressing

        // Record 78
        {
            .question = {"How often does IPX RIP broadcast its routing table by default?"},
            .choices = {"Every 30 seconds", "Every 60 seconds", "Every 90 seconds",
                        "Every 10 seconds", "Every 120 seconds"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 4, page 200",
                            "IPX RIP sends its routing table every 60 seconds, the same interval "
                            "SAP uses for service advertisements; IP RIP uses 30 seconds."},
        },

        // Record 82
        {
            .question = {"Which global configuration command enables IPX routing on the router?"},
            .choices = {"router ipx", "ipx network 10", "enable ipx", "ipx routing",
                        "ipx enable"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 4, page 209",
                            "ipx routing starts IPX routing, with IPX RIP and SAP; each interface "
                            "then needs an ipx network command to take part."},
        },

        // Record 86
        {
            .question = {"An IPX client on network 4a1 has the MAC address 0080.1c4f.23a7. What "
                         "is its IPX address?"},
            .choices = {"0080.1c4f.23a7.4a1", "4a1.0000.0000.0001", "4a1.1c4f.23a7",
                        "0080.1c4f.23a7", "4a1.0080.1c4f.23a7", "04a1.0080.1c4f"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 4, page 198",
                            "An IPX address is written as network.node in hexadecimal.",
                            "The network number, up to 8 hex digits (32 bits), is set by the "
                            "administrator and comes first: 4a1.",
                            "A client uses its 48-bit MAC address as the node number, so its "
                            "address is 4a1.0080.1c4f.23a7 and no ARP is needed."},
        },

        // Record 90
        {
            .question = {"What does an IPX client broadcast when it starts up to locate a "
                         "server?"},
            .choices = {"A SAP periodic update", "A GNS request", "A RIP request",
                        "An ARP request", "A NetBIOS name query"},
            .correct = "B",
            .explanation = {"The client broadcasts a Get Nearest Server (GNS) request.",
                            "A server on the segment answers; if there is none, the router "
                            "answers from its SAP table.",
                            "SAP updates are sent by servers and routers, not by clients.",
                            "Only after finding a server does the client use a RIP request to find "
                            "a route to it."},
        },

        // Router command line: modes, show commands, configuration, startup

        // Record 94
        {
            .question = {"Which command on the router's command line enters global "
                         "configuration mode from privileged mode?"},
            .choices = {"configure terminal", "enable", "setup", "interface ethernet 0",
                        "config-register 0x2102"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 5, page 249",
                            "configure terminal changes the prompt from Router# to "
                            "Router(config)#; enable only moves from user mode to privileged "
                            "mode."},
        },

        // Record 98
        {
            .question = {"Which command shows the router's software version, uptime and "
                         "configuration register value?"},
            .choices = {"show running-config", "show version", "show flash",
                        "show startup-config", "show processes"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 5, page 223",
                            "show version lists the software version, uptime, the image the router "
                            "booted, its memory and interfaces, and the configuration register."},
        },

        // Record 102
        {
            .question = {"Which command saves the current configuration so that the router uses "
                         "it after a reload?"},
            .choices = {"copy startup-config running-config", "write terminal",
                        "copy running-config tftp", "copy running-config startup-config",
                        "erase startup-config"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 5, page 257",
                            "copy running-config startup-config copies the configuration in RAM "
                            "to NVRAM, which the router loads when it boots."},
        },

        // Record 106
        {
            .question = {"Which key sequence on the router's command line moves the cursor to the "
                         "beginning of the line?"},
            .choices = {"Ctrl+E", "Ctrl+Z", "Ctrl+B", "Ctrl+A", "Ctrl+W"},
            .correct = "D",
            .explanation = {"Ctrl+A moves to the start of the line; Ctrl+E goes to the end, Ctrl+B "
                            "back one character, Ctrl+W erases a word and Ctrl+Z leaves "
                            "configuration mode."},
        },

        // Record 110
        {
            .question = {"Which global configuration command sets a privileged-mode password that "
                         "is stored as a one-way hash and overrides the enable password?"},
            .choices = {"enable password", "password", "enable secret",
                        "service password-encryption", "login", "line vty 0 4"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 5, page 252",
                            "enable secret stores the password as an MD5 hash; when both are set, "
                            "the enable secret is used and the enable password is ignored.",
                            "service password-encryption only weakly encrypts other passwords, and "
                            "password with login protects the console, aux and vty lines."},
        },

        // Record 114
        {
            .question = {"Which configuration register value makes the router ignore the contents "
                         "of NVRAM when it boots?"},
            .choices = {"0x2102", "0x2101", "0x2100", "0x2104", "0x2142"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 5, page 273",
                            "0x2142 sets bit 6 (0x0040), so the router skips the startup "
                            "configuration.",
                            "This is the value used for password recovery.",
                            "0x2102 is the normal default: boot from flash and use NVRAM.",
                            "0x2100 boots to the ROM monitor.",
                            "0x2101 boots the mini image in ROM.",
                            "0x2104 leaves bit 6 clear, so NVRAM is still read."},
        },

        // Record 118
        {
            .question = {"Which command shows whether a DTE or a DCE cable is attached to the "
                         "router's first serial interface?"},
            .choices = {"show interface serial 0", "show ip interface brief",
                        "show running-config", "show controllers serial 0", "show protocols",
                        "show line"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 5, page 258",
                            "show controllers serial 0 reports the cable type (DTE or DCE) and, on "
                            "a DCE, the clock rate; show interface gives status and counters "
                            "only."},
        },

        // Routing protocols: static, RIP, IGRP

        // Record 122
        {
            .question = {"Which of the following is a characteristic of a distance-vector routing "
                         "protocol?"},
            .choices = {"Each router floods link-state advertisements to every router in its "
                        "area",
                        "Each router builds a complete map of the network topology",
                        "Updates are sent only when the topology changes",
                        "Routers periodically send their entire routing table to their "
                        "neighbors",
                        "Each router runs the shortest path first algorithm"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 6, page 330",
                            "Distance-vector routers send full tables to neighbors periodically.",
                            "RIP sends updates every 30 seconds, IGRP every 90 seconds.",
                            "Each router knows only what its neighbors tell it.",
                            "Link-state routers instead:",
                            "- flood LSAs to all routers in the area,",
                            "- build a full topology database and run SPF,",
                            "- send updates mainly when something changes."},
        },

        // Record 126
        {
            .question = {"Which of the following help distance-vector routing protocols prevent "
                         "routing loops?"},
            .choices = {"Shortest path first", "Link-state advertisements", "Split horizon",
                        "Route poisoning", "Hold-down timers"},
            .correct = "CDE",
            .explanation = {"Study Guide, Chapter 6, page 315",
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
            .explanation = {"Study Guide, Chapter 6, page 293",
                            "A static route has a distance of 1; only a connected network (0) is "
                            "trusted more, while internal EIGRP is 90, IGRP 100 and RIP 120."},
        },

        // Record 134
        {
            .question = {"By default, how long does RIP wait without hearing an update for a "
                         "route before it marks the route invalid?"},
            .choices = {"180 seconds", "30 seconds", "90 seconds", "240 seconds", "270 seconds"},
            .correct = "A",
            .explanation = {"RIP sends updates every 30 seconds; a route that is not refreshed for "
                            "180 seconds (six update periods) is marked invalid and advertised "
                            "with a metric of 16.",
                            "The hold-down timer is also 180 seconds, and the route is flushed "
                            "240 seconds after the last update; the IGRP defaults are 90, 270, "
                            "280 and 630 seconds."},
        },

        // Record 138
        {
            .question = {"Which command configures a default route that sends all traffic for "
                         "unknown networks to 10.1.1.1?"},
            .choices = {"ip route 0.0.0.0 255.255.255.255 10.1.1.1",
                        "ip default-network 0.0.0.0 0.0.0.0 10.1.1.1",
                        "ip route 0.0.0.0 0.0.0.0 10.1.1.1", "route default 10.1.1.1",
                        "ip route 255.255.255.255 0.0.0.0 10.1.1.1"},
            .correct = "C",
            .explanation = {"A default route matches every destination: network and mask "
                            "0.0.0.0.",
                            "Syntax: ip route network mask next-hop-or-interface.",
                            "ip route 0.0.0.0 0.0.0.0 10.1.1.1 sends unknown traffic to 10.1.1.1.",
                            "A mask of 255.255.255.255 matches only one host address.",
                            "ip default-network takes only a network number, no mask or next hop.",
                            "route default is not valid syntax on the router."},
        },

        // Routing protocols: EIGRP and OSPF

        // Record 142
        {
            .question = {"What is the OSPF metric based on by default?"},
            .choices = {"Hop count", "Cost derived from interface bandwidth", "Bandwidth and delay",
                        "Ticks and hop count", "Reliability only", "Load and MTU"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 7, page 367",
                            "OSPF uses cost, by default 100,000,000 divided by the bandwidth in "
                            "bits per second; RIP uses hops, IGRP and EIGRP bandwidth and delay, "
                            "and IPX RIP ticks and hops."},
        },

        // Record 146
        {
            .question = {"What is the default OSPF hello interval on an Ethernet network?"},
            .choices = {"5 seconds", "30 seconds", "10 seconds", "40 seconds", "60 seconds",
                        "90 seconds"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 7, page 382",
                            "On broadcast and point-to-point networks OSPF sends hellos every 10 "
                            "seconds.",
                            "The dead interval is four times the hello interval, 40 seconds.",
                            "On non-broadcast networks the defaults are 30 and 120 seconds."},
        },

        // Record 150
        {
            .question = {"Which command, under router ospf 1, places all interfaces with addresses "
                         "in 10.1.0.0/16 in area 0?"},
            .choices = {"network 10.1.0.0 0.0.255.255 area 0", "ospf network 10.1.0.0 area 0",
                        "network 10.1.0.0 area 0", "network 10.1.0.0 0.0.255.255",
                        "router ospf 10.1.0.0 area 0"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 7, page 385",
                            "The OSPF network command takes an address, a wildcard mask and an "
                            "area ID, and the area is required; 0.0.255.255 matches 10.1.0.0 to "
                            "10.1.255.255."},
        },

        // Record 154
        {
            .question = {"What does EIGRP call a loop-free backup route kept in the topology table "
                         "for use if the best route fails?"},
            .choices = {"Feasible successor", "Successor", "Designated router",
                        "Advertised distance", "Poisoned route"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 7, page 364",
                            "The successor is the best route; a feasible successor is a neighbor "
                            "whose advertised distance is lower than the successor's feasible "
                            "distance.",
                            "If the successor fails, EIGRP uses the feasible successor at once, "
                            "without sending queries."},
        },

        // Record 158
        {
            .question = {"Which command starts EIGRP for autonomous system 20 on the router?"},
            .choices = {"router igrp 20", "router eigrp 20", "router eigrp", "eigrp 20",
                        "router ospf 20", "ip eigrp 20"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 7, page 378",
                            "router eigrp 20 starts EIGRP for AS 20; the AS number is required and "
                            "must match on neighbors, and network commands then select "
                            "interfaces."},
        },

        // Switching: bridging, switching methods, spanning tree, VLANs, trunking

        // Record 162
        {
            .question = {"Which of the following statements about the spanning-tree protocol are "
                         "true?"},
            .choices = {"The bridge with the highest bridge ID becomes the root bridge",
                        "All ports on the root bridge are in the blocking state",
                        "It is used to break up broadcast domains",
                        "It prevents switching loops in a network with redundant links",
                        "Each non-root bridge picks one root port, its lowest-cost path to the "
                        "root"},
            .correct = "DE",
            .explanation = {"Study Guide, Chapter 8, page 433",
                            "The bridge with the lowest bridge ID (priority, then MAC address) "
                            "becomes root, and all root bridge ports are designated ports.",
                            "Other bridges choose a root port and block redundant ports to stop "
                            "loops; spanning tree does not divide broadcast domains."},
        },

        // Record 166
        {
            .question = {"Which switching method starts forwarding a frame as soon as it has read "
                         "the destination address?"},
            .choices = {"Cut-through", "Store-and-forward", "Fragment-free", "Process switching",
                        "Source-route bridging"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 8, page 438",
                            "Cut-through has the lowest latency; fragment-free waits for the first "
                            "64 bytes, and store-and-forward receives and checks the whole frame."},
        },

        // Record 170
        {
            .question = {"Which spanning-tree port state learns MAC addresses but does not yet "
                         "forward data frames?"},
            .choices = {"Listening", "Learning", "Blocking", "Forwarding", "Disabled"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 8, page 434",
                            "Blocking and listening: BPDUs only, no learning or forwarding.",
                            "Learning: builds the MAC address table but forwards no data frames.",
                            "Forwarding: sends and receives data frames."},
        },

        // Record 174
        {
            .question = {"Which IEEE standard defines the frame tagging method used on VLAN trunk "
                         "links?"},
            .choices = {"802.1D", "802.3u", "802.1w", "802.1Q", "802.5", "802.11"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 8, page 453",
                            "802.1Q inserts a 4-byte tag with the VLAN ID; 802.1D is spanning "
                            "tree, 802.1w rapid spanning tree, 802.3u Fast Ethernet, 802.5 Token "
                            "Ring and 802.11 wireless LANs."},
        },

        // Record 178
        {
            .question = {"What does a switch do with a frame whose destination MAC address is not "
                         "in its MAC address table?"},
            .choices = {"Floods it out all ports except the port it arrived on", "Drops the frame",
                        "Sends it back out the port it arrived on",
                        "Sends an ARP request for the destination",
                        "Forwards it only to the root bridge"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 8, page 424",
                            "An unknown unicast is flooded out every port in the VLAN except the "
                            "incoming one, just like a broadcast.",
                            "When the destination replies, the switch learns its address and port, "
                            "and later frames go only out that port."},
        },

        // Access lists: standard, extended, IPX, wildcard masks

        // Record 182
        {
            .question = {"Which of the following statements about standard access lists are "
                         "true?"},
            .choices = {"They can filter traffic by destination port number",
                        "They filter only on the source IP address",
                        "They use the numbers 1 through 99",
                        "They should be placed as close to the source as possible",
                        "They end with an implicit deny of all traffic",
                        "They can filter by protocol, such as TCP or UDP"},
            .correct = "BCE",
            .explanation = {"Study Guide, Chapter 9, page 515",
                            "Standard IP lists are numbered 1 to 99.",
                            "They match only the source address of a packet.",
                            "Like every access list, they end with an implicit deny any.",
                            "As they cannot check the destination, place them near the "
                            "destination.",
                            "Filtering by protocol or port needs an extended list (100 to 199).",
                            "Example: access-list 10 permit 172.16.0.0 0.0.255.255"},
        },

        // Record 186
        {
            .question = {"Which interface command applies IP access list 110 to packets arriving "
                         "on the interface?"},
            .choices = {"ip access-list 110 in", "ip access-group 110 in", "access-class 110 in",
                        "ip access-group 110 out", "access-list 110 in"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 9, page 522",
                            "ip access-group number in|out applies a list to an interface; "
                            "access-class applies a list to vty lines, and out filters packets "
                            "leaving the interface."},
        },

        // Record 190
        {
            .question = {"The router has this access list applied inbound on its Ethernet "
                         "interface:",
                         "access-list 15 deny host 172.16.4.10",
                         "What is the effect of this access list?"},
            .choices = {"It blocks all IP traffic arriving on the interface",
                        "It blocks only traffic from 172.16.4.10",
                        "It blocks only traffic to 172.16.4.10",
                        "It blocks only Telnet traffic from 172.16.4.10",
                        "It has no effect until a permit statement is added",
                        "It blocks traffic from the whole 172.16.0.0 network"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 9, page 473",
                            "Every access list ends with an implicit deny any.",
                            "This list has no permit statement.",
                            "Packets from 172.16.4.10 match the deny line, and all other packets "
                            "match the implicit deny.",
                            "Adding access-list 15 permit any would let the other hosts through."},
        },

        // Record 194
        {
            .question = {"Which of the following access-list entries match only the single host "
                         "10.1.1.1?"},
            .choices = {"access-list 5 permit host 10.1.1.1",
                        "access-list 5 permit 10.1.1.1 255.255.255.255",
                        "access-list 5 permit 10.1.1.1 0.0.0.255",
                        "access-list 5 permit 10.1.1.1 0.0.0.0",
                        "access-list 5 permit 10.1.1.1 255.255.255.0"},
            .correct = "AD",
            .explanation = {"Study Guide, Chapter 9, page 470",
                            "host is shorthand for wildcard 0.0.0.0, which requires every bit to "
                            "match.",
                            "0.0.0.255 matches all of 10.1.1.0 to 10.1.1.255, and 255.255.255.255 "
                            "matches any address.",
                            "255.255.255.0 checks only the last octet, matching every address "
                            "ending in .1."},
        },

        // Record 198
        {
            .question = {"Which wildcard mask matches all addresses in the subnet "
                         "172.16.16.0/20?"},
            .choices = {"0.0.240.255", "255.255.240.0", "0.0.16.255", "0.0.31.255", "0.0.15.255",
                        "0.0.0.15"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 9, page 473",
                            "A wildcard mask is the subnet mask subtracted from 255.255.255.255.",
                            "255.255.255.255 - 255.255.240.0 = 0.0.15.255, which covers "
                            "172.16.16.0 through 172.16.31.255."},
        },

        // Record 202
        {
            .question = {"Which entry denies only Telnet traffic from subnet 192.168.10.0/24 to "
                         "the host 10.1.1.1?"},
            .choices = {"access-list 10 deny tcp 192.168.10.0 0.0.0.255 host 10.1.1.1 eq 23",
                        "access-list 110 deny tcp host 10.1.1.1 192.168.10.0 0.0.0.255 eq 23",
                        "access-list 110 deny udp 192.168.10.0 0.0.0.255 host 10.1.1.1 eq 23",
                        "access-list 110 deny tcp 192.168.10.0 0.0.0.255 host 10.1.1.1 eq 23",
                        "access-list 110 deny tcp 192.168.10.0 255.255.255.0 host 10.1.1.1 "
                        "eq 23"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 9, page 513",
                            "Extended lists (100 to 199) give protocol, source, destination, then "
                            "port.",
                            "Telnet is TCP port 23, and the source subnet needs wildcard "
                            "0.0.0.255.",
                            "List 10 is a standard list; the others reverse the addresses, use "
                            "UDP or use a subnet mask."},
        },

        // WAN: PPP, HDLC, Frame Relay, ISDN

        // Record 206
        {
            .question = {"Which of the following describes the channels of an ISDN Basic Rate "
                         "Interface (BRI)?"},
            .choices = {"Two 64 Kbps B channels and one 16 Kbps D channel",
                        "23 B channels and one 64 Kbps D channel",
                        "Two 64 Kbps B channels and one 64 Kbps D channel",
                        "30 B channels and one 64 Kbps D channel",
                        "One 128 Kbps B channel and one 16 Kbps D channel"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 10, page 591",
                            "BRI (2B+D) gives two 64 Kbps bearer channels and one 16 Kbps "
                            "signaling channel, 144 Kbps in all.",
                            "PRI gives 23B+D in North America and 30B+D in Europe, with a 64 Kbps "
                            "D channel."},
        },

        // Record 210
        {
            .question = {"Which term names the point where the service provider's responsibility "
                         "ends and the customer's begins?"},
            .choices = {"Local loop", "Central office", "Toll network", "Customer premises",
                        "Demarcation point", "Trunk line"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 10, page 533",
                            "The demarc is where the provider's wiring ends and the customer "
                            "premises equipment (CPE) begins.",
                            "The local loop runs from the demarc to the central office (CO), which "
                            "connects to the toll network."},
        },

        // Record 214
        {
            .question = {"Two routers joined by a leased line must authenticate each other with "
                         "CHAP.",
                         "Which of the following commands are required on their serial "
                         "interfaces?"},
            .choices = {"encapsulation ppp", "encapsulation hdlc", "encapsulation frame-relay",
                        "frame-relay interface-dlci 100", "dialer-list 1 protocol ip permit",
                        "ppp authentication chap"},
            .correct = "AF",
            .explanation = {"Study Guide, Chapter 10, page 588",
                            "Both interfaces need encapsulation ppp; HDLC (the default) and Frame "
                            "Relay have no authentication.",
                            "ppp authentication chap turns on CHAP; each router also needs a "
                            "global username entry for the other with the shared password."},
        },

        // Record 218
        {
            .question = {"Which command sets the type of provider switch that the router's ISDN "
                         "BRI connects to?"},
            .choices = {"isdn spid1 0835866201", "encapsulation isdn", "isdn type basic-ni",
                        "isdn switch-type basic-ni", "dialer switch basic-ni"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 10, page 591",
                            "isdn switch-type (such as basic-ni or basic-net3) names the "
                            "provider's switch, globally or on the BRI; isdn spid1 sets a SPID."},
        },

        // Record 222
        {
            .question = {"Which protocol does a Frame Relay router use to learn the network "
                         "address of the router at the far end of each PVC?"},
            .choices = {"ARP", "RARP", "LMI", "Proxy ARP", "Inverse ARP", "DNS"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 10, page 548",
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
