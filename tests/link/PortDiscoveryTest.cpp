#include "PortDiscovery.h"

#include "PortMap.h"
#include "PtyFarEnd.h"

#include <gtest/gtest.h>

namespace {

using List = std::vector<std::string>;

struct ResolveCase {
    std::string name;
    std::string device;
};

void PrintTo(const ResolveCase& param, std::ostream* pOut) {
    *pOut << param.name;
}

class FixedTableTest : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(FixedTableTest, ResolvesWithoutAMapping) {
    EXPECT_EQ(PortNamespace().Resolve(GetParam().name), GetParam().device) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FixedTableTest,
    ::testing::Values(ResolveCase{"COM1", "/dev/ttyS0"}, ResolveCase{"COM4", "/dev/ttyS3"},
                      ResolveCase{"COM5", "/dev/ttyUSB0"}, ResolveCase{"COM20", "/dev/ttyUSB15"},
                      ResolveCase{"COM21", "/dev/ttyACM0"}, ResolveCase{"COM32", "/dev/ttyACM11"},
                      ResolveCase{"\\\\.\\COM3", "/dev/ttyS2"},
                      ResolveCase{"//./COM6", "/dev/ttyUSB1"}, ResolveCase{"com2", "/dev/ttyS1"},
                      ResolveCase{"COM33", ""}, ResolveCase{"COM0", ""}, ResolveCase{"COM01", ""},
                      ResolveCase{"COM1x", ""}, ResolveCase{"COM", ""}, ResolveCase{"LPT1", ""},
                      ResolveCase{"", ""}, ResolveCase{"\\\\.\\", ""}));

TEST(PortNamespace, TheMappingWinsOverTheTable) {
    PortMap ports;
    ports.Map("COM3", "/dev/serial/by-id/usb-adapter");
    ports.Map("COM4", "");
    EXPECT_EQ(ports.Namespace().Resolve("\\\\.\\COM3"), "/dev/serial/by-id/usb-adapter");
    EXPECT_EQ(ports.Namespace().Resolve("COM4"), "/dev/ttyS3");
}

TEST(PortNamespace, OnlyACharacterDeviceThatIsThereCounts) {
    PortMap ports;
    PtyFarEnd far;
    TempFolder::WriteAll(ports.Folder() / "file", "not a device");
    ports.Map("COM1", far.SlavePath());
    ports.Map("COM2", (ports.Folder() / "file").string());
    ports.Map("COM3", ports.Folder().Path().string());
    const PortNamespace names = ports.Namespace();
    EXPECT_TRUE(names.DeviceExists("COM1"));
    EXPECT_FALSE(names.DeviceExists("COM2"));
    EXPECT_FALSE(names.DeviceExists("COM3"));
    EXPECT_FALSE(names.DeviceExists("COM4"));
    EXPECT_FALSE(names.DeviceExists("COM99"));
    far.HangUp();
    EXPECT_FALSE(names.DeviceExists("COM1"));
}

class PortListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ports.Map("COM1", far1.SlavePath());
        ports.Map("COM3", far3.SlavePath());
    }

    PortMap ports;
    PtyFarEnd far1;
    PtyFarEnd far3;
};

TEST_F(PortListTest, CurrentPortFirstThenEveryPresentOne) {
    List list;
    AppendPortList(list, "COM1", ports.Namespace());
    EXPECT_EQ(list, (List{"COM1", "COM1", "COM3"}));
}

TEST_F(PortListTest, CurrentPortBeyondTheProbeIsListedOnce) {
    ports.Map("COM40", far1.SlavePath());
    List list;
    AppendPortList(list, "COM40", ports.Namespace());
    EXPECT_EQ(list, (List{"COM40", "COM1", "COM3"}));
}

TEST_F(PortListTest, EnumerationAppendsUpToTheHighestNumber) {
    List list{"kept"};
    EnumerateComPorts(list, 0, ports.Namespace());
    EnumerateComPorts(list, -5, ports.Namespace());
    EXPECT_EQ(list, List{"kept"});
    EnumerateComPorts(list, 2, ports.Namespace());
    EXPECT_EQ(list, (List{"kept", "COM1"}));
    EXPECT_TRUE(ComPortExists(3, ports.Namespace()));
    EXPECT_FALSE(ComPortExists(2, ports.Namespace()));
}

TEST(PortList, NoPortPresentLeavesOnlyTheCurrentSetting) {
    PortMap ports;
    List list;
    AppendPortList(list, "COM5", ports.Namespace());
    EXPECT_EQ(list, List{"COM5"});
}

} // namespace
