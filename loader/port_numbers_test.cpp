// Port numbers in names and list lines.
#include "loader/port_numbers.h"

#include <gtest/gtest.h>

namespace loader {
namespace {

TEST(PortNumbers, TheNumberFollowsTheFirstThreeCharacters) {
    EXPECT_EQ(PortNumberOfName("COM7"), 7);
    EXPECT_EQ(PortNumberOfName("COM12 - Virtual port (/dev/pts/4)"), 12);
    EXPECT_EQ(PortNumberOfName("com3"), 3);
    EXPECT_EQ(PortNumberOfName("COM"), 0);
    EXPECT_EQ(PortNumberOfName("COMX1"), 0);
    EXPECT_EQ(PortNumberOfName("ttyUSB0"), 0) << "\"USB0\" does not start with a digit";
}

TEST(PortNumbers, ALineIsFoundByItsWholeNumber) {
    const std::vector<std::string> lines = {"COM1 - Serial port", "COM12 - Virtual port", "COM2 - Serial port"};
    EXPECT_EQ(PortLineOfNumber(lines, 12), 1) << "port 12, not port 1";
    EXPECT_EQ(PortLineOfNumber(lines, 2), 2);
    EXPECT_EQ(PortLineOfNumber(lines, 3), -1);

    std::vector<std::string> many(300, "COM9");
    many[254] = "COM40";
    many[255] = "COM41";
    EXPECT_EQ(PortLineOfNumber(many, 40), 254);
    EXPECT_EQ(PortLineOfNumber(many, 41), -1) << "only the first 255 lines are searched";
}

}  // namespace
}  // namespace loader
