#include "store/registry.h"

#include <gtest/gtest.h>

#include "store/settings.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using qmtest::Spit;
using qmtest::TempDir;

TEST(Registry, ParsesKeysLineByLine) {
    struct Case {
        const char* name;
        std::string file;
        std::string section;
        std::string expected;
    } cases[] = {
        {"plain", "[InfantryTypes]\r\n1=E1\r\n2=E2\r\n[Next]\r\nx=1\r\n", "InfantryTypes", "1|2"},
        {"letter case matters", "[infantrytypes]\r\n1=E1\r\n", "InfantryTypes", ""},
        {"missing section", "[A]\r\n1=x\r\n", "InfantryTypes", ""},
        {"empty section", "[InfantryTypes]\r\n[Next]\r\nx=1\r\n", "InfantryTypes", ""},
        {"no key lines", "[InfantryTypes]\r\n;only comments\r\n\r\n", "InfantryTypes", ""},
        {"comments and blanks skipped, comments with = too",
         "[InfantryTypes]\r\n1=E1\r\n\r\n; 5=old = entry\r\n  ;x=y\r\njunk\r\n2=E2\r\n",
         "InfantryTypes", "1|2"},
        {"a [ in a comment or value does not end the section",
         "[VehicleTypes]\r\n1=MTNK ; see [notes]\r\n; [2] removed\r\n3=HTNK\r\n[Next]\r\n",
         "VehicleTypes", "1|3"},
        {"a value holding = gives one key", "[VehicleTypes]\r\n1=A=B\r\n2=C\r\n", "VehicleTypes", "1|2"},
        {"leading blanks of a key are kept", "[VehicleTypes]\r\n  1=A\r\n\t2=B\r\n", "VehicleTypes",
         "  1|\t2"},
        {"header with blanks around it", "  [VehicleTypes]  \r\n1=A\r\n", "VehicleTypes", "1"},
        {"header in a comment is not a header", "; [VehicleTypes]\r\n1=A\r\n[VehicleTypes]\r\n2=B\r\n",
         "VehicleTypes", "2"},
        {"LF and CR line ends", "[VehicleTypes]\n1=A\r2=B\n[X]\n", "VehicleTypes", "1|2"},
        {"last line without line end", "[Countries]\r\n0=Americans\r\n1=Alliance", "Countries", "0|1"},
        {"GBK with [ ] as second bytes", "[VehicleTypes]\r\n1=\x81[\x81]\r\n2=B\r\n", "VehicleTypes", "1|2"},
        {"text ends at a zero byte", std::string("[A]\r\n1=x\r\n\0" "2=y\r\n", 17), "A", "1"},
        {"duplicates kept", "[A]\r\n1=x\r\n1=y\r\n", "A", "1|1"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        Spit(dir.file("r.ini"), c.file);
        EXPECT_EQ(SectionKeysText(dir.file("r.ini"), c.section), c.expected) << c.name;
        EXPECT_EQ(ListSectionKeys(dir.file("r.ini"), c.section), SplitText(c.expected, "|")) << c.name;
    }
    EXPECT_EQ(SectionKeysText("/nonexistent/r.ini", "A"), "");
    EXPECT_TRUE(ListSectionKeys("/nonexistent/r.ini", "A").empty());
}

TEST(Registry, StockTemplatesListTheirRegistries) {
    struct Case {
        int version;
        const char* section;
        size_t count;
        const char* first;
        const char* last;
    } cases[] = {
        {1, "InfantryTypes", 45, "1", "45"},   {1, "VehicleTypes", 55, "1", "57"},
        {1, "AircraftTypes", 9, "1", "9"},     {1, "BuildingTypes", 301, "1", "303"},
        {1, "Countries", 13, "0", "12"},       {2, "InfantryTypes", 65, "1", "65"},
        {2, "VehicleTypes", 80, "1", "84"},    {2, "AircraftTypes", 12, "1", "12"},
        {2, "BuildingTypes", 403, "1", "406"}, {2, "Countries", 14, "0", "13"},
    };
    TempDir dir;
    for (int v : {1, 2}) Spit(dir.file(std::to_string(v)), TemplateBytes(v));
    for (const auto& c : cases) {
        TextList keys = ListSectionKeys(dir.file(std::to_string(c.version)), c.section);
        ASSERT_EQ(keys.size(), c.count) << c.version << c.section;
        EXPECT_EQ(keys.front(), c.first);
        EXPECT_EQ(keys.back(), c.last);
    }
}

}  // namespace
}  // namespace qm
