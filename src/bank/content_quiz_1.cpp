#include "bank/content.h"

std::span<const ContentEntry> quiz_1_content()
{
    // Laid out by hand: each choice and each line of text on a row of its own.
    // clang-format off
    static constexpr ContentEntry entries[] = {
        // Seven-layer model and internetworking basics

        // Record 1
        {
            .question = {"Which of the following protocols operate at the transport layer of "
                         "the seven-layer model?"},
            .choices = {"IPX", "ARP", "TCP", "OSPF", "ICMP", "BootP"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 1, page 43",
                            "TCP is a transport-layer protocol. IPX, ARP and ICMP work at the "
                            "network layer, OSPF is a routing protocol carried directly in IP, "
                            "and BootP is an application that runs over UDP."},
        },

        // Record 5
        {
            .question = {"At which layer of the seven-layer model does a router make its "
                         "forwarding decisions?"},
            .choices = {"Physical", "Data link", "Network", "Transport", "Session", "Presentation"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 1, page 3",
                            "A router forwards packets by their logical (network-layer) "
                            "addresses, such as IP or IPX addresses.",
                            "Bridges and switches work at the data link layer, and hubs and "
                            "repeaters at the physical layer."},
        },

        // Record 9
        {
            .question = {"Which layer of the seven-layer model is responsible for data "
                         "formatting, encryption and compression?"},
            .choices = {"Application", "Presentation", "Session", "Transport", "Network"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 1, page 9",
                            "The presentation layer presents data to the application layer in a "
                            "common format and handles translation, encryption and compression.",
                            "The session layer sets up, manages and tears down sessions between "
                            "applications."},
        },

        // Record 13
        {
            .question = {"In what order is data encapsulated as it passes down the layers of "
                         "the sending host?"},
            .choices = {"Data, packet, segment, frame, bits",
                        "Data, segment, frame, packet, bits",
                        "Bits, frame, packet, segment, data",
                        "Data, segment, packet, frame, bits",
                        "Segment, data, packet, bits, frame"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 1, page 16",
                            "The transport layer puts user data into segments, the network "
                            "layer puts segments into packets, the data link layer puts packets "
                            "into frames, and the physical layer sends the frames as bits.",
                            "The receiving host reverses the process."},
        },

        // Record 17
        {
            .question = {"How many collision domains and broadcast domains are there on a "
                         "12-port switch with one host on every port and no VLANs configured?"},
            .choices = {"1 collision domain and 1 broadcast domain",
                        "1 collision domain and 12 broadcast domains",
                        "12 collision domains and 12 broadcast domains",
                        "12 collision domains and 1 broadcast domain",
                        "2 collision domains and 1 broadcast domain",
                        "6 collision domains and 2 broadcast domains"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 1, page 23",
                            "Each switch port is its own collision domain, so 12 ports make 12 "
                            "collision domains.",
                            "A switch floods broadcasts out all its ports, so with a single "
                            "VLAN the switch is one broadcast domain."},
        },

        // Record 21
        {
            .question = {"What does the window size of a connection-oriented transport session "
                         "control?"},
            .choices = {"The amount of data the sender may transmit before it must receive an "
                        "acknowledgment",
                        "The maximum size of a frame on the physical medium",
                        "The number of hops a packet may cross before it is discarded",
                        "The number of sessions a host may open at the same time",
                        "The time a host waits before it closes an idle session"},
            .correct = "A",
            .explanation = {"Windowing is a flow-control method of the transport layer.",
                            "The window tells the sender how much data it may send before it "
                            "must stop and wait for an acknowledgment.",
                            "The receiver can shrink the window to slow the sender down.",
                            "The largest frame size is the MTU, and the hop limit is the IP "
                            "time-to-live field."},
        },

        // TCP/IP protocol suite

        // Record 25
        {
            .question = {"Which well-known port number does Telnet use?"},
            .choices = {"TCP 21", "TCP 25", "UDP 53", "TCP 23", "UDP 69", "TCP 110"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 2, page 71",
                            "Telnet is a virtual terminal protocol that runs over TCP port 23.",
                            "FTP uses TCP 21 for control, SMTP TCP 25, DNS queries UDP 53, TFTP "
                            "UDP 69 and POP3 TCP 110."},
        },

        // Record 29
        {
            .question = {"Which protocol does a host use to learn the hardware (MAC) address of "
                         "a local device when it knows only that device's IP address?"},
            .choices = {"RARP", "ICMP", "BootP", "ARP", "DNS"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 2, page 103",
                            "ARP broadcasts a request for the IP address, and the owner replies "
                            "with its MAC address.",
                            "RARP and BootP work the other way: a host that knows its MAC "
                            "address learns its IP address.",
                            "ICMP carries error and control messages, and DNS resolves host "
                            "names to IP addresses."},
        },

        // Record 33
        {
            .question = {"Which of the following protocols uses UDP rather than TCP as its "
                         "transport?"},
            .choices = {"TFTP", "FTP", "Telnet", "SMTP", "HTTP", "POP3"},
            .correct = "A",
            .explanation = {"TFTP is a simple file transfer protocol that runs over UDP port "
                            "69, with no login and no directory browsing.",
                            "FTP, Telnet, SMTP, HTTP and POP3 run over TCP because they need "
                            "reliable, connection-oriented delivery.",
                            "TFTP is often used to copy router images and configuration files."},
        },

        // Record 37
        {
            .question = {"Which sequence of segments sets up a TCP connection?"},
            .choices = {"SYN, ACK, SYN",
                        "SYN, SYN/ACK, ACK",
                        "ACK, SYN/ACK, SYN",
                        "FIN, FIN/ACK, ACK",
                        "SYN, FIN, ACK",
                        "SYN/ACK, SYN, ACK"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 2, page 72",
                            "1. The client sends a SYN segment with its initial sequence number.",
                            "2. The server answers with SYN/ACK: its own sequence number and an "
                            "acknowledgment of the client's.",
                            "3. The client sends an ACK, and the connection is open.",
                            "FIN segments close a connection; they do not open one."},
        },

        // Record 41
        {
            .question = {"Which protocol lets a host obtain its IP address, subnet mask and "
                         "default gateway from a server when it starts up?"},
            .choices = {"ARP", "ICMP", "DHCP", "DNS", "SNMP"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 2, page 70",
                            "DHCP runs over UDP at the Process/Application layer; a server leases "
                            "each host an IP address, subnet mask, default gateway and other "
                            "settings such as a DNS server.",
                            "ARP finds the MAC address for a known IP address, and ICMP carries "
                            "error and control messages such as ping.",
                            "DNS resolves host names to IP addresses, and SNMP manages network "
                            "devices."},
        },

        // Record 45
        {
            .question = {"Which ICMP message does the ping utility send to test whether a host "
                         "can be reached?"},
            .choices = {"Destination unreachable",
                        "Echo request",
                        "Time exceeded",
                        "Source quench",
                        "Redirect"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 2, page 82",
                            "Ping sends ICMP echo request messages and waits for echo replies "
                            "from the target.",
                            "Destination unreachable and time exceeded are error messages; "
                            "traceroute relies on time exceeded.",
                            "Source quench asks a sender to slow down, and redirect points a "
                            "host to a better gateway."},
        },

        // IP addressing and subnetting

        // Record 49
        {
            .question = {"Which of the following is a valid host address on a subnet that uses "
                         "the mask 255.255.255.224?"},
            .choices = {"172.16.45.32",
                        "172.16.45.63",
                        "172.16.45.97",
                        "172.16.45.127",
                        "172.16.45.160",
                        "172.16.45.223"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 3, page 123",
                            "Block size 256 - 224 = 32: subnets .0, .32, .64, .96, .128, .160, "
                            ".192 and .224.",
                            "172.16.45.97 is in subnet .96, whose hosts are .97 to .126 and "
                            "whose broadcast is .127.",
                            ".32 and .160 are subnet addresses; .63, .127 and .223 are "
                            "broadcast addresses.",
                            "Subnet and broadcast addresses cannot be assigned to hosts."},
        },

        // Record 53
        {
            .question = {"A router interface is configured as follows:",
                         "",
                         "interface ethernet 0",
                         "ip address 192.168.5.77 255.255.255.240",
                         "no shutdown",
                         "Which subnet is this interface connected to?"},
            .choices = {"192.168.5.0",
                        "192.168.5.64",
                        "192.168.5.72",
                        "192.168.5.76",
                        "192.168.5.80",
                        "192.168.5.48"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 3, page 141",
                            "255.255.255.240 gives a block size of 16: subnets .0, .16, .32, "
                            ".48, .64, .80 and so on.",
                            ".77 falls between .64 and .79, so the subnet is 192.168.5.64 "
                            "(hosts .65 to .78, broadcast .79)."},
        },

        // Record 57
        {
            .question = {"You have the Class C network 192.168.20.0 and need at least 10 "
                         "subnets with up to 12 hosts on each. Which subnet mask should you use?"},
            .choices = {"255.255.255.240",
                        "255.255.255.224",
                        "255.255.255.248",
                        "255.255.255.192",
                        "255.255.255.252"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 3, page 171",
                            "Need 10 subnets, 12 hosts each.",
                            "Subnets 2^s - 2, hosts 2^h - 2:",
                            ".192: 2 subnets, 62 hosts",
                            ".224: 6 subnets, 30 hosts",
                            ".240: 14 subnets, 14 hosts",
                            ".248: 30 subnets, 6 hosts",
                            ".252: 62 subnets, 2 hosts",
                            ".192, .224: too few subnets.",
                            ".248, .252: too few hosts.",
                            "Only .240 meets both needs.",
                            "With subnet zero, .224 gives 8.",
                            "Answer: 255.255.255.240"},
        },

        // Record 61
        {
            .question = {"What is the broadcast address of the subnet that contains host "
                         "172.16.37.200/21?"},
            .choices = {"172.16.37.255",
                        "172.16.32.255",
                        "172.16.40.255",
                        "172.16.39.254",
                        "172.16.39.255"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 3, page 158",
                            "/21 = 255.255.248.0, so the third octet is the one to work on.",
                            "Block size: 256 - 248 = 8.",
                            "Subnets in the third octet: 0, 8, 16, 24, 32, 40 and so on.",
                            "37 falls in the 32 subnet: 172.16.32.0.",
                            "The next subnet is 172.16.40.0.",
                            "The broadcast is the address just before it: 172.16.39.255."},
        },

        // Record 65
        {
            .question = {"What is the default subnet mask of a Class B address?"},
            .choices = {"255.0.0.0",
                        "255.255.255.0",
                        "255.255.255.255",
                        "255.255.240.0",
                        "255.255.0.0",
                        "255.240.0.0"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 3, page 120",
                            "A Class B address (first octet 128 to 191) has 16 network bits and "
                            "16 host bits, so its default mask is 255.255.0.0."},
        },

        // Record 69
        {
            .question = {"How many usable host addresses does the subnet 10.1.4.0/23 provide?"},
            .choices = {"254", "256", "510", "512", "1022"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 3, page 158",
                            "A /23 mask leaves 32 - 23 = 9 host bits, and 2^9 - 2 = 510 usable "
                            "hosts (10.1.4.1 to 10.1.5.254), because the subnet and broadcast "
                            "addresses are excluded."},
        },

        // Record 73
        {
            .question = {"Which of the following is the private address range set aside for "
                         "Class B networks?"},
            .choices = {"172.16.0.0 to 172.31.255.255",
                        "172.16.0.0 to 172.16.255.255",
                        "169.254.0.0 to 169.254.255.255",
                        "192.168.0.0 to 192.168.255.255",
                        "128.0.0.0 to 128.255.255.255"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 3, page 139",
                            "The private ranges are 10.0.0.0 to 10.255.255.255 (one Class A "
                            "network), 172.16.0.0 to 172.31.255.255 (16 Class B networks) and "
                            "192.168.0.0 to 192.168.255.255 (256 Class C networks)."},
        },

        // IPX protocols and addressing

        // Record 77
        {
            .question = {"How many bits long is an IPX address?"},
            .choices = {"32 bits", "48 bits", "64 bits", "80 bits", "128 bits"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 4, page 191",
                            "An IPX address has 80 bits: a 32-bit network number followed by a "
                            "48-bit node number, which is normally the MAC address of the "
                            "interface."},
        },

        // Record 81
        {
            .question = {"Which protocol do IPX servers use to announce their services on the "
                         "network?"},
            .choices = {"IPX RIP", "SAP", "SPX", "NLSP", "ARP"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 4, page 200",
                            "Servers announce their services with the Service Advertising "
                            "Protocol (SAP), by default every 60 seconds.",
                            "IPX RIP and NLSP carry routing information, SPX is a "
                            "connection-oriented transport, and IPX does not need ARP because "
                            "the node number is the MAC address."},
        },

        // Record 85
        {
            .question = {"Which command turns on IPX routing on the router?"},
            .choices = {"router ipx",
                        "ipx network 10",
                        "ipx enable",
                        "ipx routing",
                        "enable ipx routing"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 4, page 210",
                            "In global configuration mode, ipx routing enables IPX routing "
                            "together with IPX RIP and SAP.",
                            "Unless a node number is given, the router uses the MAC address of "
                            "one of its interfaces.",
                            "After that, ipx network <number> on each interface assigns its IPX "
                            "network number."},
        },

        // Record 89
        {
            .question = {"Which command lists the IPX servers that the router has learned about "
                         "through SAP?"},
            .choices = {"show ipx route",
                        "show ipx interface",
                        "show ipx traffic",
                        "show ipx servers",
                        "show ipx accounting",
                        "show protocols"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 4, page 213",
                            "show ipx servers lists the service type, name, network.node "
                            "address and hop count of each known server; show ipx route shows "
                            "the IPX routing table and show ipx traffic the packet counters."},
        },

        // Router command line: modes, show commands, configuration, startup

        // Record 93
        {
            .question = {"Which command on the router's command line enters global "
                         "configuration mode from privileged mode?"},
            .choices = {"enable",
                        "setup",
                        "configure terminal",
                        "configure memory",
                        "global config",
                        "line console 0"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 5, page 221",
                            "configure terminal moves from the Router# prompt to the "
                            "Router(config)# prompt.",
                            "enable moves from user mode to privileged mode, and setup starts "
                            "the interactive setup dialog.",
                            "configure memory merges the startup configuration from NVRAM into "
                            "the running configuration."},
        },

        // Record 97
        {
            .question = {"Which command saves the running configuration so that the router uses "
                         "it the next time it starts?"},
            .choices = {"copy startup-config running-config",
                        "copy running-config startup-config",
                        "write terminal",
                        "show startup-config",
                        "erase startup-config"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 5, page 239",
                            "copy running-config startup-config copies the configuration from "
                            "RAM to NVRAM, which the router reads when it boots.",
                            "copy startup-config running-config works the other way, write "
                            "terminal only displays the running configuration, and erase "
                            "startup-config deletes the saved one."},
        },

        // Record 101
        {
            .question = {"The configuration register of the router is set to 0x2142.",
                         "The router is then reloaded.",
                         "What happens when the router boots?"},
            .choices = {"It boots to the ROM monitor and waits for commands",
                        "It loads a minimal image from ROM instead of flash",
                        "It ignores the startup configuration stored in NVRAM",
                        "It erases the startup configuration from NVRAM",
                        "It sets the console port speed to 38400 bit/s"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 5, page 274",
                            "Bit 6 (value 0x0040) tells the router to ignore the contents of "
                            "NVRAM, so it starts without its saved configuration, as done for "
                            "password recovery.",
                            "NVRAM is not erased, the image still loads from flash, and the "
                            "console stays at 9600 bit/s; the normal value is 0x2102."},
        },

        // Record 105
        {
            .question = {"Which of the following commands, each entered in its proper configuration "
                         "mode, configure a password on the router?"},
            .choices = {"enable secret t0pS3cret",
                        "enable password letmein",
                        "password linepass",
                        "hostname BranchRouter",
                        "banner motd #Authorized access only#"},
            .correct = "ABC",
            .explanation = {"Study Guide, Chapter 5, page 230",
                            "enable secret and enable password protect privileged mode (the "
                            "secret is stored encrypted and wins if both are set); password, "
                            "under line console 0 or line vty 0 4, sets a line password.",
                            "hostname names the router and banner motd sets a message shown to "
                            "users."},
        },

        // Record 109
        {
            .question = {"Which command shows the configuration register value, the software "
                         "version and the uptime of the router?"},
            .choices = {"show running-config",
                        "show version",
                        "show flash",
                        "show memory",
                        "show interfaces"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 5, page 276",
                            "show version shows the software version, the uptime, the image "
                            "that was loaded, the memory and interfaces, and the configuration "
                            "register value.",
                            "show running-config shows the configuration in RAM and show flash "
                            "the files in flash memory.",
                            "show interfaces shows the status and counters of each interface."},
        },

        // Record 113
        {
            .question = {"Which prompt shows that the router is in user mode?"},
            .choices = {"Router>",
                        "Router#",
                        "Router(config)#",
                        "Router(config-if)#",
                        "Router(config-line)#"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 5, page 221",
                            "The > prompt marks user mode, where only basic show and test "
                            "commands are allowed.",
                            "Router# is privileged mode, Router(config)# global configuration, "
                            "and Router(config-if)# and Router(config-line)# are interface and "
                            "line configuration modes."},
        },

        // Record 117
        {
            .question = {"Which command shows a one-line summary of each interface with its IP "
                         "address and status?"},
            .choices = {"show interfaces",
                        "show ip interface brief",
                        "show controllers serial 0",
                        "show ip route",
                        "show running-config"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 5, page 258",
                            "show ip interface brief lists every interface on one line with its "
                            "IP address, its status and its line protocol status.",
                            "show interfaces gives full details and counters, and show "
                            "controllers shows the physical interface, such as the DCE or DTE "
                            "cable."},
        },

        // Routing protocols: static, RIP, IGRP

        // Record 121
        {
            .question = {"Which of the following is a characteristic of a distance-vector "
                         "routing protocol?"},
            .choices = {"Each router floods link-state advertisements to all routers in its area",
                        "Each router periodically sends its entire routing table to its "
                        "directly connected neighbors",
                        "Each router builds a complete map of the network topology",
                        "Each router runs the shortest path first algorithm to choose its routes",
                        "Routers elect a designated router on each multiaccess network",
                        "Routing loops cannot occur, so the network converges at once"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 6, page 318",
                            "Distance-vector routers send their whole table to their neighbors "
                            "at regular intervals (RIP: 30 s).",
                            "Each router knows only the distance and direction to each network, "
                            "learned from its neighbors.",
                            "LSA flooding, topology maps, SPF and DR election are link-state "
                            "features.",
                            "Split horizon, poison reverse and hold-downs counter routing loops."},
        },

        // Record 125
        {
            .question = {"What is the default administrative distance of RIP?"},
            .choices = {"0", "1", "90", "100", "120"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 6, page 322",
                            "Connected interface: 0; static route: 1.",
                            "EIGRP: 90; IGRP: 100; OSPF: 110.",
                            "RIP: 120.",
                            "The lower the distance, the more the router trusts the source of "
                            "the route."},
        },

        // Record 129
        {
            .question = {"What is the maximum hop count that RIP still considers reachable?"},
            .choices = {"10", "15", "16", "100", "224", "255"},
            .correct = "B",
            .explanation = {"RIP allows at most 15 hops; a metric of 16 means unreachable, "
                            "which limits RIP to small networks."},
        },

        // Record 133
        {
            .question = {"Which command creates a static route to network 172.20.0.0/16 through "
                         "the next-hop router 10.1.1.2?"},
            .choices = {"ip route 10.1.1.2 255.255.0.0 172.20.0.0",
                        "ip route 172.20.0.0 0.0.255.255 10.1.1.2",
                        "ip route 172.20.0.0 255.255.0.0 10.1.1.2",
                        "route ip 172.20.0.0 255.255.0.0 10.1.1.2",
                        "ip route 172.20.0.0/16 10.1.1.2",
                        "network 172.20.0.0 255.255.0.0 10.1.1.2"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 6, page 322",
                            "In global configuration mode the syntax is ip route <network> "
                            "<mask> <next hop or exit interface>; the mask is dotted-decimal, "
                            "not a wildcard or a prefix length."},
        },

        // Record 137
        {
            .question = {"Which command configures a default route that sends packets with no "
                         "better match to 192.168.1.1?"},
            .choices = {"ip route 255.255.255.255 0.0.0.0 192.168.1.1",
                        "ip route 0.0.0.0 0.0.0.0 192.168.1.1",
                        "ip route 0.0.0.0 255.255.255.255 192.168.1.1",
                        "ip route any 192.168.1.1",
                        "ip route default 192.168.1.1"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 6, page 322",
                            "A default route is a static route to network 0.0.0.0 with mask "
                            "0.0.0.0, which matches every destination; the router uses it only "
                            "when no more specific route exists."},
        },

        // Routing protocols: EIGRP and OSPF

        // Record 141
        {
            .question = {"Under router ospf 1, which command enables OSPF on every interface "
                         "with an address in 10.0.0.0/8 and places those interfaces in area 0?"},
            .choices = {"network 10.0.0.0 0.255.255.255 area 0",
                        "network 10.0.0.0 0.0.0.255 area 0",
                        "network 10.0.0.0 area 0",
                        "ospf network 10.0.0.0 0.255.255.255 area 0",
                        "network 10.0.0.0 0.255.255.255",
                        "area 0 network 10.0.0.0"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 7, page 393",
                            "The OSPF network command takes an address, a wildcard mask and an "
                            "area ID.",
                            "Wildcard 0.255.255.255 matches every address that begins with 10, "
                            "so all such interfaces join area 0.",
                            "0.0.0.255 would match only 10.0.0.x, and the area must always be "
                            "given."},
        },

        // Record 145
        {
            .question = {"Which of the following are true about EIGRP?"},
            .choices = {"It keeps a neighbor table and a topology table",
                        "It sends its full routing table every 30 seconds",
                        "It supports variable-length subnet masks and route summarization",
                        "It uses hop count as its only metric",
                        "It is a link-state protocol that floods LSAs"},
            .correct = "AC",
            .explanation = {"Study Guide, Chapter 7, page 370",
                            "EIGRP is an advanced distance-vector protocol: it keeps neighbor "
                            "and topology tables, sends partial updates only on changes, is "
                            "classless (VLSM, summarization) and uses a metric of bandwidth and "
                            "delay."},
        },

        // Record 149
        {
            .question = {"Which value does OSPF use as its metric?"},
            .choices = {"Hop count",
                        "Cost, based on the bandwidth of the interface",
                        "Delay and reliability",
                        "Load",
                        "MTU",
                        "Ticks"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 7, page 397",
                            "The OSPF metric is cost, by default 100,000,000 divided by the "
                            "interface bandwidth in bit/s (10 for a 10 Mbit/s Ethernet); the "
                            "path with the lowest total cost wins."},
        },

        // Record 153
        {
            .question = {"Which command shows the EIGRP topology table with the successor and "
                         "feasible successors for each destination?"},
            .choices = {"show ip eigrp neighbors", "show ip eigrp traffic", "show ip route eigrp",
                        "show ip eigrp topology", "show ip protocols",
                        "show ip eigrp interfaces"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 7, page 364",
                            "show ip eigrp topology lists each destination with its successors "
                            "and feasible successors and their feasible and reported distances.",
                            "show ip eigrp neighbors lists the adjacent routers, show ip route "
                            "eigrp only the EIGRP routes in use, show ip eigrp traffic the packet "
                            "counts, and show ip protocols the routing process settings."},
        },

        // Record 157
        {
            .question = {"Which command starts an EIGRP routing process with autonomous system "
                         "number 20?"},
            .choices = {"router eigrp",
                        "eigrp 20",
                        "router igrp 20",
                        "router eigrp 20",
                        "ip eigrp 20"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 7, page 366",
                            "router eigrp followed by an autonomous system number starts EIGRP; "
                            "network commands then select the interfaces that take part.",
                            "Routers must use the same AS number to exchange EIGRP routes; "
                            "router igrp 20 would start IGRP."},
        },

        // Switching: bridging, switching methods, spanning tree, VLANs, trunking

        // Record 161
        {
            .question = {"Which of the following statements about the spanning-tree protocol "
                         "are true?"},
            .choices = {"It uses all redundant links at the same time to share the load",
                        "The switch with the highest bridge ID becomes the root bridge",
                        "All ports of the root bridge are in the blocking state",
                        "A port goes straight from blocking to forwarding",
                        "It prevents switching loops by putting redundant ports into the "
                        "blocking state"},
            .correct = "E",
            .explanation = {"Spanning tree prevents switching loops.",
                            "It blocks redundant ports.",
                            "The lowest bridge ID becomes root.",
                            "Root bridge ports are all designated.",
                            "Designated ports forward frames.",
                            "A blocked port first goes to listening,",
                            "then learning, and then forwarding.",
                            "Blocked links carry no user traffic."},
        },

        // Record 165
        {
            .question = {"Which switching method reads only the destination MAC address before "
                         "it starts to forward a frame?"},
            .choices = {"Store-and-forward",
                        "Cut-through",
                        "Fragment-free",
                        "Frame tagging",
                        "Spanning tree"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 8, page 446",
                            "Cut-through waits only for the destination address, so it has the "
                            "lowest latency.",
                            "Fragment-free waits for the first 64 bytes to filter out collision "
                            "fragments.",
                            "Store-and-forward receives the whole frame and checks the CRC "
                            "before forwarding it.",
                            "Frame tagging marks VLAN frames, and spanning tree prevents loops."},
        },

        // Record 169
        {
            .question = {"How does a switch build its MAC address table?"},
            .choices = {"From the destination addresses of the frames it forwards",
                        "From ARP replies sent by hosts",
                        "From the source addresses of the frames it receives",
                        "By broadcasting requests for addresses out every port",
                        "From routing updates sent by routers"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 8, page 418",
                            "A switch reads the source MAC address of every frame and notes the "
                            "port it arrived on.",
                            "Frames for unknown addresses, broadcasts and multicasts are "
                            "flooded out all ports but the incoming one.",
                            "When the destination answers, its address is learned, and later "
                            "frames go only to its port."},
        },

        // Record 173
        {
            .question = {"Which VLAN trunking standard inserts a 4-byte tag into the Ethernet "
                         "frame?"},
            .choices = {"ISL", "IEEE 802.1Q", "IEEE 802.1D", "IEEE 802.3u", "LANE", "IEEE 802.5"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 8, page 452",
                            "802.1Q inserts a 4-byte tag holding the VLAN ID after the source "
                            "address; native VLAN frames are untagged.",
                            "ISL is a proprietary method that wraps the whole frame in a "
                            "26-byte header and a 4-byte CRC.",
                            "802.1D is spanning tree, 802.3u Fast Ethernet, 802.5 Token Ring "
                            "and LANE LAN emulation over ATM."},
        },

        // Record 177
        {
            .question = {"Which statement about full-duplex Ethernet is true?"},
            .choices = {"It needs a point-to-point link and turns collision detection off",
                        "It works on a port connected to a hub",
                        "It halves the throughput that the link can carry",
                        "It runs CSMA/CD to detect collisions",
                        "It is possible only on 10 Mbit/s links",
                        "It lets a hub forward frames to several ports at once"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 8, page 438",
                            "It sends and receives at once, doubling the usable capacity.",
                            "It needs a point-to-point link, such as a switch port to a host.",
                            "With only two stations on the link there are no collisions,",
                            "so CSMA/CD collision detection is turned off.",
                            "A hub is a shared medium, so its stations run half duplex.",
                            "Full duplex works at 10, 100 and 1000 Mbit/s."},
        },

        // Access lists: standard, extended, IPX, wildcard masks

        // Record 181
        {
            .question = {"Which of the following statements about standard access lists are true?"},
            .choices = {"They can filter on both source and destination addresses",
                        "They use the numbers 100 to 199",
                        "They filter only on the source IP address",
                        "They can filter traffic by TCP or UDP port number",
                        "They should be placed as close to the source as possible"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 9, page 477",
                            "Standard IP access lists (numbers 1 to 99) check only the source "
                            "address of a packet.",
                            "Since they cannot see the destination, they go as close to the "
                            "destination as possible; extended lists (100 to 199) can match "
                            "destination, protocol and port."},
        },

        // Record 185
        {
            .question = {"What does the router do with a packet that matches none of the lines "
                         "of an access list?"},
            .choices = {"It permits the packet",
                        "It asks the sending host to resend the packet",
                        "It drops the packet because of the implicit deny at the end of the list",
                        "It forwards the packet out the default route",
                        "It logs the packet and then permits it",
                        "It checks the packet against the next access list on the interface"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 9, page 476",
                            "Every access list ends with an invisible deny all, so a packet "
                            "that matches no line is dropped; a list therefore needs at least "
                            "one permit line."},
        },

        // Record 189
        {
            .question = {"Which wildcard mask matches every address in the subnet 172.16.32.0 "
                         "255.255.240.0?"},
            .choices = {"0.0.0.255", "0.0.16.255", "0.0.15.255", "255.255.240.0", "0.0.31.255"},
            .correct = "C",
            .explanation = {"The wildcard mask is the subnet mask subtracted from "
                            "255.255.255.255: 0.0.15.255.",
                            "It matches 172.16.32.0 through 172.16.47.255, the whole /20 subnet."},
        },

        // Record 193
        {
            .question = {"Which command applies access list 110 to packets arriving on an "
                         "interface?"},
            .choices = {"access-list 110 in",
                        "ip access-group 110 in",
                        "ip access-class 110 in",
                        "ip access-group 110 inbound",
                        "access-group 110 in interface",
                        "ip access-list 110 in"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 9, page 495",
                            "In interface configuration mode, ip access-group <number> in or "
                            "out applies an IP access list to inbound or outbound traffic; "
                            "access-class applies a list to vty lines."},
        },

        // Record 197
        {
            .question = {"Which access-list line denies Telnet sessions from any host to the "
                         "server 10.1.1.5?"},
            .choices = {"access-list 10 deny tcp any host 10.1.1.5 eq 23",
                        "access-list 110 deny udp any host 10.1.1.5 eq 23",
                        "access-list 110 deny tcp host 10.1.1.5 any eq 23",
                        "access-list 110 deny tcp any host 10.1.1.5 eq 23",
                        "access-list 110 deny ip any host 10.1.1.5 eq 23"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 9, page 499",
                            "Extended lists use numbers 100 to 199: protocol, source, "
                            "destination, then port.",
                            "Telnet uses TCP port 23, so the line needs tcp and eq 23 after the "
                            "destination.",
                            "List 10 is standard and cannot match ports, and ip cannot take a "
                            "port.",
                            "Swapping the addresses would block Telnet sessions started by "
                            "10.1.1.5."},
        },

        // Record 201
        {
            .question = {"Which range of numbers is used for IPX extended access lists?"},
            .choices = {"1 to 99",
                        "100 to 199",
                        "800 to 899",
                        "1000 to 1099",
                        "900 to 999",
                        "200 to 299"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 9, page 517",
                            "Standard IP: 1 to 99; extended IP: 100 to 199.",
                            "Standard IPX: 800 to 899; extended IPX: 900 to 999.",
                            "IPX SAP filters: 1000 to 1099."},
        },

        // WAN: PPP, HDLC, Frame Relay, ISDN

        // Record 205
        {
            .question = {"What is the default encapsulation on a serial interface of the router?"},
            .choices = {"HDLC", "PPP", "Frame Relay", "X.25", "SLIP"},
            .correct = "A",
            .explanation = {"The router uses HDLC on its serial interfaces by default.",
                            "Its HDLC adds a proprietary protocol field, so between routers of "
                            "different makes use PPP instead.",
                            "Change it with an interface command such as encapsulation ppp or "
                            "encapsulation frame-relay."},
        },

        // Record 209
        {
            .question = {"Which PPP authentication method sends the password across the link in "
                         "clear text?"},
            .choices = {"CHAP", "LCP", "IPCP", "HDLC", "PAP", "Multilink"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 10, page 586",
                            "PAP sends the username and password in clear text, once, when the "
                            "link comes up.",
                            "CHAP sends only an MD5 hash of a challenge and the secret, and may "
                            "repeat the challenge during the call.",
                            "LCP sets up the link and IPCP negotiates IP over it."},
        },

        // Record 213
        {
            .question = {"What is the purpose of the Local Management Interface (LMI) in a Frame "
                         "Relay network?"},
            .choices = {"It maps each DLCI to the IP address of the remote router",
                        "It sets the committed information rate of each circuit",
                        "It identifies a virtual circuit on the local access link",
                        "It carries keepalives and PVC status between the router and the switch",
                        "It authenticates the router to the provider with a shared password",
                        "It compresses the headers of frames sent across the network"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 10, page 547",
                            "LMI is the signaling between the router and the provider's switch.",
                            "It sends keepalives and reports which PVCs exist and whether each "
                            "is active.",
                            "Router and switch must use the same LMI type; newer software senses "
                            "it.",
                            "Inverse ARP maps DLCIs to remote addresses, and a DLCI, not LMI, "
                            "names a virtual circuit."},
        },

        // Record 217
        {
            .question = {"Which channels does an ISDN Basic Rate Interface (BRI) provide?"},
            .choices = {"23 B channels and one 64 kbit/s D channel",
                        "30 B channels and one 64 kbit/s D channel",
                        "Two B channels and two D channels",
                        "One 128 kbit/s B channel and one 16 kbit/s D channel",
                        "Two 64 kbit/s B channels and one 16 kbit/s D channel",
                        "Two 56 kbit/s B channels and no D channel"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 10, page 585",
                            "A BRI has two 64 kbit/s B channels for data or voice and one 16 "
                            "kbit/s D channel for signaling: 2B+D.",
                            "A PRI has 23B+D (T1) or 30B+D (E1), with a 64 kbit/s D channel."},
        },

        // Record 221
        {
            .question = {"Which command shows the status and traffic counters of each permanent "
                         "virtual circuit on a Frame Relay interface?"},
            .choices = {"show frame-relay lmi",
                        "show frame-relay map",
                        "show interfaces serial 0",
                        "show frame-relay pvc",
                        "show frame-relay traffic"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 10, page 568",
                            "show frame-relay pvc lists each DLCI with its status (active, "
                            "inactive or deleted) and its counters.",
                            "show frame-relay map shows which remote address maps to which DLCI.",
                            "show frame-relay lmi shows the LMI messages sent and received.",
                            "show interfaces serial 0 shows the encapsulation, LMI type and "
                            "line status."},
        },
    };
    // clang-format on
    return entries;
}
