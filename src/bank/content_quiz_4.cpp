#include "bank/content.h"

std::span<const ContentEntry> quiz_4_content()
{
    // Laid out by hand: each choice and each line of text on a row of its own.
    // clang-format off
    static constexpr ContentEntry entries[] = {
        // Seven-layer model and internetworking basics

        // Record 4
        {
            .question = {"Which of the following are functions of the data link layer? (Choose "
                         "two.)"},
            .choices = {"Routing packets between logical networks",
                        "Framing data and adding a trailer with a frame check sequence",
                        "Physical (hardware) addressing with MAC addresses",
                        "Establishing and ending sessions between applications",
                        "Encoding bits as voltages or light pulses on the medium"},
            .correct = "BC",
            .explanation = {"Study Guide, Chapter 1, page 35",
                            "The data link layer builds frames, adds the FCS trailer and delivers "
                            "frames by MAC address.",
                            "Routing by logical address is the network layer's job, and sessions "
                            "belong to the session layer.",
                            "Signaling bits on the medium is done at the physical layer."},
        },

        // Record 8
        {
            .question = {"What does the Logical Link Control (LLC) sublayer, defined by IEEE "
                         "802.2, do?"},
            .choices = {"It controls access to the shared medium and adds the hardware addresses",
                        "It encodes the bits as voltages on the cable",
                        "It chooses the best path to a remote network",
                        "It gives each host a logical address such as an IP address",
                        "It identifies the network-layer protocol carried in the frame"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 1, page 36",
                            "LLC tells the receiving host which network-layer protocol, such as IP "
                            "or IPX, is inside the frame, so that several protocols can share one "
                            "link. It neither controls access to the medium nor adds the hardware "
                            "addresses, and logical addresses, path selection and signaling belong "
                            "to other layers."},
        },

        // Record 12
        {
            .question = {"What is the correct order of data encapsulation as data moves down the "
                         "layers of the sending host?"},
            .choices = {"Data, packets, segments, frames, bits",
                        "Data, segments, frames, packets, bits",
                        "Data, segments, packets, frames, bits",
                        "Bits, frames, packets, segments, data",
                        "Data, frames, segments, packets, bits",
                        "Segments, data, packets, bits, frames"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 1, page 15",
                            "Going down the stack, the user's data is split into segments, each "
                            "segment is carried in a packet, each packet in a frame, and each "
                            "frame is sent as bits."},
        },

        // Record 16
        {
            .question = {"Which device breaks up broadcast domains by default?"},
            .choices = {"Router", "Switch", "Bridge", "Hub", "Repeater"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 1, page 2",
                            "A router does not forward broadcasts by default, so each of its "
                            "interfaces is a broadcast domain of its own."},
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
            .explanation = {"Study Guide, Chapter 1, page 5",
                            "Each switch port is a separate collision domain.",
                            "A hub shares one collision domain among all its hosts, so each hub "
                            "segment is one collision domain: 8 in all.",
                            "A switch floods broadcasts out all ports in the same VLAN.",
                            "With one VLAN, the whole network is therefore 1 broadcast domain."},
        },

        // Record 24
        {
            .question = {"Which range of TCP and UDP port numbers is the well-known range?"},
            .choices = {"0 to 511",
                        "1 to 100",
                        "0 to 1023",
                        "1024 to 49151",
                        "49152 to 65535",
                        "0 to 65535"},
            .correct = "C",
            .explanation = {"Ports 0 to 1023 are the well-known ports, set aside for common "
                            "server applications.",
                            "Ports 1024 to 49151 are registered ports, and 49152 to 65535 are "
                            "dynamic (private) ports.",
                            "A client normally picks a source port above 1023 for each session it "
                            "opens.",
                            "The port field has 16 bits, so 0 to 65535 is the whole range, not "
                            "just the well-known part."},
        },

        // TCP/IP protocol suite

        // Record 28 (WAN: HDLC framing)
        {
            .question = {"Which bit pattern marks the beginning and the end of every HDLC frame "
                         "on a serial link?"},
            .choices = {"10101010", "11111111", "10101011", "00000000", "01111110"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 10, page 537",
                            "Every HDLC frame opens and closes with the flag 01111110 (hex 7E); "
                            "so that the pattern never appears inside a frame, the sender inserts "
                            "a 0 after any five 1 bits in a row and the receiver removes it. "
                            "10101010 repeated is the Ethernet preamble and 10101011 its "
                            "start-of-frame delimiter, and neither all ones nor all zeros is a "
                            "flag."},
        },

        // Record 32
        {
            .question = {"On which port does a web server listen for secure HTTP (HTTPS) "
                         "connections?"},
            .choices = {"TCP 80", "TCP 110", "TCP 443", "TCP 8080", "UDP 53", "TCP 22"},
            .correct = "C",
            .explanation = {"HTTPS is HTTP carried inside an encrypted SSL/TLS session, and web "
                            "servers accept it on TCP port 443.",
                            "TCP 80 is plain HTTP, and TCP 8080 is a common alternative port for "
                            "plain HTTP.",
                            "TCP 22 is SSH, TCP 110 is POP3 and UDP 53 carries DNS queries."},
        },

        // Record 36
        {
            .question = {"Which of the following correctly describes the TCP three-way handshake?"},
            .choices = {"The client sends SYN, the server replies with SYN/ACK, and the client "
                        "sends ACK",
                        "The client sends ACK, the server replies with SYN, and the client sends "
                        "SYN/ACK",
                        "The client sends SYN, the server replies with ACK, and the client sends "
                        "FIN",
                        "The server sends SYN, the client replies with ACK, and the server sends "
                        "FIN",
                        "The client sends SYN/ACK, the server replies with SYN, and the client "
                        "sends ACK"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 2, page 59",
                            "1. The client sends a segment with SYN set and its initial sequence "
                            "number.",
                            "2. The server acknowledges it and sends its own SYN in one SYN/ACK "
                            "segment.",
                            "3. The client acknowledges the server's SYN with ACK.",
                            "The connection is then established and data can flow."},
        },

        // Record 40 (Switching: VLAN membership)
        {
            .question = {"Which statement about the ways a switch port can be given its VLAN is "
                         "true?"},
            .choices = {"With dynamic membership, a port's VLAN follows the MAC address of the "
                        "host on it",
                        "With dynamic membership, the switch needs no server or database to assign "
                        "VLANs",
                        "With static membership, the administrator names each host's VLAN rather "
                        "than each port's",
                        "With dynamic membership, a port's VLAN changes with the traffic load on "
                        "the switch",
                        "With dynamic membership, a port takes its VLAN from the tag in each frame "
                        "the host sends",
                        "With static membership, all the ports of one switch must share a single "
                        "VLAN"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 8, page 452",
                            "A static VLAN is set on each port by hand and stays with the port, so "
                            "a host that moves lands in its new port's VLAN; ports may differ in "
                            "VLAN.",
                            "A dynamic VLAN is chosen per host, usually by its MAC address in a "
                            "server's database, so it follows the host; load plays no part, and "
                            "hosts send untagged frames, so no VLAN comes from a tag."},
        },

        // Record 44
        {
            .question = {"A host has no default gateway set, yet it reaches hosts on other "
                         "subnets, and its ARP cache lists the router's MAC address for each of "
                         "their IP addresses. Which router feature explains this?"},
            .choices = {"RARP", "Inverse ARP", "ICMP redirect", "Proxy ARP", "Gratuitous ARP"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 2, page 96",
                            "With proxy ARP the router answers the host's ARP request for a remote "
                            "host with its own MAC address and forwards the host's frames. An ICMP "
                            "redirect only steers a host that already uses a gateway; gratuitous "
                            "ARP announces a host's own address, Inverse ARP learns a Frame Relay "
                            "neighbor's address, and RARP lets a host learn its own IP address."},
        },

        // Record 48
        {
            .question = {"How many bytes long is the UDP header?"},
            .choices = {"8 bytes", "20 bytes", "12 bytes", "24 bytes", "4 bytes"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 2, page 68",
                            "The UDP header is 8 bytes, four fields of 2 bytes each:",
                            "source port and destination port;",
                            "length and checksum.",
                            "A TCP header is at least 20 bytes because it adds sequence and "
                            "acknowledgment numbers, flags and a window."},
        },

        // IP addressing and subnetting

        // Record 52
        {
            .question = {"Which range of first-octet values identifies Class D addresses, the "
                         "addresses used for multicast?"},
            .choices = {"240 to 255", "192 to 239", "224 to 255", "225 to 254", "224 to 239"},
            .correct = "E",
            .explanation = {"Class D addresses begin with the bits 1110, so their first octet "
                            "runs from 224 to 239, and each identifies a multicast group; first "
                            "octets from 240 up (bits 1111) are Class E, reserved for "
                            "experimental use."},
        },

        // Record 56
        {
            .question = {"Which mask gives a Class B network at least 200 subnets while leaving "
                         "the most hosts per subnet?"},
            .choices = {"255.255.254.0",
                        "255.255.255.128",
                        "255.255.252.0",
                        "255.255.255.0",
                        "255.255.240.0",
                        "255.255.255.192"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 3, page 162",
                            "Seven subnet bits give only 128 subnets; eight give 256 (254 "
                            "without the zero and all-ones subnets), enough for 200, and leave 8 "
                            "host bits for 254 hosts each: 255.255.255.0. The masks .128 and "
                            ".192 borrow 9 and 10 bits and leave fewer hosts, and .254.0, .252.0 "
                            "and .240.0 give too few subnets."},
        },

        // Record 60
        {
            .question = {"What is the hexadecimal value of the decimal number 172?"},
            .choices = {"A2", "CA", "AB", "AC", "BC"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 3, page 116",
                            "172 / 16 = 10 remainder 12; 10 is written A and 12 is written C, so "
                            "172 = AC (10 x 16 + 12 = 172). CA is 202, AB is 171, BC is 188 and "
                            "A2 is 162."},
        },

        // Record 64
        {
            .question = {"Which address does a host ping to test its own TCP/IP stack without "
                         "sending anything onto the network?"},
            .choices = {"127.0.0.1", "0.0.0.0", "255.255.255.255", "169.254.0.1", "224.0.0.1"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 3, page 129",
                            "127.0.0.1 is the loopback address: packets sent to it are turned "
                            "around inside the host's own TCP/IP software and never reach the "
                            "network, so a reply proves the stack works.",
                            "0.0.0.0 means this host or the default route, 255.255.255.255 is "
                            "the local broadcast, 169.254.0.1 is link-local and 224.0.0.1 is the "
                            "all-hosts multicast group."},
        },

        // Record 68
        {
            .question = {"The network 192.168.10.0/24 is subnetted with variable-length masks, "
                         "and the subnet 192.168.10.64/26 is already in use.",
                         "Which of the following subnets can also be assigned without "
                         "overlapping it? (Choose two.)"},
            .choices = {"192.168.10.32/27",
                        "192.168.10.96/27",
                        "192.168.10.0/25",
                        "192.168.10.120/29",
                        "192.168.10.128/25"},
            .correct = "AE",
            .explanation = {"Study Guide, Chapter 3, page 174",
                            "192.168.10.64/26 covers 192.168.10.64 to 192.168.10.127.",
                            "192.168.10.32/27 (.32 to .63) and 192.168.10.128/25 (.128 to .255) "
                            "lie outside it, so both can be used.",
                            "192.168.10.0/25 (.0 to .127) contains the whole /26.",
                            "192.168.10.96/27 (.96 to .127) and 192.168.10.120/29 (.120 to .127) "
                            "lie inside it."},
        },

        // Record 72
        {
            .question = {"A router interface is configured with 192.168.50.77 255.255.255.224.",
                         "What are the subnet address, broadcast address and valid host range for "
                         "this interface?"},
            .choices = {"Subnet 192.168.50.0, broadcast .31, hosts .1 to .30",
                        "Subnet 192.168.50.64, broadcast .127, hosts .65 to .126",
                        "Subnet 192.168.50.64, broadcast .95, hosts .65 to .94",
                        "Subnet 192.168.50.72, broadcast .79, hosts .73 to .78",
                        "Subnet 192.168.50.77, broadcast .95, hosts .78 to .94",
                        "Subnet 192.168.50.96, broadcast .127, hosts .97 to .126"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 3, page 144",
                            "255.255.255.224 is /27, leaving 5 host bits.",
                            "Block size: 256 - 224 = 32.",
                            "Subnets: .0, .32, .64, .96, .128 and so on.",
                            "77 lies between 64 and 95, so the subnet is 192.168.50.64.",
                            "Broadcast: next subnet (.96) minus 1 = 192.168.50.95.",
                            "Valid hosts: 192.168.50.65 to 192.168.50.94."},
        },

        // Record 76
        {
            .question = {"Which single route summarizes exactly the eight networks 172.16.8.0/24 "
                         "through 172.16.15.0/24?"},
            .choices = {"172.16.0.0/20",
                        "172.16.8.0/22",
                        "172.16.8.0/24",
                        "172.16.0.0/16",
                        "172.16.8.0/21"},
            .correct = "E",
            .explanation = {"Eight /24 networks take 3 bits of the third octet: 24 - 3 = /21 "
                            "(255.255.248.0).",
                            "8 is a multiple of 8, so the block 8 to 15 starts on a boundary: "
                            "172.16.8.0/21.",
                            "A /20 or /16 also covers other networks, and a /22 covers only 8 to "
                            "11."},
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
                            "Hops decide only between routes with equal tick counts, never first; "
                            "the remaining choices come from the metrics of IP routing protocols."},
        },

        // Record 84
        {
            .question = {"Which of the following commands are needed to enable basic IPX routing "
                         "on a router's interfaces? (Choose two.)"},
            .choices = {"ipx router eigrp 10 (in global configuration mode)",
                        "ipx maximum-paths 2 (in global configuration mode)",
                        "ipx sap-interval 0 (in interface configuration mode)",
                        "ipx routing (in global configuration mode)",
                        "ipx delay 1 (in interface configuration mode)",
                        "ipx network 2a (in interface configuration mode)"},
            .correct = "DF",
            .explanation = {"Study Guide, Chapter 4, page 206",
                            "ipx routing in global configuration mode starts IPX, along with IPX "
                            "RIP and SAP.",
                            "ipx network in each interface assigns the network number and "
                            "activates IPX there.",
                            "Load balancing, EIGRP for IPX, delay and timer changes are optional."},
        },

        // Record 88
        {
            .question = {"What is the purpose of SAP in an IPX network?"},
            .choices = {"It resolves IPX addresses to MAC addresses",
                        "It chooses the best route to each IPX network",
                        "It lets servers advertise their services and addresses",
                        "It assigns network numbers to clients when they boot",
                        "It carries file and print requests between client and server"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 4, page 196",
                            "Servers broadcast SAP advertisements of their services every 60 "
                            "seconds, and routers keep them in a SAP table.",
                            "IPX RIP, not SAP, finds routes, and the suite's core file-and-print "
                            "protocol, not SAP, carries file and print requests."},
        },

        // Record 92
        {
            .question = {"Which command shows the IPX network number, node address and frame type "
                         "of Ethernet 0 on the router?"},
            .choices = {"show ipx route",
                        "show ipx interface ethernet 0",
                        "show ipx ethernet 0",
                        "show ipx network ethernet 0",
                        "show interfaces ethernet 0"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 4, page 211",
                            "show ipx interface ethernet 0 reports the interface's IPX network "
                            "number, node address and encapsulation (frame type).",
                            "show interfaces ethernet 0 gives the line status, MAC address and "
                            "counters, but no IPX network number.",
                            "show ipx route shows the IPX routing table; show ipx ethernet 0 and "
                            "show ipx network ethernet 0 are not commands."},
        },

        // Router command line: modes, show commands, configuration, startup

        // Record 96
        {
            .question = {"What is the factory default value of the router's configuration "
                         "register, the value for a normal startup?"},
            .choices = {"0x2142", "0x2100", "0x2102", "0x2101", "0x2141"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 5, page 243",
                            "0x2102 is the factory default; its boot field, the last hex digit, "
                            "is 2.",
                            "Each of the other values changes the boot field or sets another bit.",
                            "None of them is the value a router leaves the factory with."},
        },

        // Record 100
        {
            .question = {"Which configuration register value makes the router ignore the contents "
                         "of NVRAM at bootup?"},
            .choices = {"0x2102", "0x2100", "0x2142", "0x2101", "0x2002", "0x2120"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 5, page 244",
                            "Bit 6 (0x0040) tells the router to ignore NVRAM; 0x2142 sets it and "
                            "is used for password recovery.",
                            "None of the other values sets bit 6, so none tells the router to "
                            "ignore NVRAM."},
        },

        // Record 104 (WAN: dial-on-demand routing)
        {
            .question = {"Dial-on-demand routing is set up on a router's ISDN BRI interface, and "
                         "no call is up. Which event makes the router place a call?"},
            .choices = {"A packet that matches the dialer list is routed to the interface",
                        "A route to the remote network is added to the routing table",
                        "The dialer-group command is entered on the interface",
                        "The idle timeout set on the interface runs out",
                        "The provider's switch reports that a B channel has become free"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 10, page 592",
                            "The router dials only for a packet that matches the dialer list tied "
                            "to the interface by dialer-group, such as dialer-list 1 protocol ip "
                            "permit with dialer-group 1.",
                            "Other packets never place a call, and neither a new route nor the "
                            "dialer-group command itself does.",
                            "The idle timeout hangs up a call that carries no interesting "
                            "traffic."},
        },

        // Record 108
        {
            .question = {"Which of the following are true about the router's normal startup "
                         "sequence? (Choose all that apply.)"},
            .choices = {"The POST tests the hardware",
                        "The startup configuration is loaded from flash before the software image",
                        "The bootstrap program in ROM locates and loads the operating system image",
                        "By default the operating system image is loaded from flash memory",
                        "If no startup configuration is found in NVRAM, setup mode starts"},
            .correct = "ACDE",
            .explanation = {"Study Guide, Chapter 5, page 238",
                            "1. POST in ROM checks the hardware.",
                            "2. The bootstrap in ROM loads the operating system.",
                            "3. By default the image comes from flash.",
                            "boot system commands can point elsewhere (TFTP).",
                            "4. The NVRAM configuration is loaded into RAM.",
                            "5. With no startup configuration, setup starts.",
                            "The configuration comes from NVRAM, after the image."},
        },

        // Record 112
        {
            .question = {"Which of the following commands set a password that protects "
                         "privileged EXEC mode? (Choose two.)"},
            .choices = {"password mypass (in line console 0 mode)",
                        "password mypass (in line vty 0 4 mode)",
                        "service password-encryption",
                        "enable secret mypass",
                        "login",
                        "enable password mypass"},
            .correct = "DF",
            .explanation = {"enable secret and enable password both protect privileged mode; if "
                            "both are set, the encrypted enable secret is used.",
                            "password under line console 0 protects console access.",
                            "Under line vty 0 4, password (with login) protects Telnet access.",
                            "service password-encryption only encrypts passwords in the "
                            "configuration."},
        },

        // Record 116 (Switching: a switch's management address)
        {
            .question = {"Why does a layer 2 switch need an IP address of its own?"},
            .choices = {"So that it can forward frames between hosts in the same VLAN",
                        "So that it can learn the MAC addresses of the hosts on its ports",
                        "So that it can be managed over the network, with Telnet or SNMP",
                        "So that it can route packets between its VLANs",
                        "So that it can run spanning tree with its neighbors"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 8, page 455",
                            "A switch forwards, learns and runs spanning tree by MAC addresses "
                            "and BPDUs alone.",
                            "It needs an IP address only to be managed over the network.",
                            "The address goes on the management VLAN, VLAN 1 by default, with a "
                            "default gateway for managers on other subnets.",
                            "Routing between VLANs needs a layer 3 device."},
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
            .explanation = {"Study Guide, Chapter 5, page 287",
                            "Up/down means the physical layer works but the data link layer does "
                            "not, for example because the encapsulations or keepalives do not "
                            "match.",
                            "A shut interface shows administratively down; no cable shows "
                            "down/down.",
                            "IP address and mask problems do not change the line protocol."},
        },

        // Routing protocols: static, RIP, IGRP

        // Record 124
        {
            .question = {"Under router rip, what does the command network 10.0.0.0 do?"},
            .choices = {"It runs RIP on the interfaces in subnet 10.0.0.0/24",
                        "It sends 10.0.0.0 to the neighbors as a default route",
                        "It lets the router learn routes to 10.0.0.0 without sending updates",
                        "It runs RIP on every interface with an address in 10.0.0.0/8",
                        "It sends the router's RIP updates to a neighbor at 10.0.0.0"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 6, page 316",
                            "The RIP network command takes a classful network and no mask.",
                            "Every interface in 10.0.0.0/8 sends and receives RIP updates.",
                            "The connected subnets of 10.0.0.0 are advertised to neighbors.",
                            "Interfaces in other networks need their own network command.",
                            "It means no /24, sets no default route and names no neighbor."},
        },

        // Record 128
        {
            .question = {"What is the largest hop count a RIP route can have and still be "
                         "considered reachable?"},
            .choices = {"255", "100", "16", "15", "30"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 6, page 320",
                            "RIP allows a maximum of 15 hops.",
                            "A metric of 16 means infinity (unreachable), which limits RIP to "
                            "small networks.",
                            "IGRP allows 100 hops by default and up to 255."},
        },

        // Record 132
        {
            .question = {"Which command creates a static route to network 172.20.16.0/20 through "
                         "the next-hop router 10.1.1.2?"},
            .choices = {"ip route 172.20.16.0 0.0.15.255 10.1.1.2",
                        "ip route 10.1.1.2 255.255.240.0 172.20.16.0",
                        "ip route 172.20.0.0 0.0.15.255 10.1.1.2",
                        "ip route 172.20.16.0 255.255.240.0 10.1.1.2",
                        "ip route 172.20.16.0 255.255.255.0 10.1.1.2"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 6, page 292",
                            "In global configuration mode: ip route network mask next-hop (or "
                            "exit interface).",
                            "A /20 mask is 255.255.240.0; a wildcard mask is not used here.",
                            "A 255.255.255.0 mask would match only 172.20.16.0/24, and 172.20.0.0 "
                            "starts another /20 block."},
        },

        // Record 136
        {
            .question = {"What does IGRP use by default to calculate its metric?"},
            .choices = {"Hop count only",
                        "Bandwidth and delay",
                        "Bandwidth, delay, load and reliability",
                        "Cost based on bandwidth",
                        "Ticks and hops"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 6, page 329",
                            "IGRP can weigh bandwidth, delay, load and reliability, but by default "
                            "only bandwidth and delay are used.",
                            "RIP uses hop count, and OSPF a cost based on bandwidth."},
        },

        // Record 140
        {
            .question = {"Which feature stops a router from advertising a route back out the "
                         "interface it learned the route on?"},
            .choices = {"Route summarization",
                        "Poison reverse",
                        "Triggered updates",
                        "Split horizon",
                        "Administrative distance"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 6, page 309",
                            "Split horizon never sends a route back out the interface it was "
                            "learned on, so a neighbor cannot hear its own route back as if it "
                            "were new.",
                            "Poison reverse instead sends the route back with an infinite "
                            "metric, triggered updates send changes at once, summarization "
                            "merges routes and administrative distance ranks route sources."},
        },

        // Routing protocols: EIGRP and OSPF

        // Record 144
        {
            .question = {"In which order does an OSPF router pass through the neighbor states as "
                         "it forms an adjacency with a new neighbor?"},
            .choices = {"Down, Init, ExStart, 2-Way, Exchange, Loading, Full",
                        "Down, Init, 2-Way, ExStart, Loading, Exchange, Full",
                        "Down, Init, 2-Way, Loading, ExStart, Exchange, Full",
                        "Down, Init, 2-Way, ExStart, Exchange, Loading, Full",
                        "Down, Init, ExStart, 2-Way, Loading, Exchange, Full"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 7, page 388",
                            "Init: a hello arrived that does not yet list this router; 2-Way: each "
                            "sees its own ID in the other's hellos; ExStart: master and slave are "
                            "chosen; Exchange: database descriptions are swapped; Loading: missing "
                            "LSAs are requested; Full: the databases match."},
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
            .question = {"Why does OSPF elect a designated router on a broadcast multiaccess "
                         "network such as Ethernet?"},
            .choices = {"The DR lets each router keep fewer full adjacencies and flood less",
                        "Only the DR may forward user traffic onto the network",
                        "The DR hands out router IDs to the other routers",
                        "The DR runs SPF on behalf of every router on the network",
                        "The DR sends a default route to the other routers",
                        "The DR blocks redundant links to stop routing loops"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 7, page 385",
                            "Without a DR, n routers on one segment would need n(n-1)/2 full "
                            "adjacencies and would flood every change to one another; with a DR "
                            "and BDR each of the other routers keeps only two, and the DR passes "
                            "updates on to the rest.",
                            "Every router still runs SPF, forwards its own traffic and chooses "
                            "its own router ID."},
        },

        // Record 156
        {
            .question = {"Which algorithm does EIGRP use to choose loop-free routes and keep "
                         "backup routes?"},
            .choices = {"Shortest path first (SPF)",
                        "Classic distance-vector algorithm of RIP",
                        "Spanning Tree Algorithm",
                        "DUAL",
                        "Split horizon with poison reverse",
                        "Round-robin load balancing"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 7, page 344",
                            "EIGRP uses the Diffusing Update Algorithm (DUAL) to pick a "
                            "successor and keep feasible successors as loop-free backup routes."},
        },

        // Record 160
        {
            .question = {"How does OSPF choose its router ID when neither a router-id command nor "
                         "a loopback interface is configured?"},
            .choices = {"The highest IP address of an active interface",
                        "The lowest IP address of an active interface",
                        "The highest MAC address of any interface",
                        "The IP address of the first interface configured",
                        "A random number chosen at startup"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 7, page 383",
                            "Unless set by configuration, OSPF uses the highest IP address on an "
                            "active interface.",
                            "A loopback address is preferred when one exists, because a loopback "
                            "interface never goes down."},
        },

        // Switching: bridging, switching methods, spanning tree, VLANs, trunking

        // Record 164
        {
            .question = {"How much of a frame does a switch using fragment-free switching "
                         "receive before it starts to forward the frame?"},
            .choices = {"The first 6 bytes, which hold the destination address",
                        "The first 64 bytes",
                        "The first 14 bytes, the whole Ethernet header",
                        "The first 512 bytes",
                        "The whole frame, so that it can check the CRC",
                        "Only the preamble"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 8, page 413",
                            "Fragment-free switching waits for the first 64 bytes, where any "
                            "collision shows up, so collision fragments are not forwarded. "
                            "Reading only the destination address is cut-through, and receiving "
                            "the whole frame is store-and-forward."},
        },

        // Record 168
        {
            .question = {"Five switches all use the default bridge priority of 32768. Which one "
                         "is elected the root bridge?"},
            .choices = {"SW1 with MAC address 02-E5-3C-44-10-01",
                        "SW2 with MAC address 02-2C-7E-3A-52-C8",
                        "SW3 with MAC address 02-6F-19-01-02-03",
                        "SW4 with MAC address 02-CE-A5-00-00-01",
                        "SW5 with MAC address 02-9B-4D-FF-00-0A"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 8, page 430",
                            "The root bridge is the switch with the lowest bridge ID.",
                            "Bridge ID = 2-byte priority + 6-byte MAC address.",
                            "All priorities are equal (32768), so the lowest MAC wins.",
                            "Byte by byte: all start 02, then 2C < 6F < 9B < CE < E5.",
                            "SW2 (02-2C-7E-3A-52-C8) has the lowest MAC and becomes root.",
                            "Lowering one switch's priority would make it root instead."},
        },

        // Record 172
        {
            .question = {"What is the default spanning-tree forward delay, the time a port "
                         "spends in each of the listening and learning states?"},
            .choices = {"5 seconds",
                        "10 seconds",
                        "15 seconds",
                        "20 seconds",
                        "30 seconds",
                        "50 seconds"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 8, page 446",
                            "The forward delay is 15 seconds by default.",
                            "A port spends one forward delay listening and another learning, 30 "
                            "seconds in all.",
                            "A blocked port may first wait up to the max age of 20 seconds for "
                            "stored root information to expire.",
                            "So a blocked port can take up to 50 seconds to reach forwarding."},
        },

        // Record 176
        {
            .question = {"Which of the following are true about VLANs? (Choose two.)"},
            .choices = {"A VLAN makes a broadcast domain larger",
                        "Each VLAN is a separate broadcast domain",
                        "Hosts in different VLANs can communicate without a router",
                        "VLANs can group users by function regardless of physical location",
                        "An access port can belong to several VLANs at once"},
            .correct = "BD",
            .explanation = {"Study Guide, Chapter 8, page 450",
                            "Each VLAN is its own broadcast domain,",
                            "so VLANs make broadcast domains smaller.",
                            "Users can be grouped by department or function, not by location.",
                            "Traffic between VLANs needs a layer 3 device such as a router.",
                            "An access port belongs to one VLAN; trunk links carry several."},
        },

        // Record 180
        {
            .question = {"Which of the following are true about ISL frame tagging on trunk "
                         "links? (Choose two.)"},
            .choices = {"It is an IEEE open standard supported by switches of every maker",
                        "It encapsulates the whole frame in a new header and trailer",
                        "It sends the frames of the native VLAN without any tag",
                        "It is proprietary to one maker of network equipment",
                        "It marks the VLAN by changing the frame's destination MAC address"},
            .correct = "BD",
            .explanation = {"Study Guide, Chapter 8, page 457",
                            "ISL wraps every frame, unchanged, in a 26-byte header that carries "
                            "the VLAN number and a 4-byte CRC trailer; it was developed by one "
                            "maker and works only between its devices.",
                            "It is not an IEEE standard, has no untagged native VLAN and leaves "
                            "the frame's own addresses alone."},
        },

        // Access lists: standard, extended, IPX, wildcard masks

        // Record 184
        {
            .question = {"Which command adds a comment line to access list 110 that describes "
                         "what the list is for?"},
            .choices = {"access-list 110 remark Stop web access to the lab",
                        "access-list 110 description Stop web access to the lab",
                        "access-list 110 comment Stop web access to the lab",
                        "description access-list 110 Stop web access to the lab",
                        "! access-list 110 Stop web access to the lab"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 9, page 502",
                            "remark stores a comment line in a numbered list:",
                            "access-list 110 remark Stop web access to the lab",
                            "access-list 110 deny tcp any 10.9.9.0 0.0.0.255 eq 80",
                            "access-list 110 permit ip any any",
                            "It shows in the configuration but matches no packets.",
                            "description labels an interface, not a list.",
                            "A typed line starting with ! is not saved."},
        },

        // Record 188
        {
            .question = {"access-list 110 deny tcp any any eq 23",
                         "access-list 110 permit ip any any",
                         "What does list 110 do to traffic arriving on an interface where it is "
                         "applied inbound?"},
            .choices = {"It blocks all IP traffic, because the implicit deny overrides the permit "
                        "line",
                        "It blocks TCP traffic to port 23 and permits all other IP traffic",
                        "It permits only TCP traffic to port 23 and blocks everything else",
                        "It blocks TCP port 23 and all UDP traffic, because the permit line names "
                        "only IP",
                        "It blocks port 23 only for sessions to the router itself, not for "
                        "traffic passing through"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 9, page 500",
                            "Lines are read from the top: TCP segments to port 23 match the deny "
                            "line and are dropped, and every other IP packet, UDP and ICMP "
                            "included, matches permit ip any any, so the implicit deny is never "
                            "reached; an inbound list checks all arriving packets, whether for "
                            "the router or passing through."},
        },

        // Record 192
        {
            .question = {"Which global configuration command creates a named extended IP access "
                         "list called WEB?"},
            .choices = {"access-list extended WEB",
                        "ip access-list WEB extended",
                        "ip access-list named WEB",
                        "ip access-list extended WEB",
                        "access-list 100 name WEB",
                        "ip access-group extended WEB"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 9, page 508",
                            "ip access-list extended WEB (or ip access-list standard NAME) "
                            "creates the list and opens named-list configuration mode, where each "
                            "line starts with permit or deny.",
                            "The type comes before the name; access-list takes only a number, "
                            "and ip access-group applies a list to an interface."},
        },

        // Record 196
        {
            .question = {"Which command shows which access lists are applied to an interface and "
                         "in which direction?"},
            .choices = {"show ip interface",
                        "show access-lists",
                        "show ip route",
                        "show interfaces",
                        "show ip protocols"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 9, page 515",
                            "show ip interface reports, for each interface, its outgoing and "
                            "inbound access lists, or that none is set.",
                            "show access-lists does not tell where a list is applied, and show "
                            "interfaces shows status and counters only."},
        },

        // Record 200
        {
            .question = {"Which range of numbers identifies IPX standard access lists?"},
            .choices = {"800 to 899", "900 to 999", "1000 to 1099", "100 to 199", "1 to 99"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 9, page 520",
                            "IPX standard lists use 800 to 899, IPX extended 900 to 999 and SAP "
                            "filters 1000 to 1099; IP uses 1 to 99 (standard) and 100 to 199 "
                            "(extended)."},
        },

        // Record 204
        {
            .question = {"Which command displays every access list on the router together with "
                         "the number of packets matched by each line?"},
            .choices = {"show ip interface",
                        "show running-config",
                        "show access-lists",
                        "show ip access-group",
                        "show access-list interface",
                        "show ip route"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 9, page 514",
                            "show access-lists displays every access list with its lines and the "
                            "match count of each line.",
                            "None of the other choices lists each line of every access list with "
                            "its match count.",
                            "show running-config shows the lists but no match counts."},
        },

        // WAN: PPP, HDLC, Frame Relay, ISDN

        // Record 208
        {
            .question = {"Which PPP component establishes, configures and tests the data link "
                         "connection?"},
            .choices = {"NCP", "LCP", "CHAP", "HDLC", "IPCP", "LAPD"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 10, page 542",
                            "The Link Control Protocol sets up, configures and tests the PPP "
                            "link and negotiates options such as authentication; NCPs such as "
                            "IPCP then configure each network layer protocol."},
        },

        // Record 212
        {
            .question = {"What does a DLCI identify in a Frame Relay network?"},
            .choices = {"A virtual circuit, by a number that is local to the access link",
                        "The IP address of the remote router",
                        "The physical port on the provider's switch that the router connects to",
                        "The committed information rate of the link",
                        "A globally unique hardware address of the router's serial port",
                        "The encapsulation type, either IETF or the default"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 10, page 558",
                            "A Data Link Connection Identifier names a virtual circuit on the "
                            "local link; Inverse ARP or a frame-relay map statement maps it to "
                            "the remote IP address."},
        },

        // Record 216
        {
            .question = {"Which ISDN reference point lies between a non-ISDN terminal (TE2) and "
                         "its terminal adapter (TA)?"},
            .choices = {"S", "T", "U", "S/T", "R"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 10, page 583",
                            "R: between a TE2 (non-ISDN device) and its TA.",
                            "S: between a TE1 or TA and an NT2.",
                            "T: between an NT2 and the NT1.",
                            "U: the two-wire line between the NT1 and the provider's switch.",
                            "S/T: S and T as one point, where no separate NT2 is used."},
        },

        // Record 220
        {
            .question = {"Which of the following WAN services are packet-switched or "
                         "cell-switched? (Choose four.)"},
            .choices = {"Frame Relay",
                        "ISDN",
                        "X.25",
                        "ATM",
                        "Analog dial-up over the telephone network",
                        "SMDS"},
            .correct = "ACDF",
            .explanation = {"Study Guide, Chapter 10, page 534",
                            "X.25 and Frame Relay switch packets or frames over shared virtual "
                            "circuits, and ATM and SMDS switch fixed 53-byte cells; ISDN and "
                            "analog dial-up set up a dedicated circuit for each call, so they "
                            "are circuit-switched."},
        },

        // Record 224
        {
            .question = {"Two routers are joined back to back by a serial cable with no CSU/DSU, "
                         "and the line protocol stays down. Which command, on the router holding "
                         "the DCE end, brings the link up at 64 kbit/s?"},
            .choices = {"bandwidth 64",
                        "speed 64000",
                        "dce rate 64000",
                        "clock rate 64000",
                        "line speed 64000"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 10, page 532",
                            "The router with the DCE end of the cable must supply the clock; clock "
                            "rate 64000 sets it in bits per second.",
                            "bandwidth 64 only changes the value, in kbit/s, that routing "
                            "protocols use in their metrics; it does not set the line speed.",
                            "show controllers serial 0 shows whether a DTE or DCE cable is "
                            "attached and the clock rate set."},
        },
    };
    // clang-format on
    return entries;
}
