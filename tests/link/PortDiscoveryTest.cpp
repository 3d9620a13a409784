#include "PortDiscovery.h"

#include "PortMap.h"
#include "PtyFarEnd.h"

#include <gtest/gtest.h>

namespace {

using List = std::vector<std::string>;
using Device = std::pair<std::string, std::string>;

TEST(PortNamespace, ResolvesThroughTheFixedTableWhereNothingIsMapped) {
    PortMap ports;
    ports.Map("COM4", "");
    for (const auto& [name, device] :
         {Device{"COM1", "/dev/ttyS0"}, Device{"COM4", "/dev/ttyS3"},
          Device{"COM5", "/dev/ttyUSB0"}, Device{"COM20", "/dev/ttyUSB15"},
          Device{"COM21", "/dev/ttyACM0"}, Device{"COM32", "/dev/ttyACM11"},
          Device{"\\\\.\\COM3", "/dev/ttyS2"}, Device{"//./COM6", "/dev/ttyUSB1"}})
        EXPECT_EQ(PortNamespace().Resolve(name), device) << name;
    for (const char* name : {"COM33", "COM0", "COM01", "COM1x", "COM", "LPT1", "", "\\\\.\\"})
        EXPECT_EQ(PortNamespace().Resolve(name), "") << name;
    EXPECT_EQ(ports.Namespace().Resolve("COM4"), "/dev/ttyS3");
}

// A network address counts without a connection being made, when it is well formed.
TEST(PortNamespace, OnlyACharacterDeviceThatIsThereOrANetworkAddressCounts) {
    PortMap ports;
    PtyFarEnd far;
    TempFolder::WriteAll(ports.Folder() / "file", "not a device");
    ports.Map("COM1", far.SlavePath());
    ports.Map("COM2", (ports.Folder() / "file").string());
    ports.Map("COM5", "rfc2217://192.0.2.1:4001");
    ports.Map("COM6", "socket://192.0.2.1");
    const PortNamespace names = ports.Namespace();
    for (const char* present : {"COM1", "COM5"})
        EXPECT_TRUE(names.IsPresent(present)) << present;
    for (const char* absent : {"COM2", "COM4", "COM6", "COM99"})
        EXPECT_FALSE(names.IsPresent(absent)) << absent;
    far.HangUp();
    EXPECT_FALSE(names.IsPresent("COM1"));
}

List PortListFor(const std::string& current, const PortMap& ports) {
    List list;
    AppendPortList(list, current, ports.Namespace());
    return list;
}

TEST(PortList, CurrentPortFirstThenEveryPresentOne) {
    PortMap ports;
    EXPECT_EQ(PortListFor("COM5", ports), List{"COM5"});
    PtyFarEnd far1;
    PtyFarEnd far3;
    ports.Map("COM1", far1.SlavePath());
    ports.Map("COM3", far3.SlavePath());
    EXPECT_EQ(PortListFor("COM1", ports), (List{"COM1", "COM1", "COM3"}));
    // Beyond the probe the current port is listed once.
    ports.Map("COM40", far1.SlavePath());
    EXPECT_EQ(PortListFor("COM40", ports), (List{"COM40", "COM1", "COM3"}));

    List list{"kept"};
    EnumerateComPorts(list, 1, ports.Namespace());
    EXPECT_EQ(list, (List{"kept", "COM1"}));
}

} // namespace
