// The ruler in millimetres and inches: the unit picked in "&Einstellungen" > "&Maßeinheit", kept in the settings
// file and read back, and the length the labels show for the monitor's size as its EDID gives it.
#include <array>

#include "core/object_ids.h"
#include "e2e_driver.h"
#include "measure/edid.h"
#include "window_search.h"

namespace {

// The registry key where the system keeps the EDID of the first monitor, as its device interface names it.
std::string FirstMonitorEdidKey()
{
    DISPLAY_DEVICEA adapter{};
    adapter.cb = sizeof(adapter);
    DISPLAY_DEVICEA monitor{};
    monitor.cb = sizeof(monitor);
    for (DWORD i = 0; EnumDisplayDevicesA(nullptr, i, &adapter, 0); ++i)
        if ((adapter.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE) &&
            EnumDisplayDevicesA(adapter.DeviceName, 0, &monitor, EDD_GET_DEVICE_INTERFACE_NAME))
            return EdidRegistryKey(monitor.DeviceID);
    return {};
}

// A base block as a monitor sends it, of the given picture size in millimetres, with a right checksum.
std::array<uint8_t, 128> EdidOfSize(int widthMm, int heightMm)
{
    std::array<uint8_t, 128> b{0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x10, 0xAC, 0x26, 0x41, 1, 0, 0, 0};
    b[18] = 1;
    b[19] = 4;
    b[21] = static_cast<uint8_t>(widthMm / 10);
    b[22] = static_cast<uint8_t>(heightMm / 10);
    b[54] = 0x4D; // a detailed timing: its pixel clock, and its size in millimetres
    b[55] = 0xD0;
    b[54 + 12] = static_cast<uint8_t>(widthMm);
    b[54 + 13] = static_cast<uint8_t>(heightMm);
    b[54 + 14] = static_cast<uint8_t>(((widthMm >> 8) << 4) | (heightMm >> 8));
    uint8_t sum = 0;
    for (size_t i = 0; i < 127; ++i)
        sum = static_cast<uint8_t>(sum + b[i]);
    b[127] = static_cast<uint8_t>(-sum);
    return b;
}

class MeasureUnitTest : public ProgramTest {
protected:
    void TearDown() override
    {
        if (!edidKey.empty())
            RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, edidKey.c_str(), "EDID");
        ProgramTest::TearDown();
    }
    // Places an EDID that makes the first monitor 4 pixels to the millimetre; false when the system has no key for it.
    bool PlaceEdid()
    {
        edidKey = FirstMonitorEdidKey();
        const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
        const std::array<uint8_t, 128> edid = EdidOfSize(width / 4, height / 4);
        return !edidKey.empty() && RegSetKeyValueA(HKEY_LOCAL_MACHINE, edidKey.c_str(), "EDID", REG_BINARY, edid.data(),
                                                   static_cast<DWORD>(edid.size())) == ERROR_SUCCESS;
    }
    std::string edidKey;
};

} // namespace

TEST_F(MeasureUnitTest, TheUnitIsPickedKeptAndReadBackAndTheLabelsMeasureTheMonitorByItsEdid)
{
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN) % 4, 0) << "the lengths below are whole";
    ASSERT_TRUE(PlaceEdid()) << "no device interface key for the monitor: " << edidKey;
    ASSERT_TRUE(WriteSettingsFile(SettingsFileText(0, 1, 1, RECT{500, 10, 0, 0}, RECT{100, 10, 400, 160})));
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntilTakingInput());
    EXPECT_EQ(ControlText(ruler, RulerWidthLabel), "300");
    EXPECT_EQ(ControlText(ruler, RulerOriginLabel), "1");

    const struct {
        wchar_t key;
        const char *width, *height, *origin;
    } units[] = {{L'M', "75,0 mm", "37,5 mm", "0"}, {L'Z', "2,95 Zoll", "1,48 Zoll", "0"}, {L'P', "300", "150", "1"}};
    for (const auto& unit : units) {
        SCOPED_TRACE(unit.width);
        ASSERT_TRUE(PickSubmenuItem(program.processId, main, L'E', L'M', unit.key, [&] {
            return ControlText(ruler, RulerWidthLabel) == unit.width;
        })) << ControlText(ruler, RulerWidthLabel);
        EXPECT_EQ(ControlText(ruler, RulerHeightLabel), unit.height);
        EXPECT_EQ(ControlText(ruler, RulerOriginLabel), unit.origin);
        EXPECT_EQ(ControlText(main, RulerWidthField), "300") << "the panel stays in pixels";
    }
    ASSERT_TRUE(PickSubmenuItem(program.processId, main, L'E', L'M', L'Z',
                                [&] { return ControlText(ruler, RulerWidthLabel) == "2,95 Zoll"; }));
    const RECT mainFrame = WindowRect(main), rulerFrame = WindowRect(ruler);
    ASSERT_EQ(QuitThroughMenu(), 0u);
    EXPECT_EQ(ReadBytes(SettingsFilePath()), SettingsFileText(0, 1, 1, mainFrame, rulerFrame, 2));

    ASSERT_TRUE(Start());
    EXPECT_TRUE(WaitUntil([&] { return ControlText(ruler, RulerWidthLabel) == "2,95 Zoll"; }))
        << "read back: " << ControlText(ruler, RulerWidthLabel);
    const RECT label = ControlRect(ruler, RulerWidthLabel);
    EXPECT_EQ(label.right, 300 - 17) << "the widened label keeps its right edge";
    EXPECT_GT(label.right - label.left, 28) << "and grows to the left";
}

// The user fits a 300-pixel ruler to an object of 75 mm: the monitor has 4 pixels to the millimetre from then on,
// kept in the settings file under its name, until "Zurücksetzen" forgets it.
TEST_F(MeasureUnitTest, TheCalibrationWindowKeepsTheMonitorsPitchUntilItIsReset)
{
    ASSERT_TRUE(WriteSettingsFile(SettingsFileText(0, 1, 1, RECT{500, 10, 0, 0}, RECT{100, 10, 400, 160}, 1)));
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntilTakingInput());
    const std::string reported = ControlText(ruler, RulerWidthLabel);
    ASSERT_NE(reported, "300") << "the system reports a size for the monitor";
    ASSERT_NE(reported, "75,0 mm");

    HWND window = nullptr;
    const auto openWindow = [&] {
        return PickMenuItem(program.processId, main, L'E', L'B', [&] {
            window = FindProgramWindow(program.processId, "Bildschirm vermessen - Tessaro");
            return window && IsWindowVisible(window);
        });
    };
    ASSERT_TRUE(openWindow()) << "\"Bildschirm vermessen\" did not open its window";
    // An edit field of another process is read and written through its messages, not its window text.
    const HWND field = GetDlgItem(window, CalibrationLengthField);
    char typed[32] = {};
    SendMessageA(field, WM_GETTEXT, sizeof(typed), reinterpret_cast<LPARAM>(typed));
    EXPECT_STREQ(typed, "85,60") << "a bank card's width to start with";
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("75"));
    ClickControl(window, CalibrationOkButton);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window) && ControlText(ruler, RulerWidthLabel) == "75,0 mm"; }))
        << ControlText(ruler, RulerWidthLabel);
    EXPECT_EQ(ControlText(ruler, RulerHeightLabel), "37,5 mm");
    ASSERT_EQ(QuitThroughMenu(), 0u);
    const std::string saved = ReadBytes(SettingsFilePath());
    const size_t key = saved.find("MeasureUnit = 1\r\nEdgeTolerance = 0\r\nMonitorCalibration1 = ");
    ASSERT_NE(key, std::string::npos) << saved;
    EXPECT_TRUE(saved.ends_with(" 4.0000\r\n")) << saved;

    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntil([&] { return ControlText(ruler, RulerWidthLabel) == "75,0 mm"; })) << "read back";
    ASSERT_TRUE(WaitUntilTakingInput());
    ASSERT_TRUE(openWindow()) << DescribeWindowsOf(program.processId);
    ClickControl(window, CalibrationResetButton);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window) && ControlText(ruler, RulerWidthLabel) == reported; }))
        << ControlText(ruler, RulerWidthLabel);
    ASSERT_EQ(QuitThroughMenu(), 0u);
    EXPECT_EQ(ReadBytes(SettingsFilePath()).find("MonitorCalibration"), std::string::npos);
}
