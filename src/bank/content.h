#pragma once

#include <array>
#include <span>

// One built-in question as the content files write it; load_bank turns it into a QuestionRecord.
// Unused slots of the arrays stay null.
struct ContentEntry {
    std::array<const char*, 6> question;     // lines of the question text
    std::array<const char*, 6> choices;      // choice A first
    const char* correct;                     // letters of the correct choices, such as "C" or "BD"
    std::array<const char*, 13> explanation; // lines of the explanation
};

// Explanations cite an invented study guide ("Study Guide, Chapter N, page P"); a citation falls in
// its topic's chapter and section, the same fact always on the same page. Its contents:
//
// Chapter 1  Internetworking and the seven-layer model ........ pages 1-50
//    1-6    internetworking devices (hubs, bridges, switches, routers); collision and
//           broadcast domains
//    7-10   why a layered model: advantages
//    11-14  the seven layers at a glance; which device works at which layer
//    15-18  encapsulation and protocol data units (data, segment, packet, frame, bits)
//    19-24  application, presentation and session layers
//    25-30  transport layer: connection-oriented service, acknowledgments, flow control, windowing
//    31-34  network layer: logical addressing, routing, routed vs routing protocols; a new
//           frame at each routed hop while the IP addresses stay
//    35-42  data link layer: LLC and MAC sublayers, MAC addresses, framing, FCS, bridges
//           and switches
//    43-50  physical layer and Ethernet: cabling (straight-through, crossover, rollover),
//           UTP lengths, hubs and repeaters, CSMA/CD, half and full duplex
//
// Chapter 2  The TCP/IP protocol suite ........................ pages 51-110
//    51-56  the DoD model and its four layers
//    57-66  Host-to-Host: TCP (header, three-way handshake, sequencing, acknowledgments, window)
//    67-70  Host-to-Host: UDP
//    71-74  port numbers: well-known ranges; TCP and UDP ports of common applications
//    75-84  Process/Application protocols: Telnet, FTP, TFTP, SMTP, SNMP, DNS, HTTP, BootP, DHCP
//    85-92  Internet layer: the IP header (TTL, protocol field), ICMP messages, ping, traceroute
//    93-102 ARP, proxy ARP, RARP; broadcast and hardware addresses
//    103-110 summary and review
//
// Chapter 3  IP addressing and subnetting ..................... pages 111-176
//    111-118 binary, decimal and hexadecimal
//    119-126 address classes, first-octet ranges, default masks
//    127-130 private and reserved addresses, loopback
//    131-140 subnet masks: hosts and subnets per mask
//    141-158 finding subnet, broadcast and valid hosts (Class C, then B and A)
//    159-168 choosing a mask for a requirement
//    169-176 route summarisation and variable-length masks
//
// Chapter 4  IPX ............................................... pages 177-216
//    177-184 IPX addressing: network and node numbers
//    185-194 Ethernet frame types and the encapsulation keywords; several frame types on
//            one interface
//    195-204 SAP, GNS and IPX RIP (ticks, hops, timers)
//    205-216 configuring and checking IPX (ipx routing, ipx network, show ipx commands)
//
// Chapter 5  The router's command line and management .......... pages 217-290
//    217-226 modes and prompts; editing keys and command history
//    227-236 passwords (enable secret, enable password, console and VTY lines); banners; host name
//    237-246 the boot sequence, setup mode, the configuration register
//    247-256 configuration files: running, startup, NVRAM, copy and erase
//    257-266 show commands: version, interfaces, controllers, flash
//    267-276 backing up and upgrading the operating-system image (TFTP, flash, boot system)
//    277-284 neighbour discovery, Telnet sessions, host-name resolution
//    285-290 troubleshooting interface status
//
// Chapter 6  IP routing: static, default and distance-vector routing ... pages 291-340
//    291-298 static and default routes; administrative distance; floating static routes
//    299-306 distance-vector principles
//    307-314 routing loops: counting to infinity, split horizon, route poisoning, hold-downs
//    315-326 RIP: configuration, timers, hop count, show and debug; version 2 and classless
//            routing
//    327-336 IGRP: configuration, metric, timers, administrative distance, variance
//    337-340 the routing table (show ip route)
//
// Chapter 7  EIGRP and OSPF ................................... pages 341-400
//    341-350 EIGRP: features, DUAL, tables, administrative distance
//    351-360 EIGRP: metric, successors and feasible successors, the feasibility condition
//    361-368 EIGRP: configuration, summarisation, show commands
//    369-378 OSPF: link-state principles, features, areas, the backbone and ABRs
//    379-388 OSPF: hellos, router ID and the router-id command, DR and BDR election,
//            priorities, multicast addresses, neighbour states
//    389-400 OSPF: cost, administrative distance, configuration (network ... area)
//
// Chapter 8  Switching, spanning tree and VLANs ............... pages 401-466
//    401-410 how a switch learns, floods and filters; the MAC address table
//    411-416 switching methods: cut-through, fragment-free, store-and-forward
//    417-424 duplex on switched links
//    425-440 spanning tree: BPDUs, root bridge, root and designated ports, path cost
//    441-448 spanning-tree port states and timers
//    449-456 VLANs and their benefits; static and dynamic VLAN membership; a switch's
//            management address
//    457-466 trunking (802.1Q, ISL), the native VLAN, VTP modes and pruning, routing between
//            VLANs
//
// Chapter 9  Access lists ..................................... pages 467-526
//    467-474 number ranges; processing order, first match, implicit deny
//    475-484 wildcard masks; host and any
//    485-494 standard IP lists: writing them, placement
//    495-506 extended IP lists: protocols, ports, operators, established, placement
//    507-512 named lists; applying lists (ip access-group, access-class)
//    513-518 checking lists (show access-lists, show ip interface)
//    519-526 IPX access lists and SAP filters
//
// Chapter 10 Wide-area networks ............................... pages 527-596
//    527-534 WAN terms: demarcation, CPE, DTE/DCE, clocking; circuit and packet switching
//    535-540 HDLC: framing, flags and bit stuffing; the default serial encapsulation
//    541-556 PPP: LCP, NCPs, authentication (PAP, CHAP), configuration
//    557-576 Frame Relay: DLCIs, LMI and its types, encapsulation, Inverse ARP and maps,
//            point-to-point and multipoint subinterfaces, split horizon, CIR and congestion
//            bits, show commands
//    577-596 ISDN: BRI and PRI, channels, devices and reference points, protocols, DDR

// Quiz k holds bank records k, k + 4, k + 8, ... in this order.
std::span<const ContentEntry> quiz_1_content();
std::span<const ContentEntry> quiz_2_content();
std::span<const ContentEntry> quiz_3_content();
std::span<const ContentEntry> quiz_4_content();
