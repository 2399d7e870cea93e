#include "bank/content.h"

std::span<const ContentEntry> quiz_1_content()
{
    // Laid out by hand: each choice and each line of text on a row of its own.
    // clang-format off
    static constexpr ContentEntry entries[] = {
        // Seven-layer model and internetworking basics

        // Record 1
        {
            .question = {"Which of the following protocols operates at the transport layer of "
                         "the seven-layer model?"},
            .choices = {"IP", "HDLC", "UDP", "FTP", "SMTP", "Frame Relay"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 1, page 26",
                            "UDP is the connectionless transport-layer protocol of the TCP/IP "
                            "suite: it carries data between applications without setting up a "
                            "session. IP works at the network layer, HDLC and Frame Relay at the "
                            "data link layer, and FTP and SMTP are application-layer protocols."},
        },

        // Record 5
        {
            .question = {"At which layer of the seven-layer model does a router make its "
                         "forwarding decisions?"},
            .choices = {"Physical", "Data link", "Network", "Transport", "Session", "Presentation"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 1, page 12",
                            "A router forwards packets by their logical (network-layer) "
                            "addresses, such as IP or IPX addresses.",
                            "Bridges and switches work at the data link layer, and hubs and "
                            "repeaters at the physical layer."},
        },

        // Record 9
        {
            .question = {"How many bits of a MAC address form the organizationally unique "
                         "identifier (OUI) that identifies the maker?"},
            .choices = {"16", "24", "32", "40", "48"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 1, page 37",
                            "The first 24 bits (three bytes, six hex digits) of a MAC address are "
                            "the OUI, which the IEEE assigns to each maker; the maker numbers its "
                            "interfaces with the last 24 bits.",
                            "48 bits is the whole address, and 32 bits is the length of an IPv4 "
                            "address."},
        },

        // Record 13
        {
            .question = {"What does flow control at the transport layer do?"},
            .choices = {"It lets the sender resend any segment that was lost on the way",
                        "It lets the routers on the path move the session to less busy links",
                        "It keeps the segments of different sessions apart on one host",
                        "It lets the receiver pause the sender before its buffers overflow",
                        "It spreads the traffic of one session evenly over several paths"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 1, page 27",
                            "With flow control the receiver buffers short bursts and can send a "
                            "\"not ready\" indicator to pause the sender until it has caught up.",
                            "Resending lost segments is error recovery and port numbers keep "
                            "sessions apart; choosing paths, or sharing traffic over them, is "
                            "routing, not a transport job."},
        },

        // Record 17
        {
            .question = {"A bridge's table shows that the destination MAC address of an incoming "
                         "frame is on the same segment as the frame's sender. What does the "
                         "bridge do with the frame?"},
            .choices = {"It forwards the frame to its other segments",
                        "It sends the frame back out the port it arrived on",
                        "It repeats the frame on every port, as a hub does",
                        "It filters the frame and does not forward it",
                        "It passes the frame to a router for delivery",
                        "It drops the frame and sends an error message to the sender"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 1, page 40",
                            "The destination is on the segment the frame came from, so it has "
                            "already received the frame; the bridge filters (discards) it and "
                            "keeps it off its other segments.",
                            "A bridge never sends a frame back out its arrival port, does not "
                            "repeat frames like a hub, needs no router for a local frame and "
                            "sends no error message."},
        },

        // Record 21
        {
            .question = {"What does the window size of a connection-oriented transport session "
                         "control?"},
            .choices = {"How much data may be sent before an acknowledgment must come back",
                        "The largest frame the sender may put on the physical medium at one time",
                        "The number of routers a packet may cross before it is discarded",
                        "The number of sessions a host may keep open with one server at a time",
                        "The time the sender waits for an acknowledgment before it sends again"},
            .correct = "A",
            .explanation = {"The receiver advertises the window in the segments it sends back.",
                            "It is how much data the sender may send before it must wait for an "
                            "acknowledgment.",
                            "It does not limit how many sessions a host may open with one server.",
                            "The MTU limits the packet a frame may carry, the IP time-to-live "
                            "field the hop limit, and the retransmission timer the wait before "
                            "resending."},
        },

        // TCP/IP protocol suite

        // Record 25
        {
            .question = {"Which well-known port number does Telnet use?"},
            .choices = {"TCP 21", "TCP 25", "UDP 53", "TCP 23", "UDP 69", "TCP 110"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 2, page 72",
                            "Telnet is a virtual terminal protocol that runs over TCP port 23.",
                            "FTP uses TCP 21 for control, SMTP TCP 25, DNS queries UDP 53, TFTP "
                            "UDP 69 and POP3 TCP 110."},
        },

        // Record 29
        {
            .question = {"Which protocol does a host use to learn the hardware (MAC) address of a "
                         "local device when it knows only that device's IP address?"},
            .choices = {"RARP", "ICMP", "BootP", "ARP", "DNS"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 2, page 94",
                            "ARP broadcasts a request naming the IP address, and the device that "
                            "owns it replies with its MAC address.",
                            "The reply is kept in the host's ARP cache, so later packets to that "
                            "address need no new request.",
                            "RARP and BootP do not find a MAC address, ICMP carries error and "
                            "control messages, and DNS resolves host names to IP addresses."},
        },

        // Record 33
        {
            .question = {"Which protocol lets a diskless workstation that knows only its own MAC "
                         "address learn its IP address from a server?"},
            .choices = {"RARP", "ARP", "Proxy ARP", "ICMP", "DNS", "SNMP"},
            .correct = "A",
            .explanation = {"The workstation broadcasts a RARP request carrying its MAC address, "
                            "and a RARP server replies with the IP address assigned to that MAC "
                            "address.",
                            "ARP and proxy ARP cannot help a host that does not yet know its own "
                            "IP address; proxy ARP is a router answering ARP requests for other "
                            "hosts.",
                            "ICMP carries error and control messages, DNS resolves names and SNMP "
                            "manages devices."},
        },

        // Record 37
        {
            .question = {"A router receives a packet for a network that is not in its routing "
                         "table and has no default route. Which ICMP message does it send to the "
                         "source?"},
            .choices = {"Time exceeded",
                        "Destination unreachable",
                        "Echo reply",
                        "Source quench",
                        "Redirect",
                        "Parameter problem"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 2, page 88",
                            "The router drops the packet and sends the source an ICMP destination "
                            "unreachable message.",
                            "Time exceeded is sent when a packet's TTL reaches zero.",
                            "Redirect points a host to a better router on its own segment.",
                            "Echo reply is a test message, source quench asks a sender to slow "
                            "down and parameter problem reports a bad header."},
        },

        // Record 41
        {
            .question = {"Which protocol lets a host obtain its IP address, subnet mask and "
                         "default gateway from a server when it starts up?"},
            .choices = {"ARP", "ICMP", "DHCP", "DNS", "SNMP"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 2, page 83",
                            "DHCP runs over UDP at the Process/Application layer; a server leases "
                            "each host an IP address, subnet mask, default gateway and other "
                            "settings such as a DNS server.",
                            "ARP and ICMP serve IP itself and give a host no address settings.",
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
            .explanation = {"Study Guide, Chapter 2, page 89",
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
            .explanation = {"Study Guide, Chapter 3, page 144",
                            "Mask .224 gives blocks of 32: subnets .0, .32, .64, .96, .128, .160, "
                            ".192 and .224.",
                            "The first usable host of a subnet is its subnet address plus one.",
                            "172.16.45.96 is a subnet address, so .97 is the first host of that "
                            "subnet.",
                            ".32 and .160 are subnet addresses and .63, .127 and .223 are "
                            "broadcasts, so no host may use them."},
        },

        // Record 53
        {
            .question = {"The branch router at branch.example has its first Ethernet interface "
                         "set up as shown, and the interface and its line protocol are up:",
                         "",
                         "interface ethernet 0",
                         "ip address 192.168.5.61 255.255.255.240",
                         "no shutdown",
                         "A PC on that LAN segment has address 192.168.5.66, mask "
                         "255.255.255.240 and gateway 192.168.5.61. What is wrong?"},
            .choices = {"192.168.5.66 is the broadcast address of the PC's subnet",
                        "The PC is in subnet 192.168.5.64, so its gateway is not on its own subnet",
                        "The mask 255.255.255.240 cannot be used with a Class C address",
                        "192.168.5.61 is the broadcast address of the router's subnet",
                        "The gateway must be the first host address of the subnet, 192.168.5.49",
                        "Nothing: the PC and the router interface are both in subnet 192.168.5.48"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 3, page 148",
                            ".240 makes blocks of 16: the router's .61 is in 192.168.5.48 (hosts "
                            ".49 to .62, broadcast .63), and the PC's .66 in 192.168.5.64 (hosts "
                            ".65 to .78, broadcast .79).",
                            "A gateway must be on the host's own subnet, so the PC needs an "
                            "address from .49 to .62 other than the router's .61; any host address "
                            "can be a gateway, and .240 is a valid mask."},
        },

        // Record 57
        {
            .question = {"You have the Class C network 192.168.20.0 and need at least 10 subnets "
                         "with up to 12 hosts on each. Which subnet mask should you use?"},
            .choices = {"255.255.255.240",
                        "255.255.255.224",
                        "255.255.255.248",
                        "255.255.255.192",
                        "255.255.255.252"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 3, page 160",
                            "s counts the subnet bits.",
                            "h counts the host bits.",
                            "Subnets = 2^s - 2, hosts = 2^h - 2.",
                            ".192: 2 subnets, 62 hosts",
                            ".224: 6 subnets, 30 hosts",
                            ".240: 14 subnets, 14 hosts",
                            ".248: 30 subnets, 6 hosts",
                            ".252: 62 subnets, 2 hosts",
                            ".192 and .224 lack subnets.",
                            "With subnet zero, .224 has only 8.",
                            ".248 and .252 lack hosts.",
                            "Only .240 meets both needs."},
        },

        // Record 61
        {
            .question = {"Which range of first-octet values identifies the Class A networks that "
                         "can be assigned to hosts?"},
            .choices = {"0 to 127", "1 to 127", "0 to 126", "128 to 191", "1 to 126"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 3, page 120",
                            "A Class A address begins with a 0 bit: first octet 0 to 127.",
                            "Network 0 is reserved to mean this network.",
                            "Network 127 is reserved for loopback testing.",
                            "That leaves 1 to 126 for Class A networks, each with 24 host bits.",
                            "0 to 127, 1 to 127 and 0 to 126 include a reserved network.",
                            "128 to 191 is the Class B range."},
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
            .explanation = {"Study Guide, Chapter 3, page 124",
                            "A Class B address (first octet 128 to 191) has 16 network bits and "
                            "16 host bits, so its default mask is 255.255.0.0."},
        },

        // Record 69
        {
            .question = {"How many usable host addresses does the subnet 10.1.4.0/23 provide?"},
            .choices = {"254", "256", "510", "512", "1022"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 3, page 137",
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
            .explanation = {"Study Guide, Chapter 3, page 127",
                            "The private ranges are 10.0.0.0 to 10.255.255.255 (one Class A "
                            "network), 172.16.0.0 to 172.31.255.255 (16 Class B networks) and "
                            "192.168.0.0 to 192.168.255.255 (256 Class C networks)."},
        },

        // IPX protocols and addressing

        // Record 77
        {
            .question = {"Which IPX encapsulation keyword selects IEEE 802.3 framing with an "
                         "802.2 LLC header on the router's Ethernet interface?"},
            .choices = {"arpa", "snap", "hdlc", "sap", "llc"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 4, page 187",
                            "sap selects IEEE 802.3 framing with an 802.2 LLC header, named "
                            "after the header's service access point fields (not the Service "
                            "Advertising Protocol); arpa selects Ethernet II, snap adds a SNAP "
                            "header after the LLC header, hdlc is a serial encapsulation and llc "
                            "is not a keyword."},
        },

        // Record 81
        {
            .question = {"IPX clients on one Ethernet segment use two frame types, Ethernet II "
                         "and 802.3 SNAP. What must be configured on the router interface so that "
                         "it serves both?"},
            .choices = {"One IPX network number, with both frame types named in one command",
                        "A separate IPX network number for each frame type",
                        "The same IPX network number twice, once with each frame type",
                        "The sap encapsulation, which also accepts the other frame types",
                        "No command, since an interface serves every frame type by default"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 4, page 192",
                            "Each frame type on a segment forms its own logical IPX network, so "
                            "each needs its own network number: add it with ipx network N "
                            "encapsulation TYPE secondary, or configure it on a subinterface.",
                            "One network number cannot stand for two frame types, and an "
                            "interface understands only the frame types configured on it."},
        },

        // Record 85
        {
            .question = {"What does the global configuration command ipx maximum-paths 3 do?"},
            .choices = {"It marks any IPX network more than 3 hops away as unreachable",
                        "It sends IPX RIP updates out no more than 3 interfaces",
                        "It lets the router keep at most 3 IPX network numbers on one interface",
                        "It lets the router share IPX traffic over up to 3 equal-cost paths to a "
                        "network",
                        "It lets the router share IPX traffic over 3 paths of unequal cost"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 4, page 208",
                            "ipx maximum-paths sets how many equal-cost paths to one IPX network "
                            "the router keeps and shares traffic across.",
                            "The default is 1, so IPX uses one path even when others cost the "
                            "same; the command never adds paths of unequal cost.",
                            "The command does not limit hop counts, the interfaces that send "
                            "updates or the networks on an interface."},
        },

        // Record 89
        {
            .question = {"Which command shows the router's SAP table: each service it has heard "
                         "advertised, with its type, name, network.node address and hop count?"},
            .choices = {"show ipx route",
                        "show ipx interface",
                        "show ipx traffic",
                        "show ipx servers",
                        "show ipx accounting",
                        "show ipx sap-table"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 4, page 212",
                            "show ipx servers displays the SAP table, one line per known service; "
                            "show ipx route shows the IPX routing table, show ipx traffic the "
                            "packet counters, and show ipx sap-table is not a command."},
        },

        // Router command line: modes, show commands, configuration, startup

        // Record 93
        {
            .question = {"Which command on the router's command line enters global configuration "
                         "mode from privileged mode?"},
            .choices = {"enable",
                        "setup",
                        "configure terminal",
                        "configure memory",
                        "global config",
                        "line console 0"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 5, page 220",
                            "configure terminal moves from the Router# prompt to the "
                            "Router(config)# prompt.",
                            "enable moves from user mode to privileged mode, and setup starts the "
                            "interactive setup dialog.",
                            "configure memory merges the startup configuration from NVRAM into "
                            "the running configuration."},
        },

        // Record 97
        {
            .question = {"Which global configuration command tells the router which "
                         "operating-system image in flash memory to load at startup?"},
            .choices = {"boot system tftp rtr-os-12.bin 10.1.1.5",
                        "boot system flash rtr-os-12.bin",
                        "boot system rom",
                        "load flash rtr-os-12.bin",
                        "system flash rtr-os-12.bin"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 5, page 272",
                            "boot system flash followed by a file name makes the router load that "
                            "image from flash; several boot system commands are tried in the "
                            "order entered, and with none the first image in flash loads.",
                            "boot system tftp loads an image from a TFTP server and boot system "
                            "rom the smaller image in ROM; load flash and system flash are not "
                            "commands."},
        },

        // Record 101
        {
            .question = {"A router's configuration register is set to 0x2100.",
                         "The router is then reloaded with a terminal attached to its console "
                         "port.",
                         "What does the router do when it starts?"},
            .choices = {"It loads the operating-system image from flash and ignores NVRAM",
                        "It loads the image named by its boot system commands",
                        "It stops in ROM monitor mode",
                        "It starts the setup dialog because NVRAM is ignored",
                        "It loads the operating-system image from a TFTP server"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 5, page 242",
                            "The last hex digit of the register is the boot field; a boot field "
                            "of 0, as in 0x2100, makes the router stop in ROM monitor mode "
                            "instead of loading an operating-system image.",
                            "A boot field of 2 to F, as in 0x2102, loads the image named by boot "
                            "system commands or else the first image in flash; ignoring NVRAM is "
                            "a different bit (0x2142)."},
        },

        // Record 105
        {
            .question = {"Which of the following does the output of show interfaces serial 0 "
                         "include? (Choose three.)"},
            .choices = {"Whether the interface and its line protocol are up or down",
                        "The encapsulation configured on the interface",
                        "Counters of input and output errors",
                        "The routes learned through the interface",
                        "The access lists applied to the interface"},
            .correct = "ABC",
            .explanation = {"Study Guide, Chapter 5, page 261",
                            "show interfaces serial 0 reports the interface and line protocol "
                            "status, the addresses, the encapsulation, keepalive, bandwidth and "
                            "delay, and traffic counters that include input, CRC and output "
                            "errors.",
                            "It lists no routes, and the access lists applied to the interface "
                            "appear in show ip interface instead."},
        },

        // Record 109 (Switching: VTP pruning)
        {
            .question = {"Switches SW1 and SW2, the only two switches in their VTP domain, are "
                         "joined by a trunk, VTP pruning is on, and no port of SW2 is in VLAN 30. "
                         "What happens to a broadcast sent by a host in VLAN 30 on SW1?"},
            .choices = {"SW1 floods it across the trunk, and SW2 floods it out all its ports",
                        "SW1 floods it to its own VLAN 30 ports but not across the trunk",
                        "SW1 floods it across the trunk, and SW2 discards it there",
                        "SW1 floods it to its own VLAN 30 ports and reports it to SW2 in a VTP "
                        "message",
                        "SW1 sends it across the trunk untagged, in the native VLAN"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 8, page 464",
                            "VTP pruning keeps a VLAN's broadcasts, multicasts and unknown "
                            "unicasts off a trunk that leads to no switch with ports in that VLAN, "
                            "which saves trunk bandwidth.",
                            "SW1 still floods it to its own VLAN 30 ports; VTP carries VLAN "
                            "settings, not user frames.",
                            "Without pruning it would cross the trunk, and SW2, with no VLAN 30 "
                            "port, would discard it."},
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
            .explanation = {"Study Guide, Chapter 5, page 218",
                            "The > prompt marks user mode, where only basic show and test "
                            "commands are allowed.",
                            "Router# is privileged mode, Router(config)# global configuration, "
                            "and Router(config-if)# and Router(config-line)# are interface and "
                            "line configuration modes."},
        },

        // Record 117
        {
            .question = {"Under line vty 0 4, which command makes the router ask Telnet users "
                         "for the line password?"},
            .choices = {"enable secret Gr8pass",
                        "login",
                        "exec-timeout 5 0",
                        "service password-encryption",
                        "logging synchronous"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 5, page 231",
                            "login makes the line check the password set with the password "
                            "command before a Telnet user gets a prompt; with no password set, "
                            "the vty lines refuse Telnet.",
                            "enable secret guards privileged mode, exec-timeout logs idle users "
                            "out, service password-encryption scrambles stored passwords and "
                            "logging synchronous tidies console messages."},
        },

        // Routing protocols: static, RIP, IGRP

        // Record 121
        {
            .question = {"Which of the following is a characteristic of a distance-vector "
                         "routing protocol?"},
            .choices = {"Each router floods link-state advertisements to all routers in its area",
                        "Each router sends its whole table to its neighbors at regular intervals",
                        "Each router builds a complete map of the network topology",
                        "Each router runs the shortest path first algorithm to choose its routes",
                        "Routers elect a designated router on each multiaccess network",
                        "Routing loops cannot occur, so the network converges at once"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 6, page 300",
                            "Distance-vector routers send their whole table to their neighbors at "
                            "regular intervals (RIP: 30 s).",
                            "Each router knows only the distance and direction to each network, "
                            "learned from its neighbors.",
                            "LSA flooding, topology maps, SPF and DR election are link-state "
                            "features.",
                            "Split horizon, poison reverse and hold-downs counter routing loops."},
        },

        // Record 125
        {
            .question = {"A router learns 10.5.0.0/16 through OSPF. A static route to it through "
                         "192.168.9.2 must be used only while the OSPF route is missing. Which "
                         "command adds this route?"},
            .choices = {"ip route 10.5.0.0 255.255.0.0 192.168.9.2 100",
                        "ip route 10.5.0.0 255.255.0.0 192.168.9.2 1",
                        "ip route 10.5.0.0 0.0.255.255 192.168.9.2 200",
                        "ip route 10.5.0.0 255.255.0.0 192.168.9.2 backup",
                        "ip route 10.5.0.0 255.255.0.0 192.168.9.2 130"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 6, page 295",
                            "A number after the next hop sets the route's administrative distance.",
                            "At the default of 1, or at 100, it beats OSPF's 110 and is always "
                            "used.",
                            "At 130 it loses to OSPF and enters the table only when the OSPF route "
                            "is gone: a floating static route.",
                            "A static route takes a subnet mask, not a wildcard, and backup is "
                            "not a keyword."},
        },

        // Record 129
        {
            .question = {"How often does IGRP send its routing updates by default?"},
            .choices = {"Every 30 seconds",
                        "Every 90 seconds",
                        "Every 60 seconds",
                        "Every 10 seconds",
                        "Every 180 seconds",
                        "Every 120 seconds"},
            .correct = "B",
            .explanation = {"IGRP sends its whole table every 90 seconds."},
        },

        // Record 133
        {
            .question = {"Which command displays the routing table, with a code such as C, S, R, "
                         "I, D or O in front of each route to show how it was learned?"},
            .choices = {"show ip protocols",
                        "show ip interface brief",
                        "show ip route",
                        "show running-config",
                        "show ip arp",
                        "show routing-table"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 6, page 338",
                            "show ip route lists the routing table; the code gives each route's "
                            "source (C connected, S static, R RIP, I IGRP, D EIGRP, O OSPF). "
                            "show ip protocols shows routing process settings, show ip interface "
                            "brief interface status, show ip arp the ARP cache, and show "
                            "routing-table is not a command."},
        },

        // Record 137
        {
            .question = {"Which command configures a default route that sends packets with no "
                         "better match to 192.168.1.1?"},
            .choices = {"ip route 255.255.255.255 0.0.0.0 192.168.1.1",
                        "ip route 0.0.0.0 0.0.0.0 192.168.1.1",
                        "ip route 0.0.0.0 255.255.255.255 192.168.1.1",
                        "ip route 255.255.255.255 255.255.255.255 192.168.1.1",
                        "ip route default 192.168.1.1"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 6, page 294",
                            "A default route is a static route to network 0.0.0.0 with mask "
                            "0.0.0.0, which matches every destination; the router uses it only "
                            "when no more specific route exists. Mask 0.0.0.0 leaves no network "
                            "bits, so 255.255.255.255 is no valid network for it; a "
                            "255.255.255.255 mask matches a single address, and ip route takes no "
                            "keyword default."},
        },

        // Routing protocols: EIGRP and OSPF

        // Record 141
        {
            .question = {"Which value need not match between two routers for them to become OSPF "
                         "neighbors?"},
            .choices = {"The process ID given in the router ospf command",
                        "The area ID of the link between them",
                        "The hello interval",
                        "The dead interval",
                        "The authentication password, when authentication is used",
                        "Whether their shared area is a stub area"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 7, page 382",
                            "The process ID in router ospf is local to the router, so neighbors "
                            "may use different process IDs.",
                            "Neighbors must agree on the area ID, the hello and dead intervals, "
                            "the password when authentication is used, and whether the area is a "
                            "stub.",
                            "A mismatch in any of these stops the adjacency; a different process "
                            "ID never does."},
        },

        // Record 145
        {
            .question = {"Which of the following are true about EIGRP? (Choose two.)"},
            .choices = {"It sends partial updates only when a route changes",
                        "It sends its full routing table every 30 seconds",
                        "It carries the subnet mask with each route",
                        "It uses hop count as its only metric",
                        "It is a link-state protocol that floods LSAs"},
            .correct = "AC",
            .explanation = {"Study Guide, Chapter 7, page 342",
                            "EIGRP is an advanced distance-vector protocol: it sends partial "
                            "updates only when a route changes, not its full table every 30 "
                            "seconds, and carries the mask with each route, so it supports VLSM. "
                            "Its metric uses bandwidth and delay, not hops, and it floods no "
                            "LSAs."},
        },

        // Record 149
        {
            .question = {"Which value does OSPF use as its metric?"},
            .choices = {"Hop count, the number of routers on the path",
                        "Cost, worked out from the interface bandwidth",
                        "Delay and reliability, combined in one number",
                        "Load, measured on each outgoing link",
                        "MTU, the largest packet each link carries",
                        "Ticks, a delay counted in 1/18 second"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 7, page 390",
                            "The OSPF metric is cost, by default 100,000,000 divided by the "
                            "interface bandwidth in bit/s (10 for a 10 Mbit/s Ethernet); the "
                            "path with the lowest total cost wins."},
        },

        // Record 153
        {
            .question = {"Which command lists, for each destination, EIGRP's successors and "
                         "feasible successors with their feasible and reported distances?"},
            .choices = {"show ip eigrp neighbors",
                        "show ip eigrp traffic",
                        "show ip route eigrp",
                        "show ip eigrp topology",
                        "show ip protocols",
                        "show ip eigrp interfaces"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 7, page 367",
                            "show ip eigrp topology displays the EIGRP topology table, which holds "
                            "the backup routes as well as the best ones.",
                            "show ip eigrp neighbors lists the adjacent routers, show ip eigrp "
                            "traffic packet counts, show ip eigrp interfaces the EIGRP interfaces "
                            "and show ip protocols the process settings; no other choice shows "
                            "feasible successors."},
        },

        // Record 157
        {
            .question = {"How does EIGRP's default composite metric compare with IGRP's metric "
                         "for the same path?"},
            .choices = {"It is exactly the same number as IGRP's metric",
                        "It is IGRP's metric divided by 256",
                        "It is IGRP's metric with the hop count added",
                        "It is IGRP's metric multiplied by 256",
                        "It is based on hop count, while IGRP's metric is not"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 7, page 352",
                            "EIGRP uses the same formula and the same inputs as IGRP, but it "
                            "keeps a 32-bit metric instead of IGRP's 24-bit one, so the value is "
                            "IGRP's metric multiplied by 256.",
                            "This makes translating metrics between the two protocols easy; "
                            "neither metric counts hops."},
        },

        // Switching: bridging, switching methods, spanning tree, VLANs, trunking

        // Record 161
        {
            .question = {"Which of the following statements about the spanning-tree protocol are "
                         "true? (Choose all that apply.)"},
            .choices = {"It uses all redundant links at the same time to share the load",
                        "The switch with the highest bridge ID becomes the root bridge",
                        "All ports of the root bridge are in the blocking state",
                        "A port goes straight from blocking to forwarding",
                        "Switches exchange BPDUs to elect a root bridge and build the tree"},
            .correct = "E",
            .explanation = {"Switches exchange BPDUs to run spanning tree.",
                            "The BPDUs elect one root bridge.",
                            "The lowest bridge ID wins, not the highest.",
                            "Redundant ports block data frames but still receive BPDUs.",
                            "So one path is active and links share no load.",
                            "All ports of the root bridge are designated.",
                            "Designated ports forward; they do not block.",
                            "Blocked ports listen and learn before forwarding."},
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
            .explanation = {"Study Guide, Chapter 8, page 412",
                            "Cut-through waits only for the destination address, so it has the "
                            "lowest latency.",
                            "Fragment-free waits for the first 64 bytes to filter out collision "
                            "fragments.",
                            "Store-and-forward receives the whole frame and checks the CRC before "
                            "forwarding it.",
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
            .explanation = {"Study Guide, Chapter 8, page 403",
                            "A switch reads the source MAC address of every frame and notes the "
                            "port it arrived on.",
                            "Frames for unknown addresses, broadcasts and multicasts are flooded "
                            "out all ports but the incoming one.",
                            "When the destination answers, its address is learned, and later "
                            "frames go only to its port."},
        },

        // Record 173
        {
            .question = {"Which VLAN trunking standard inserts a 4-byte tag into the Ethernet "
                         "frame?"},
            .choices = {"ISL", "IEEE 802.1Q", "IEEE 802.1D", "IEEE 802.3u", "LANE", "IEEE 802.5"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 8, page 458",
                            "802.1Q inserts a 4-byte tag holding the VLAN ID after the source "
                            "address; native VLAN frames are untagged.",
                            "ISL is a proprietary method that wraps the whole frame in a 26-byte "
                            "header and a 4-byte CRC.",
                            "802.1D is spanning tree, 802.3u Fast Ethernet, 802.5 Token Ring and "
                            "LANE LAN emulation over ATM."},
        },

        // Record 177
        {
            .question = {"Which statement about full-duplex Ethernet is true?"},
            .choices = {"It needs a point-to-point link and turns collision detection off",
                        "It works on a hub port as long as only two hosts share the hub",
                        "It halves the throughput, since each direction gets half the link",
                        "It keeps CSMA/CD running so that it can detect collisions",
                        "It is possible only on 10 Mbit/s links, not on faster ones",
                        "It lets a hub send and receive on several ports at the same time"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 8, page 419",
                            "It sends and receives at once, doubling the usable capacity.",
                            "It needs a point-to-point link, such as a switch port to a host.",
                            "Each direction has its own channel: nothing can collide,",
                            "so CSMA/CD collision detection is turned off.",
                            "A hub is a shared medium, so its stations run half duplex.",
                            "Full duplex works at 10, 100 and 1000 Mbit/s."},
        },

        // Access lists: standard, extended, IPX, wildcard masks

        // Record 181
        {
            .question = {"Which of the following statements about standard IP access lists are "
                         "true? (Choose all that apply.)"},
            .choices = {"A numbered list can be applied to only one interface, in one direction",
                        "A list may hold no more than 99 lines, one for each number in its range",
                        "Removing one line with a no access-list command deletes the whole "
                        "numbered list",
                        "They can match a frame's source MAC address as well as its IP address",
                        "They filter traffic on every interface as soon as their lines are "
                        "entered"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 9, page 488",
                            "no access-list 10 followed by any line of list 10 removes all of list "
                            "10, so with the access-list command a numbered list is edited by "
                            "deleting and re-entering it.",
                            "The rest are false: one list can serve many interfaces, its number "
                            "does not limit its lines, IP lists never match MAC addresses, and a "
                            "list filters nothing until it is applied."},
        },

        // Record 185
        {
            .question = {"What does the interface configuration command no ip access-group 110 "
                         "in do?"},
            .choices = {"It deletes access list 110 and all its entries from the router",
                        "It removes the last entry of access list 110",
                        "It removes list 110 from inbound traffic on the interface but leaves the "
                        "list defined",
                        "It reverses list 110, so its permit entries deny and its deny entries "
                        "permit",
                        "It applies list 110 to outbound traffic instead of inbound traffic",
                        "It turns off every access list on the interface in both directions"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 9, page 512",
                            "The command only unbinds list 110 from the interface's inbound "
                            "direction: packets arriving there are no longer checked, while the "
                            "entries of list 110 stay in the configuration and can be applied "
                            "again; it touches no other list or direction and never changes the "
                            "entries."},
        },

        // Record 189
        {
            .question = {"Which traffic leaving an interface is not checked by an outbound "
                         "access list on that interface?"},
            .choices = {"Packets routed to it from another interface",
                        "Packets whose source is on another subnet",
                        "Packets that the router itself originates",
                        "Packets that carry TCP segments",
                        "Packets whose destination is a remote network"},
            .correct = "C",
            .explanation = {"An outbound list checks the packets that the router routes out of "
                            "the interface; traffic the router generates itself, such as its own "
                            "pings and Telnet sessions, is not checked by it.",
                            "Routed packets are checked whatever their source, destination or "
                            "protocol."},
        },

        // Record 193
        {
            .question = {"When does the router check a packet against an access list applied "
                         "inbound on an interface?"},
            .choices = {"After the router has chosen the outgoing interface for it",
                        "As it arrives, before the router looks up a route for it",
                        "As it arrives, but only if it is addressed to the router itself",
                        "After it has been queued on the outgoing interface",
                        "As it arrives, but only if the router has no route for it",
                        "As the first packet of a session arrives, and not for later ones"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 9, page 509",
                            "An inbound list is checked as the packet arrives, before the router "
                            "looks up a route, so a denied packet is never routed; an outbound "
                            "list is checked after routing, as the packet leaves, and lists judge "
                            "packets one at a time, not once per session."},
        },

        // Record 197
        {
            .question = {"Which range of access-list numbers is used for IPX SAP filters?"},
            .choices = {"800 to 899", "900 to 999", "100 to 199", "1000 to 1099", "1100 to 1199"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 9, page 524",
                            "SAP filters use the numbers 1000 to 1099.",
                            "They match service advertisements by the server's network, node and "
                            "service type.",
                            "ipx input-sap-filter and ipx output-sap-filter apply them to an "
                            "interface.",
                            "The other ranges belong to other kinds of access list, not to SAP "
                            "filters."},
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
            .explanation = {"Study Guide, Chapter 9, page 521",
                            "Extended IPX access lists use the numbers 900 to 999.",
                            "Besides addresses, they can also test the IPX protocol type and "
                            "socket numbers.",
                            "The other ranges belong to other kinds of access list."},
        },

        // WAN: PPP, HDLC, Frame Relay, ISDN

        // Record 205
        {
            .question = {"What does the command frame-relay map ip 10.1.1.2 102 broadcast do on "
                         "a Frame Relay interface?"},
            .choices = {"It maps remote address 10.1.1.2 to DLCI 102 and lets broadcasts cross "
                        "that circuit",
                        "It gives the local interface the address 10.1.1.2 and the far end DLCI "
                        "102",
                        "It maps 10.1.1.2 to DLCI 102 and blocks broadcasts on that circuit",
                        "It sends every broadcast to 10.1.1.2 over all the PVCs of the interface",
                        "It sets a committed information rate of 102 kbit/s for traffic to "
                        "10.1.1.2"},
            .correct = "A",
            .explanation = {"The static map ties the next-hop address 10.1.1.2 to DLCI 102, the "
                            "circuit that leads to that router.",
                            "broadcast makes the router copy broadcasts and multicasts, such as "
                            "routing updates, onto that circuit.",
                            "The map gives the local interface no address, allows rather than "
                            "blocks broadcasts, uses only that one circuit and sets no CIR."},
        },

        // Record 209
        {
            .question = {"Which PPP authentication method sends the password across the link in "
                         "clear text?"},
            .choices = {"CHAP", "LCP", "IPCP", "RADIUS", "PAP", "Kerberos"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 10, page 546",
                            "PAP sends the username and password in clear text, once, when the "
                            "link comes up.",
                            "CHAP sends only an MD5 hash of a challenge and the secret, and may "
                            "repeat the challenge during the call.",
                            "LCP sets up the link and IPCP negotiates IP over it; RADIUS and "
                            "Kerberos are not PPP methods."},
        },

        // Record 213
        {
            .question = {"What is the purpose of the Local Management Interface (LMI) in a Frame "
                         "Relay network?"},
            .choices = {"It maps each DLCI to the IP address of the remote router",
                        "It sets the committed information rate of each circuit",
                        "It chooses the path that each frame takes through the provider's network",
                        "It carries keepalives and PVC status between the router and the switch",
                        "It authenticates the router to the provider with a shared password",
                        "It compresses the headers of frames sent across the network"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 10, page 560",
                            "LMI is the signaling between the router and the provider's switch.",
                            "It sends keepalives and reports which PVCs exist and whether each is "
                            "active.",
                            "Router and switch must use the same LMI type; newer software senses "
                            "it.",
                            "LMI does not map DLCIs to addresses, set the CIR, authenticate, "
                            "compress or route frames across the provider's network."},
        },

        // Record 217
        {
            .question = {"Which combination of channels does an ISDN Basic Rate Interface (BRI) "
                         "provide?"},
            .choices = {"23 B channels and one 64 kbit/s D channel",
                        "30 B channels and one 64 kbit/s D channel",
                        "Two B channels and two D channels",
                        "One 128 kbit/s B channel and one 16 kbit/s D channel",
                        "Two 64 kbit/s B channels and one 16 kbit/s D channel",
                        "Two 56 kbit/s B channels and no D channel"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 10, page 578",
                            "A BRI has two 64 kbit/s B channels for data or voice and one 16 "
                            "kbit/s D channel for signaling: 2B+D.",
                            "A PRI has 23B+D (T1) or 30B+D (E1), with a 64 kbit/s D channel."},
        },

        // Record 221
        {
            .question = {"A hub router reaches three branch routers through one multipoint Frame "
                         "Relay subinterface, all in one subnet; each branch has a PVC only to the "
                         "hub. The branches learn the hub's networks but not one another's RIP "
                         "routes. Which change fixes this while leaving split horizon on?"},
            .choices = {"Add the keyword broadcast to each frame-relay map on the subinterface",
                        "Run RIP version 2 on the hub and on every branch",
                        "On the hub, add a RIP neighbor command for each branch router",
                        "Give each PVC a point-to-point subinterface and subnet of its own",
                        "Turn on poison reverse on the hub's multipoint subinterface"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 10, page 568",
                            "Split horizon stops the hub sending a route out the subinterface it "
                            "came in on, which the branches share.",
                            "A point-to-point subinterface and subnet per PVC let the hub relay "
                            "routes.",
                            "broadcast cannot help: split horizon, not the map, holds routes back.",
                            "Version 2 and neighbor commands keep split horizon; poison reverse "
                            "marks routes unreachable."},
        },
    };
    // clang-format on
    return entries;
}
