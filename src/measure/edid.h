// What the program reads from a monitor's EDID block: who made it and how large its picture is. Platform-free.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

struct EdidFacts {
    std::string maker;    // the three-letter manufacturer code, e.g. "DEL"
    uint16_t product = 0; // the maker's product code
    uint32_t serial = 0;  // the serial number, 0 when the monitor gives none
    int widthMm = 0;      // the picture's size in millimetres; 0 when the block gives none in reason
    int heightMm = 0;
};

// Reads the 128-byte base block: its header and checksum must be right, else nothing is read. The picture's size
// comes from the first detailed timing descriptor (millimetres), else from the base block (centimetres); a size of
// zero (projectors, and a few TVs that leave it open) or out of reason (below 2,5 cm or above 5 m, either side) is
// no size.
std::optional<EdidFacts> ParseEdid(std::span<const uint8_t> block);

// The registry key, below HKEY_LOCAL_MACHINE, that holds the "EDID" value of the monitor whose device interface is
// named "\\?\DISPLAY#DEL4126#5&1a2b3c&0&UID4353#{e6f07b5f-...}": the device's "Device Parameters"; empty for a
// name of another form.
std::string EdidRegistryKey(std::string_view interfaceName);

// The name a calibration keeps for the monitor: maker, product and serial as "DEL-A0F4-12345678".
std::string EdidMonitorName(const EdidFacts& facts);
