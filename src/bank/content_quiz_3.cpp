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
            .explanation = {"Study Guide, Chapter 1, page 25",
                            "TCP gives connection-oriented, reliable transport with sequencing "
                            "and acknowledgments. IPX and ICMP work at the network layer, ARP "
                            "maps network addresses to hardware addresses, PPP is a data link "
                            "protocol and Telnet is an application."},
        },

        // Record 7
        {
            .question = {"Host A sends a packet to server S on another network, and routers R1 "
                         "and R2 lie on the path in that order. Which addresses does the packet "
                         "carry as it crosses the Ethernet link from R1 to R2?"},
            .choices = {"From A's IP to R2's IP, in a frame from A's MAC to R2's MAC",
                        "From A's IP to S's IP, in a frame from R1's MAC to R2's MAC",
                        "From R1's IP to R2's IP, in a frame from R1's MAC to R2's MAC",
                        "From A's IP to S's IP, in a frame from A's MAC to S's MAC",
                        "From R1's IP to R2's IP, in a frame from A's MAC to S's MAC"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 1, page 33",
                            "The packet keeps A's and S's IP addresses from end to end, but each "
                            "router strips the incoming frame and builds a new one for the next "
                            "link: between R1 and R2 the frame runs from R1's MAC address to "
                            "R2's, which R1 learned by ARP. A MAC address never leaves its own "
                            "link."},
        },

        // Record 11
        {
            .question = {"Which layer of the seven-layer model handles data formats, encryption "
                         "and compression, such as converting text from one character code to "
                         "another?"},
            .choices = {"Application",
                        "Session",
                        "Presentation",
                        "Transport",
                        "Network",
                        "Data link"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 1, page 21",
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
            .explanation = {"Study Guide, Chapter 1, page 23",
                            "The session layer establishes, manages and terminates sessions "
                            "between presentation layer entities and controls dialog as simplex, "
                            "half duplex or full duplex; the transport layer below it segments "
                            "data and provides end-to-end delivery."},
        },

        // Record 19
        {
            .question = {"What is the maximum length of a single UTP segment for 10Base-T or "
                         "100Base-TX Ethernet?"},
            .choices = {"100 meters",
                        "185 meters",
                        "500 meters",
                        "250 meters",
                        "2,000 meters",
                        "50 meters"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 1, page 46",
                            "A 10Base-T or 100Base-TX segment of Category 5 UTP may run at most "
                            "100 meters from the switch or hub port to the host. 185 meters is "
                            "the limit of thin coaxial (10Base2) and 500 meters of thick coaxial "
                            "(10Base5)."},
        },

        // Record 23
        {
            .question = {"On a half-duplex Ethernet segment, what does a station do when it "
                         "detects a collision while it is sending a frame?"},
            .choices = {"It finishes sending the frame and lets the receiver discard the damaged "
                        "copy",
                        "It sends a jam signal, waits a random back-off time, then tries again",
                        "It waits for a token before it tries to send again",
                        "It asks the switch to resend the frame from its buffer",
                        "It sends the frame again at once, without waiting"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 1, page 48",
                            "CSMA/CD tells a station to handle a collision in three steps.",
                            "1. It stops sending the frame and sends a jam signal so every "
                            "station sees the collision.",
                            "2. It waits for a back-off time chosen at random.",
                            "3. It listens for a quiet medium and sends the frame again.",
                            "Resending at once would collide again, and tokens belong to Token "
                            "Ring."},
        },

        // TCP/IP protocol suite

        // Record 27
        {
            .question = {"What is the TCP port for SMTP?"},
            .choices = {"21", "23", "110", "143", "25"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 2, page 72",
                            "SMTP carries mail between servers on TCP port 25; 21, 23, 110 and "
                            "143 belong to other applications, among them the protocols that "
                            "clients use to collect their mail."},
        },

        // Record 31 (WAN: Frame Relay congestion)
        {
            .question = {"A Frame Relay switch is congested in the direction from R1 to R2. Which "
                         "bit does it set in frames going from R2 to R1, to warn R1?"},
            .choices = {"DE", "FECN", "BECN", "C/R", "EA"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 10, page 570",
                            "FECN (forward) rides frames going the same way as the congestion, "
                            "toward R2, the receiver.",
                            "BECN (backward) rides frames going the other way, so it warns R1, the "
                            "sender, to slow down.",
                            "DE marks frames, often those above the CIR, that may be dropped "
                            "first.",
                            "C/R and EA are address-field bits that report no congestion."},
        },

        // Record 35
        {
            .question = {"How does the traceroute utility learn the address of each router on the "
                         "path to a destination?"},
            .choices = {"It reads the list of routers from the destination's record in DNS",
                        "It sends an ARP request for each router and reads each reply",
                        "It asks each router on the path for its routing table with SNMP",
                        "It sends probes with TTL 1, 2, 3 and so on and reads each ICMP time "
                        "exceeded reply",
                        "It sends probes with rising sequence numbers and reads each router's "
                        "echo reply"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 2, page 90",
                            "A router that decrements a probe's TTL to zero drops it and returns "
                            "an ICMP time exceeded message from its own address, so TTL 1 reveals "
                            "the first router, TTL 2 the second, and so on; DNS and SNMP carry no "
                            "path, ARP never crosses a router, and a router that merely forwards "
                            "a probe sends no echo reply."},
        },

        // Record 39
        {
            .question = {"Which layer of the DoD model corresponds to the network layer of the "
                         "seven-layer model?"},
            .choices = {"Host-to-Host",
                        "Network Access",
                        "Process/Application",
                        "Internet",
                        "Session",
                        "Data Link"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 2, page 54",
                            "The Internet layer matches the network layer: IP gives packets "
                            "logical addresses and routes them between networks.",
                            "Network Access, despite its name, is the bottom DoD layer, below the "
                            "network layer; Session and Data Link are seven-layer names, not DoD "
                            "layers."},
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
            .explanation = {"Study Guide, Chapter 2, page 67",
                            "UDP is a connectionless transport layer protocol:",
                            "- no handshake or virtual circuit is set up first;",
                            "- there is no sequencing, acknowledgment or windowing;",
                            "- any reliability is left to the application;",
                            "- TFTP, SNMP and DNS queries use it for its small header."},
        },

        // Record 47
        {
            .question = {"Which destination MAC address does a frame carry when it is meant for "
                         "every host on the local Ethernet segment?"},
            .choices = {"00-00-00-00-00-00",
                        "255.255.255.255",
                        "FF-FF-FF-FF-FF-FF",
                        "01-00-5E-00-00-01",
                        "FF-FF-FF-00-00-00"},
            .correct = "C",
            .explanation = {"A frame for every host carries the broadcast MAC address "
                            "FF-FF-FF-FF-FF-FF, all 48 bits set to 1; ARP requests are sent this "
                            "way.",
                            "255.255.255.255 is the IP broadcast address, not a MAC address, "
                            "01-00-5E-00-00-01 is a multicast MAC address, and the other two are "
                            "not broadcast addresses."},
        },

        // IP addressing and subnetting

        // Record 51
        {
            .question = {"Which of the following is a valid host address on a subnet that uses "
                         "the mask 255.255.255.224?"},
            .choices = {"172.16.5.160",
                        "172.16.5.176",
                        "172.16.5.191",
                        "172.16.5.192",
                        "172.16.5.63",
                        "172.16.5.224"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 3, page 144",
                            "Mask .224 gives blocks of 32, so only multiples of 32 are subnet "
                            "addresses (.160, .192, .224) and one less than a multiple of 32 is a "
                            "broadcast (.63, .191); 172.16.5.176 is a multiple of 16, a subnet "
                            "address only under the mask .240, and here it lies inside "
                            "172.16.5.160 to .191, so it is a valid host."},
        },

        // Record 55
        {
            .question = {"Which subnet mask leaves exactly two usable host addresses per subnet, "
                         "as used on point-to-point serial links?"},
            .choices = {"255.255.255.0",
                        "255.255.255.248",
                        "255.255.255.252",
                        "255.255.255.240",
                        "255.255.255.224",
                        "255.255.255.192"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 3, page 134",
                            "255.255.255.252 is /30, leaving 2 host bits: 2^2 = 4 addresses.",
                            "Take away the subnet and broadcast addresses: 4 - 2 = 2 hosts, one "
                            "for each end of the link.",
                            "Block size 256 - 252 = 4: subnet 10.1.1.4 has hosts .5 and .6 and "
                            "broadcast .7.",
                            ".248 gives 6 hosts, .240 14, .224 30, .192 62 and .0 254."},
        },

        // Record 59
        {
            .question = {"A host sends a packet to the destination address 255.255.255.255. "
                         "Which statement about this packet is true?"},
            .choices = {"Routers forward it to every subnet of the host's network",
                        "Only the host's default gateway receives it",
                        "It reaches every host on every network of the internetwork",
                        "Every host on the local segment receives it, and routers do not forward "
                        "it",
                        "It is dropped, because 255.255.255.255 can only be used as a subnet mask"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 2, page 100",
                            "255.255.255.255, all 32 bits set to 1, is the limited broadcast "
                            "address.",
                            "Every host on the sender's own segment receives the packet.",
                            "Routers never forward it, so it stays in the local broadcast domain.",
                            "It reaches no other subnet, and the default gateway is just one of "
                            "the hosts that get it.",
                            "It is a valid destination, not only a mask value."},
        },

        // Record 63
        {
            .question = {"Which subnet mask is written in prefix notation as /19?"},
            .choices = {"255.255.192.0",
                        "255.255.240.0",
                        "255.255.255.224",
                        "255.255.248.0",
                        "255.224.0.0",
                        "255.255.224.0"},
            .correct = "F",
            .explanation = {"/19 means 19 one bits: 8 in the first octet, 8 in the second and 3 "
                            "in the third.",
                            "Three one bits in the third octet are 11100000 = 128 + 64 + 32 = "
                            "224, so the mask is 255.255.224.0.",
                            "255.255.192.0 is /18, 255.255.240.0 is /20 and 255.255.248.0 is "
                            "/21; 255.255.255.224 (/27) and 255.224.0.0 (/11) put the 224 in the "
                            "wrong octet."},
        },

        // Record 67
        {
            .question = {"What is the subnet address of host 10.44.130.77 with the mask "
                         "255.255.192.0?"},
            .choices = {"10.0.0.0",
                        "10.44.0.0",
                        "10.44.130.0",
                        "10.44.64.0",
                        "10.44.192.0",
                        "10.44.128.0"},
            .correct = "F",
            .explanation = {"Study Guide, Chapter 3, page 153",
                            "256 - 192 = 64, so subnets step by 64 in the third octet: 0, 64, "
                            "128, 192.",
                            "130 lies between 128 and 191, so the subnet is 10.44.128.0.",
                            "Its broadcast is 10.44.191.255; hosts run from 10.44.128.1 to "
                            "10.44.191.254."},
        },

        // Record 71
        {
            .question = {"Which of the following are valid host addresses on the subnet "
                         "10.8.0.0/14? (Choose three.)"},
            .choices = {"10.8.0.1", "10.9.255.255", "10.8.0.0", "10.11.255.254", "10.12.0.1"},
            .correct = "ABD",
            .explanation = {"Study Guide, Chapter 3, page 156",
                            "/14 is 255.252.0.0: a block of 256 - 252 = 4 in the second octet.",
                            "Subnet address: 10.8.0.0",
                            "Broadcast address: 10.11.255.255",
                            "Valid hosts: 10.8.0.1 to 10.11.255.254",
                            "10.9.255.255 is inside that range, so it is a host despite its last "
                            "octet of 255.",
                            "10.8.0.0 is the subnet address; 10.12.0.1 is in the next subnet, "
                            "10.12.0.0."},
        },

        // Record 75
        {
            .question = {"Which of the following are class B addresses? (Choose two.)"},
            .choices = {"10.20.30.40", "172.16.1.1", "191.255.0.1", "192.0.2.1", "224.0.0.5"},
            .correct = "BC",
            .explanation = {"Study Guide, Chapter 3, page 121",
                            "Class B addresses have a first octet from 128 to 191 (first bits 10).",
                            "10 is class A (1 to 126), 192 is class C (192 to 223) and 224 is "
                            "class D, used for multicast."},
        },

        // IPX protocols and addressing

        // Record 79
        {
            .question = {"How many bits long is a complete IPX address?"},
            .choices = {"32 bits", "48 bits", "64 bits", "80 bits", "96 bits", "128 bits"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 4, page 178",
                            "An IPX address has 80 bits: a 32-bit network number followed by a "
                            "48-bit node number, which is usually the interface's MAC address, "
                            "written in hexadecimal."},
        },

        // Record 83
        {
            .question = {"Which interface command assigns IPX network 10 to an Ethernet "
                         "interface with 802.3 SNAP framing?"},
            .choices = {"ipx network 10 encapsulation snap",
                        "ipx network 10 snap",
                        "ipx network snap 10",
                        "encapsulation snap ipx network 10",
                        "ipx network 10 frame-type snap",
                        "network ipx 10 encapsulation snap"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 4, page 188",
                            "In interface configuration mode, ipx network sets the IPX network "
                            "number, and the optional keyword encapsulation followed by a frame "
                            "type sets the framing; snap is 802.3 with 802.2 LLC and a SNAP "
                            "header.",
                            "Without the keyword the router uses its default Ethernet frame "
                            "type, raw 802.3; the global command ipx routing must already be on."},
        },

        // Record 87
        {
            .question = {"What does a router do with the SAP broadcasts it hears from the IPX "
                         "servers on one of its networks?"},
            .choices = {"It forwards each SAP broadcast unchanged out all its other interfaces",
                        "It drops them, since a router keeps no record of services",
                        "It keeps the services in its SAP table and forwards each broadcast as "
                        "well",
                        "It keeps the services in its SAP table but tells no other network of them",
                        "It keeps the services in its SAP table and lists them in its SAP updates"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 4, page 196",
                            "A router never forwards a SAP broadcast: it stores the services in "
                            "its SAP table and advertises them, one hop further away, in the SAP "
                            "updates it sends out its other interfaces, so clients on other "
                            "networks learn of the servers."},
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

        // Record 95 (Switching: VTP transparent mode)
        {
            .question = {"A switch in VTP transparent mode receives, on a trunk, an advertisement "
                         "from the VTP server of its own domain, running the same VTP version, "
                         "with a higher revision number. What does the switch do with it?"},
            .choices = {"It passes it on out its other trunks without changing its own VLANs",
                        "It updates its own VLANs from it and passes it on out its other trunks",
                        "It updates its own VLANs from it but passes it on to no other switch",
                        "It drops it and passes nothing on to the other switches",
                        "It answers with its own VLAN list so that the server can merge the two",
                        "It becomes a VTP client, since its own revision number is lower"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 8, page 463",
                            "A transparent switch keeps a VLAN list of its own, which it can "
                            "change locally and never advertises, and it relays the advertisements "
                            "of its domain and version out its trunks without applying them.",
                            "Only servers and clients apply advertisements; no switch merges VLAN "
                            "lists, and no advertisement changes a switch's VTP mode."},
        },

        // Record 99
        {
            .question = {"Which of the following commands save the running configuration to "
                         "NVRAM? (Choose two.)"},
            .choices = {"copy running-config startup-config",
                        "write memory",
                        "copy startup-config running-config",
                        "copy running-config tftp",
                        "erase startup-config"},
            .correct = "AB",
            .explanation = {"Study Guide, Chapter 5, page 250",
                            "copy running-config startup-config and the older write memory both "
                            "save the RAM configuration to NVRAM. copy startup-config "
                            "running-config merges NVRAM into RAM, copy running-config tftp "
                            "backs up to a server and erase startup-config clears NVRAM."},
        },

        // Record 103
        {
            .question = {"Which key sequence suspends a Telnet session to a remote router and "
                         "returns you to the router you started from?"},
            .choices = {"Ctrl+Z",
                        "Ctrl+C",
                        "Ctrl+X, then 6",
                        "Ctrl+Shift+6, then X",
                        "Ctrl+Shift+X, then 6",
                        "Ctrl+Z, then X"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 5, page 280",
                            "Pressing Ctrl+Shift+6 and then X suspends the session and returns "
                            "you to the original router, where show sessions lists it; resume (or "
                            "Enter) goes back to it and disconnect closes it.",
                            "Ctrl+Z only leaves configuration mode, Ctrl+C does not suspend a "
                            "session, and the other pairs are not escape sequences: X must follow "
                            "Ctrl+Shift+6."},
        },

        // Record 107
        {
            .question = {"Which of the following commands let the router resolve host names to "
                         "IP addresses? (Choose two.)"},
            .choices = {"ip host core.example 10.1.1.2",
                        "no ip domain-lookup",
                        "ip name-server 10.1.1.53",
                        "hostname R2",
                        "show hosts"},
            .correct = "AC",
            .explanation = {"Study Guide, Chapter 5, page 283",
                            "ip host adds a static name-to-address entry to the router's host "
                            "table, and ip name-server points the router at a DNS server (domain "
                            "lookup is on by default); no ip domain-lookup turns DNS lookups "
                            "off, hostname only names the router itself and show hosts merely "
                            "displays the host table."},
        },

        // Record 111
        {
            .question = {"Which key sequence recalls the previous command from the router's "
                         "command history?"},
            .choices = {"Ctrl+A", "Ctrl+E", "Ctrl+N", "Ctrl+P", "Ctrl+Z", "Tab"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 5, page 225",
                            "Ctrl+P (or the up arrow) recalls the previous command and Ctrl+N "
                            "the next one; Ctrl+A and Ctrl+E jump to the start and end of the "
                            "line, Ctrl+Z ends configuration mode and Tab completes a keyword."},
        },

        // Record 115
        {
            .question = {"At which prompt does the router accept the command ip address 10.1.1.1 "
                         "255.255.255.0?"},
            .choices = {"Router>",
                        "Router#",
                        "Router(config)#",
                        "Router(config-if)#",
                        "Router(config-router)#"},
            .correct = "D",
            .explanation = {"ip address is an interface command: it is accepted at "
                            "Router(config-if)#, which the global command interface serial 0 "
                            "opens from Router(config)#.",
                            "Router> is user mode, Router# privileged mode, Router(config)# "
                            "global configuration and Router(config-router)# routing protocol "
                            "configuration; none of them takes ip address."},
        },

        // Record 119
        {
            .question = {"Which command sets a message that every user sees as soon as they "
                         "connect to the router, before they log in?"},
            .choices = {"banner exec #Authorized users only#",
                        "banner motd #Authorized users only#",
                        "banner incoming #Authorized users only#",
                        "description Authorized users only",
                        "hostname Authorized",
                        "motd #Authorized users only#"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 5, page 234",
                            "banner motd sets the message-of-the-day, shown on every terminal "
                            "that connects (console, aux or Telnet) before any login prompt; the "
                            "# marks the start and end of the text.",
                            "banner exec shows after login and banner incoming on reverse "
                            "Telnet; description labels an interface, hostname names the router "
                            "and motd alone is not a command."},
        },

        // Routing protocols: static, RIP, IGRP

        // Record 123
        {
            .question = {"Which of the following is a characteristic of a distance-vector routing "
                         "protocol?"},
            .choices = {"Every router keeps an identical database describing every link in its "
                        "area",
                        "Each router knows the full path, router by router, to every destination",
                        "Changes spread one router at a time, so convergence is slow",
                        "Each router computes a shortest-path tree with itself as the root",
                        "A router advertises only the state of its own directly connected links",
                        "Every router learns the cost of every link in the network"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 6, page 303",
                            "A distance-vector router learns of a change only from its neighbors:",
                            "- each passes it on in its own next update;",
                            "- so news crosses the network one router at a time;",
                            "- and hold-down timers slow convergence further.",
                            "Link databases, full paths, SPF trees, advertising one's own links "
                            "and knowing every link's cost are link-state traits."},
        },

        // Record 127
        {
            .question = {"How often does RIP for IP send its routing table to its neighbors by "
                         "default?"},
            .choices = {"Every 10 seconds",
                        "Every 60 seconds",
                        "Every 90 seconds",
                        "Every 180 seconds",
                        "Every 30 seconds"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 6, page 318",
                            "IP RIP sends its whole routing table out every RIP interface every 30 "
                            "seconds. The other values are not RIP's update period; they belong to "
                            "other protocols or timers."},
        },

        // Record 131
        {
            .question = {"Which command, entered under router eigrp, stops EIGRP from "
                         "summarizing routes at classful network boundaries?"},
            .choices = {"no auto-summary",
                        "auto-summary",
                        "no ip classless",
                        "ip subnet-zero",
                        "no summary",
                        "no network summary"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 7, page 364",
                            "EIGRP summarizes at classful boundaries by default; no auto-summary "
                            "turns that off so the subnets of a discontiguous network are "
                            "advertised. auto-summary restores the default, ip classless and ip "
                            "subnet-zero are global commands about forwarding and addressing, "
                            "and the other two do not exist."},
        },

        // Record 135
        {
            .question = {"What does the command variance 2 do when it is entered under router "
                         "igrp?"},
            .choices = {"It doubles the metric of every route that IGRP advertises",
                        "It lets IGRP use at most two equal-cost paths to each network",
                        "It makes IGRP send its routing updates every 2 minutes",
                        "It marks any network more than 2 hops away as unreachable",
                        "It lets IGRP share traffic over routes with up to twice the best metric"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 6, page 334",
                            "variance 2 turns on unequal-cost load balancing: IGRP also uses "
                            "loop-free routes whose metric is no more than twice the best metric, "
                            "and sends less traffic over the costlier ones. The default, 1, allows "
                            "equal-cost paths only; variance sets no timer, hop limit or "
                            "advertised metric."},
        },

        // Record 139
        {
            .question = {"Why can RIP version 2 route for a network whose subnets have masks of "
                         "different lengths, such as /24 and /26, when RIP version 1 cannot?"},
            .choices = {"It gives each learned route the mask of the interface that received it",
                        "It raises the largest usable hop count from 15 to 255",
                        "It measures each route by bandwidth instead of hop count",
                        "It sends updates only when a route changes, never on a timer",
                        "Its updates carry the subnet mask of every route they advertise"},
            .correct = "E",
            .explanation = {"Study Guide, Chapter 6, page 324",
                            "RIP version 2, turned on with version 2 under router rip, is "
                            "classless: each route carries its mask, so variable-length masks "
                            "work. Version 1 sends no masks and gives a subnet of its own network "
                            "the mask of the receiving interface. Both versions keep the hop-count "
                            "metric, the hop limit and periodic updates."},
        },

        // Routing protocols: EIGRP and OSPF

        // Record 143
        {
            .question = {"Which test must a neighbor's route pass before EIGRP keeps it ready as "
                         "a loop-free backup to a destination?"},
            .choices = {"The neighbor's reported distance must be higher than the current "
                        "feasible distance",
                        "The neighbor's reported distance must equal the current feasible distance",
                        "The neighbor must be the designated router elected on the shared link",
                        "The neighbor's reported distance must be lower than the current feasible "
                        "distance",
                        "The route must cross fewer routers than the best route to the "
                        "destination"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 7, page 356",
                            "This is the feasibility condition: a neighbor whose reported distance "
                            "is below the router's own best metric (the feasible distance) cannot "
                            "be routing through this router, so its path is loop-free and it "
                            "becomes a feasible successor. An equal distance fails the test, EIGRP "
                            "elects no DR, and hops are not tested."},
        },

        // Record 147
        {
            .question = {"On an OSPF broadcast network where all routers start together with the "
                         "default priority, which router is elected designated router?"},
            .choices = {"The router with the lowest IP address",
                        "The router with the lowest MAC address",
                        "The router with the highest router ID",
                        "The router with the most interfaces",
                        "The router with the fastest link",
                        "The router with the lowest router ID"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 7, page 386",
                            "Here every router keeps the default priority of 1.",
                            "The priority is compared first, and the router ID only breaks a tie.",
                            "So the highest router ID becomes DR and the next highest BDR.",
                            "No lowest value wins, and link speeds and interface counts play no "
                            "part.",
                            "The election is not preemptive: a router that starts later does not "
                            "take over."},
        },

        // Record 151
        {
            .question = {"Which command, in router ospf mode, enables OSPF on the interfaces "
                         "whose addresses are in 10.1.0.0/16 and places them in area 0?"},
            .choices = {"network 10.1.0.0 0.0.0.255 area 0",
                        "network 10.1.0.0 0.0.255.255 area 0",
                        "network 10.1.0.0 area 0",
                        "ospf network 10.1.0.0 0.0.255.255 0",
                        "network 10.1.0.0 0.0.0.255",
                        "area 0 network 10.1.0.0"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 7, page 396",
                            "The syntax is network, an address, a wildcard mask and area with an "
                            "area ID.",
                            "0.0.255.255 matches every address that begins with 10.1, while "
                            "0.0.0.255 matches only 10.1.0.0 to 10.1.0.255; the area must be "
                            "given."},
        },

        // Record 155
        {
            .question = {"Which multicast address do OSPF routers use to send hello packets to "
                         "all OSPF routers?"},
            .choices = {"224.0.0.5", "224.0.0.6", "224.0.0.9", "224.0.0.10", "255.255.255.255"},
            .correct = "A",
            .explanation = {"Study Guide, Chapter 7, page 381",
                            "OSPF sends hellos to AllSPFRouters, 224.0.0.5. The address "
                            "224.0.0.6 reaches only the DR and BDR, 224.0.0.9 is used by RIP "
                            "version 2 and 224.0.0.10 by EIGRP."},
        },

        // Record 159
        {
            .question = {"Which of the following are characteristics of OSPF? (Choose four.)"},
            .choices = {"It is an open standard that routers of different makers support",
                        "It supports variable-length subnet masks",
                        "It uses hop count as its metric",
                        "It places no hop-count limit on the size of the network",
                        "It sends its entire routing table to its neighbors at fixed intervals",
                        "It can share traffic across several equal-cost paths to a destination"},
            .correct = "ABDF",
            .explanation = {"Study Guide, Chapter 7, page 370",
                            "OSPF is an open-standard link-state protocol: it is classless, so it "
                            "supports VLSM; it has no hop-count limit and uses a cost based on "
                            "bandwidth rather than hops; it can share traffic over several "
                            "equal-cost paths; and it floods link-state updates when a link "
                            "changes instead of sending its full table at fixed intervals."},
        },

        // Switching: bridging, switching methods, spanning tree, VLANs, trunking

        // Record 163
        {
            .question = {"On a segment that joins two switches, which port does spanning tree "
                         "make the designated port?"},
            .choices = {"The port with the higher MAC address",
                        "The port on the switch with the higher bridge priority value",
                        "The port with the lowest path cost to the root bridge",
                        "The port that came up first",
                        "Both ports, each forwarding in one direction"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 8, page 434",
                            "Each segment gets exactly one designated port: the one with the "
                            "lowest path cost to the root bridge, which forwards frames onto that "
                            "segment.",
                            "With equal costs, the port on the switch with the lower bridge ID "
                            "wins, then the lower port ID.",
                            "A higher MAC address, a higher priority value or the order in which "
                            "ports come up never decides it."},
        },

        // Record 167
        {
            .question = {"Using the revised IEEE costs, what is the default spanning-tree path "
                         "cost of a 100 Mbit/s link?"},
            .choices = {"10", "19", "100", "4", "2"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 8, page 435",
                            "The revised costs are 100 for 10 Mbit/s, 19 for 100 Mbit/s, 4 for 1 "
                            "Gbit/s and 2 for 10 Gbit/s; 10 was the cost of 100 Mbit/s under the "
                            "original formula of 1,000 divided by the speed in Mbit/s."},
        },

        // Record 171
        {
            .question = {"By default, how often does the root bridge send a spanning-tree hello "
                         "message?"},
            .choices = {"Every 1 second",
                        "Every 2 seconds",
                        "Every 10 seconds",
                        "Every 15 seconds",
                        "Every 20 seconds"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 8, page 445",
                            "The hello time is 2 seconds: the root bridge sends a configuration "
                            "BPDU every 2 seconds, and the other switches pass it on down the "
                            "tree.",
                            "The other values are not the default hello time; the longer "
                            "spanning-tree timers set how long a switch waits before it changes "
                            "a port's state or discards old root information."},
        },

        // Record 175
        {
            .question = {"Which interface command makes a switch port a trunk that carries the "
                         "frames of several VLANs?"},
            .choices = {"switchport mode access",
                        "switchport mode trunk",
                        "switchport access vlan 1",
                        "encapsulation trunk",
                        "vlan trunk all"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 8, page 460",
                            "switchport mode trunk, entered on the interface, makes the port a "
                            "permanent trunk; switchport mode access and switchport access vlan "
                            "make it a member of one VLAN, and the other two are not switch "
                            "commands."},
        },

        // Record 179
        {
            .question = {"A router routes between VLANs over one trunk to a switch, using "
                         "open-standard frame tagging. Which command belongs on its subinterface "
                         "FastEthernet0/0.10, which serves VLAN 10?"},
            .choices = {"encapsulation dot1q 10",
                        "encapsulation dot1q",
                        "vlan 10 dot1q",
                        "switchport access vlan 10",
                        "ip vlan 10",
                        "encapsulation vlan 10"},
            .correct = "A",
            .explanation = {"A router subinterface is tied to its VLAN by encapsulation dot1q "
                            "(IEEE 802.1Q, the open standard) followed by the VLAN ID, which "
                            "cannot be left out; the other commands are not valid on a router "
                            "subinterface."},
        },

        // Access lists: standard, extended, IPX, wildcard masks

        // Record 183
        {
            .question = {"Which wildcard mask, written after the address 172.16.32.0, matches "
                         "exactly the subnet 172.16.32.0 255.255.224.0 and no other address?"},
            .choices = {"0.0.0.255",
                        "0.0.224.255",
                        "255.255.224.0",
                        "0.0.32.255",
                        "0.0.31.255",
                        "0.0.63.255"},
            .correct = "E",
            .explanation = {"A wildcard mask for a subnet is its subnet mask subtracted from "
                            "255.255.255.255.",
                            "255.255.255.255 - 255.255.224.0 = 0.0.31.255: the block of 32 in the "
                            "third octet, 172.16.32.0 to 172.16.63.255.",
                            "Zero bits must match and one bits are ignored.",
                            "0.0.63.255 would also match 172.16.0.0 to 172.16.31.255, and "
                            "0.0.0.255 only 172.16.32.0 to 172.16.32.255."},
        },

        // Record 187
        {
            .question = {"Which access list entry permits web (HTTP) traffic from the subnet "
                         "192.168.5.0/24 to the server 10.1.1.10?"},
            .choices = {"access-list 10 permit tcp 192.168.5.0 0.0.0.255 host 10.1.1.10 eq 80",
                        "access-list 110 permit tcp host 10.1.1.10 192.168.5.0 0.0.0.255 eq 80",
                        "access-list 110 permit udp 192.168.5.0 0.0.0.255 host 10.1.1.10 eq 80",
                        "access-list 110 permit tcp 192.168.5.0 0.0.0.255 host 10.1.1.10 eq 80",
                        "access-list 110 permit tcp 192.168.5.0 255.255.255.0 host 10.1.1.10 eq "
                        "80"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 9, page 498",
                            "Extended IP lists use numbers 100 to 199: action, protocol, source, "
                            "destination, port.",
                            "HTTP is TCP port 80, and the source 192.168.5.0 0.0.0.255 comes "
                            "before the host.",
                            "List 10 is a standard list, and 255.255.255.0 is a subnet mask, not "
                            "a wildcard."},
        },

        // Record 191
        {
            .question = {"Which command, entered under line vty 0 4, applies standard access "
                         "list 5 to Telnet sessions into the router?"},
            .choices = {"ip access-group 5 in",
                        "access-class 5 in",
                        "access-list 5 in",
                        "ip access-class 5 in",
                        "access-group 5 vty"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 9, page 511",
                            "access-class applies a list to the virtual terminal lines, so it "
                            "filters Telnet sessions to the router itself; ip access-group "
                            "applies a list to an interface and filters packets passing through "
                            "it, and access-list only writes the lines of a list."},
        },

        // Record 195
        {
            .question = {"Which address and wildcard mask does the keyword any stand for in an "
                         "access-list entry?"},
            .choices = {"255.255.255.255 0.0.0.0",
                        "0.0.0.0 255.255.255.255",
                        "0.0.0.0 0.0.0.0",
                        "0.0.0.0 0.0.0.255",
                        "0.0.0.0 255.255.255.0"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 9, page 479",
                            "any is shorthand for the address 0.0.0.0 with the wildcard mask "
                            "255.255.255.255.",
                            "Every wildcard bit is 1, so no bit is checked and all addresses "
                            "match.",
                            "0.0.0.0 0.0.0.0 matches only 0.0.0.0, and 255.255.255.255 0.0.0.0 "
                            "only the broadcast address.",
                            "0.0.0.0 0.0.0.255 matches 0.0.0.0 to 0.0.0.255, and 0.0.0.0 "
                            "255.255.255.0 addresses ending in .0."},
        },

        // Record 199
        {
            .question = {"Which of the following are true about applying IP access lists to "
                         "interfaces? (Choose three.)"},
            .choices = {"Only one list per protocol, per direction, per interface is allowed",
                        "Standard lists should be placed as close to the source as possible",
                        "An outbound list filters packets arriving on the interface",
                        "ip access-group 10 in applies list 10 to inbound packets",
                        "Extended lists should be placed as close to the source as possible",
                        "The access-list command can insert a line in the middle of a numbered "
                        "list"},
            .correct = "ADE",
            .explanation = {"Study Guide, Chapter 9, page 510",
                            "One list per protocol, per direction, per interface.",
                            "ip access-group with a number and in or out applies a list; in "
                            "filters arriving packets.",
                            "Extended lists go near the source, standard lists near the "
                            "destination.",
                            "The access-list command always adds new lines at the end of a "
                            "numbered list."},
        },

        // Record 203
        {
            .question = {"How does the router compare a packet with the lines of an access list?"},
            .choices = {"It checks every line and applies the most specific match",
                        "It checks every line and applies the last line that matches",
                        "It checks the deny lines first, then the permit lines",
                        "It checks the lines from the top down and stops at the first line that "
                        "matches",
                        "It checks the lines from the bottom up, starting with the newest line"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 9, page 470",
                            "The router reads the list from the first line down and acts on the "
                            "first match, ignoring the lines below it, so order matters: put "
                            "specific lines above general ones."},
        },

        // WAN: PPP, HDLC, Frame Relay, ISDN

        // Record 207
        {
            .question = {"What is the default encapsulation on the router's synchronous serial "
                         "interfaces?"},
            .choices = {"PPP", "Frame Relay", "HDLC", "SDLC", "X.25"},
            .correct = "C",
            .explanation = {"Study Guide, Chapter 10, page 536",
                            "Serial interfaces use HDLC by default. The router's HDLC adds a "
                            "proprietary protocol field, so it works only between routers of the "
                            "same make; PPP is used to connect equipment of different makes."},
        },

        // Record 211
        {
            .question = {"Which protocol does PPP use to negotiate IP and its addresses on a "
                         "link?"},
            .choices = {"IPXCP", "IPCP", "CHAP", "Inverse ARP", "DHCP"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 10, page 543",
                            "IPCP is PPP's Network Control Protocol for IP; IPXCP does the same "
                            "for IPX, CHAP only authenticates, Inverse ARP belongs to Frame "
                            "Relay and DHCP is not part of PPP."},
        },

        // Record 215
        {
            .question = {"Which of the following are LMI types that the frame-relay lmi-type "
                         "command accepts? (Choose two.)"},
            .choices = {"ietf", "hdlc", "ansi", "lapd", "q933a"},
            .correct = "CE",
            .explanation = {"Study Guide, Chapter 10, page 561",
                            "Besides the default type, frame-relay lmi-type accepts ansi (ANSI "
                            "T1.617 Annex D) and q933a (ITU-T Q.933 Annex A); router and switch "
                            "must agree.",
                            "ietf is a Frame Relay encapsulation, hdlc a serial encapsulation, "
                            "and LAPD the ISDN D-channel link protocol."},
        },

        // Record 219
        {
            .question = {"Which ISDN device converts the two-wire U interface from the provider "
                         "into the four-wire S/T interface?"},
            .choices = {"TE1", "TE2", "TA", "NT1", "NT2"},
            .correct = "D",
            .explanation = {"Study Guide, Chapter 10, page 582",
                            "The NT1 terminates the two-wire local loop at the U reference point "
                            "and provides the four-wire S/T interface.",
                            "A TE1 is an ISDN-ready device that connects at S/T; a TE2 is a "
                            "non-ISDN device that needs a terminal adapter (TA), joined at R.",
                            "An NT2 is customer switching equipment, such as a PBX, placed "
                            "between the S and T reference points."},
        },

        // Record 223
        {
            .question = {"Routers named R1 and R2 with the hostname command must authenticate "
                         "each other with CHAP, using the shared password Link55. Which global "
                         "command does R1 need?"},
            .choices = {"username R1 password Link55",
                        "username R2 password Link55",
                        "enable secret Link55",
                        "hostname R2",
                        "password R2 Link55"},
            .correct = "B",
            .explanation = {"Study Guide, Chapter 10, page 549",
                            "CHAP looks up the peer's host name in the local username list.",
                            "Each router names the OTHER router, with the same password on both:",
                            "R1: username R2 password Link55",
                            "R2: username R1 password Link55",
                            "Both also need encapsulation ppp and ppp authentication chap.",
                            "enable secret guards privileged mode, and hostname R2 would rename "
                            "R1."},
        },
    };
    // clang-format on
    return entries;
}
