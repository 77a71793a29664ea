#include "measure/edid.h"

#include <array>

namespace {

constexpr size_t BlockSize = 128;
constexpr std::array<uint8_t, 8> Header = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
constexpr int LeastMm = 25;
constexpr int MostMm = 5000;

bool InReason(int widthMm, int heightMm)
{
    return widthMm >= LeastMm && widthMm <= MostMm && heightMm >= LeastMm && heightMm <= MostMm;
}

char HexDigit(unsigned value)
{
    return "0123456789ABCDEF"[value & 15];
}

std::string HexText(uint32_t value, int digits)
{
    std::string text(static_cast<size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4)
        text[static_cast<size_t>(i)] = HexDigit(value);
    return text;
}

} // namespace

std::optional<EdidFacts> ParseEdid(std::span<const uint8_t> block)
{
    if (block.size() < BlockSize)
        return std::nullopt;
    for (size_t i = 0; i < Header.size(); ++i)
        if (block[i] != Header[i])
            return std::nullopt;
    uint8_t sum = 0;
    for (size_t i = 0; i < BlockSize; ++i)
        sum = static_cast<uint8_t>(sum + block[i]);
    if (sum != 0)
        return std::nullopt;

    EdidFacts facts;
    // Three letters of five bits each, 1 for 'A', big-endian.
    const unsigned maker = (block[8] << 8) | block[9];
    for (int shift = 10; shift >= 0; shift -= 5)
        facts.maker += static_cast<char>('A' - 1 + ((maker >> shift) & 31));
    facts.product = static_cast<uint16_t>(block[10] | (block[11] << 8));
    facts.serial = block[12] | (block[13] << 8) | (block[14] << 16) | (static_cast<uint32_t>(block[15]) << 24);

    // The first descriptor is a detailed timing when its pixel clock is not zero.
    const uint8_t* timing = &block[54];
    const int timingWidth = timing[12] | ((timing[14] >> 4) << 8);
    const int timingHeight = timing[13] | ((timing[14] & 15) << 8);
    if ((timing[0] | timing[1]) != 0 && InReason(timingWidth, timingHeight)) {
        facts.widthMm = timingWidth;
        facts.heightMm = timingHeight;
    } else if (InReason(block[21] * 10, block[22] * 10)) {
        facts.widthMm = block[21] * 10;
        facts.heightMm = block[22] * 10;
    }
    return facts;
}

std::string EdidMonitorName(const EdidFacts& facts)
{
    return facts.maker + "-" + HexText(facts.product, 4) + "-" + HexText(facts.serial, 8);
}

std::string EdidRegistryKey(std::string_view interfaceName)
{
    constexpr std::string_view prefix = "\\\\?\\";
    if (!interfaceName.starts_with(prefix))
        return {};
    std::string_view rest = interfaceName.substr(prefix.size());
    std::string parts[3];
    for (std::string& part : parts) {
        const size_t hash = rest.find('#');
        if (hash == 0 || hash == std::string_view::npos)
            return {};
        part = rest.substr(0, hash);
        rest = rest.substr(hash + 1);
        if (part.find('\\') != std::string::npos)
            return {};
    }
    if (rest.empty())
        return {};
    return "SYSTEM\\CurrentControlSet\\Enum\\" + parts[0] + "\\" + parts[1] + "\\" + parts[2] + "\\Device Parameters";
}
