#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "measure/edid.h"

namespace {

struct Monitor {
    const char* maker;
    uint16_t product;
    uint32_t serial;
    int widthCm, heightCm;             // the base block's size
    int timingWidthMm, timingHeightMm; // the first detailed timing's size
};

// A base block as monitors send it: header, maker, product, serial, version 1.4, the size in centimetres and a
// detailed timing of 3840 x 2160 at 60 Hz (pixel clock 533,25 MHz) carrying the size in millimetres; checksum last.
std::vector<uint8_t> EdidOf(const Monitor& m)
{
    std::vector<uint8_t> b(128, 0);
    const std::array<uint8_t, 8> header = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    std::copy(header.begin(), header.end(), b.begin());
    const unsigned maker = ((m.maker[0] - 'A' + 1) << 10) | ((m.maker[1] - 'A' + 1) << 5) | (m.maker[2] - 'A' + 1);
    b[8] = static_cast<uint8_t>(maker >> 8);
    b[9] = static_cast<uint8_t>(maker);
    b[10] = static_cast<uint8_t>(m.product);
    b[11] = static_cast<uint8_t>(m.product >> 8);
    for (int i = 0; i < 4; ++i)
        b[12 + i] = static_cast<uint8_t>(m.serial >> (8 * i));
    b[18] = 1;
    b[19] = 4;
    b[20] = 0xA5; // digital input, 10 bits per colour, DisplayPort
    b[21] = static_cast<uint8_t>(m.widthCm);
    b[22] = static_cast<uint8_t>(m.heightCm);
    uint8_t* t = &b[54];
    t[0] = 0x4D; // 53325 x 10 kHz
    t[1] = 0xD0;
    t[2] = 0x00; // 3840 active, 160 blank
    t[3] = 0xA0;
    t[4] = 0xF0;
    t[5] = 0x70; // 2160 active, 62 blank
    t[6] = 0x3E;
    t[7] = 0x80;
    t[12] = static_cast<uint8_t>(m.timingWidthMm);
    t[13] = static_cast<uint8_t>(m.timingHeightMm);
    t[14] = static_cast<uint8_t>(((m.timingWidthMm >> 8) << 4) | (m.timingHeightMm >> 8));
    uint8_t sum = 0;
    for (size_t i = 0; i < 127; ++i)
        sum = static_cast<uint8_t>(sum + b[i]);
    b[127] = static_cast<uint8_t>(-sum);
    return b;
}

} // namespace

TEST(Edid, SizeFromTheDetailedTimingElseFromTheBaseBlock)
{
    const struct {
        const char* what;
        Monitor monitor;
        int widthMm, heightMm;
    } cases[] = {
        {"27 inch 4K monitor", {"DEL", 0xA0F4, 0x4C4F4A41, 60, 34, 597, 336}, 597, 336},
        {"13,3 inch laptop panel", {"BOE", 0x0747, 0, 29, 17, 294, 165}, 294, 165},
        {"TV with only the centimetres", {"SAM", 0x0F00, 0x01000E00, 160, 90, 0, 0}, 1600, 900},
        {"timing with the aspect ratio for its size", {"GSM", 0x5B09, 1, 70, 39, 16, 9}, 700, 390},
        {"projector with no size", {"EPS", 0x0001, 0, 0, 0, 0, 0}, 0, 0},
        {"one side zero: an aspect ratio, no size", {"ACR", 0x0408, 7, 0, 79, 0, 0}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<EdidFacts> facts = ParseEdid(EdidOf(c.monitor));
        ASSERT_TRUE(facts);
        EXPECT_EQ(facts->maker, c.monitor.maker);
        EXPECT_EQ(facts->product, c.monitor.product);
        EXPECT_EQ(facts->serial, c.monitor.serial);
        EXPECT_EQ(facts->widthMm, c.widthMm);
        EXPECT_EQ(facts->heightMm, c.heightMm);
    }
    EXPECT_EQ(EdidMonitorName(*ParseEdid(EdidOf(cases[0].monitor))), "DEL-A0F4-4C4F4A41");
}

TEST(Edid, BrokenBlocksAreNotRead)
{
    const std::vector<uint8_t> good = EdidOf({"DEL", 0xA0F4, 1, 60, 34, 597, 336});
    ASSERT_TRUE(ParseEdid(good));
    std::vector<uint8_t> badSum = good;
    badSum[21] = 61;
    EXPECT_FALSE(ParseEdid(badSum)) << "wrong checksum";
    EXPECT_FALSE(ParseEdid(std::span(good).first(127))) << "short block";
    std::vector<uint8_t> noHeader = good;
    noHeader[0] = 0xFF;
    noHeader[127] = static_cast<uint8_t>(noHeader[127] - 0xFF);
    EXPECT_FALSE(ParseEdid(noHeader)) << "no header, right checksum";
    std::vector<uint8_t> withExtension = good;
    withExtension.resize(256, 0x11);
    EXPECT_TRUE(ParseEdid(withExtension)) << "the base block is read, an extension block passed over";
}

TEST(Edid, RegistryKeyOfAMonitorsDeviceInterface)
{
    EXPECT_EQ(EdidRegistryKey("\\\\?\\DISPLAY#DEL4126#5&1a2b3c&0&UID4353#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}"),
              "SYSTEM\\CurrentControlSet\\Enum\\DISPLAY\\DEL4126\\5&1a2b3c&0&UID4353\\Device Parameters");
    for (const char* wrong : {"", "DISPLAY#DEL4126#5&1#{x}", "\\\\?\\DISPLAY#DEL4126#{x}", "\\\\?\\DISPLAY##1#{x}",
                              "\\\\?\\DISPLAY#A\\..#1#{x}", "\\\\?\\DISPLAY#DEL4126#1#"})
        EXPECT_EQ(EdidRegistryKey(wrong), "") << wrong;
}
