#include "platform/WineRegistry.h"

#include "platform/Error.h"
#include "support/Samples.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace quillby {
namespace {

const std::string kKey = "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0";
const std::string kKey32 =
    "Software\\Wow6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0";

// Values in every form Wine writes, and a few it never writes.
const char* const kValues = R"(WINE REGISTRY Version 2
;; All keys relative to REGISTRY\\Machine

#arch=win64

[Software\\Quillby\\Values] 1796963178
#time=1dd8927c443755c
"Plain"="C:\\FS2002"
"Escapes"="q\"b\\s\tt\nn \x00c9dition \xe9 \x20ac \x \101\0after NUL"
@="the default"
"Expand"=str(2):"%SystemRoot%\\fs"
"Utf16"=hex(1):43,00,3a,00,5c,00,c9,00,41,01
"Utf16Expand"=hex(2):41,00,00,00,42,00
"Empty binary"=hex:
"Multi"=str(7):"a\0b\0"
"Number"=dword:00000008
"Binary"=hex:01,02,\
  03,04
"After binary" = "spaces around the sign"
"Dup"="first"
"Dup"="second"
"No closing quote"="C:\\FS
"Bad hex"=hex:0g
"Bad type"=hex(zz):00
just some garbage = "x"
[Software\\Quillby\\Values\\Deeper\\Sub] 1796963178
"Sub"="sub value"
)";

TEST(WineRegistry, ReadsStringsAsWineWritesThem) {
    const WineRegistry reg = WineRegistry::fromText(kValues);
    struct Case {
        const char* name;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"Plain", "C:\\FS2002"},
        {"PLAIN", "C:\\FS2002"},
        {"Escapes", "q\"b\\s\tt\nn \xC9"
                    "dition \xE9 \x80 x A"},
        {"", "the default"},
        {"Expand", "%SystemRoot%\\fs"},
        {"Utf16", "C:\\\xC9?"},
        {"Utf16Expand", "A"},
        {"Empty binary", ""},
        {"After binary", "spaces around the sign"},
        {"Dup", "second"},
        {"No closing quote", std::nullopt},
        {"Bad hex", std::nullopt},
        {"Bad type", std::nullopt},
        {"just some garbage", std::nullopt},
        {"Sub", std::nullopt},
        {"Missing", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(reg.readString("software\\QUILLBY\\values", c.name), c.expected) << c.name;
    }
    EXPECT_EQ(reg.readString("Software\\Quillby\\Values\\Deeper\\Sub", "sub"), "sub value");
    EXPECT_EQ(reg.readString("Software\\Quillby\\Missing", "Plain"), std::nullopt);
}

TEST(WineRegistry, RefusesAValueThatIsNotAStringNamingTheFileAndLine) {
    const WineRegistry reg = WineRegistry::fromText(kValues, "/prefix/system.reg");
    const std::pair<const char*, int> cases[] = {{"Multi", 15}, {"Number", 16}, {"Binary", 17}};
    for (const auto& [name, line] : cases) {
        try {
            (void)reg.readString("Software\\Quillby\\Values", name);
            ADD_FAILURE() << name << " was read as a string";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), "Invalid data type for '" + std::string(name) +
                                                 "' (/prefix/system.reg, line " +
                                                 std::to_string(line) + ")");
        }
    }
}

TEST(WineRegistry, KnowsKeysWithoutLinesOfTheirOwn) {
    const WineRegistry reg = WineRegistry::fromText(kValues);
    EXPECT_TRUE(reg.hasKey("Software\\Quillby\\Values"));
    EXPECT_TRUE(reg.hasKey("\\SOFTWARE\\quillby\\"));
    EXPECT_TRUE(reg.hasKey("Software\\Quillby\\Values\\Deeper"));
    EXPECT_FALSE(reg.hasKey("Software\\Quill"));
    EXPECT_FALSE(reg.hasKey("Software\\Quillby\\Values\\Deep"));
}

TEST(WineRegistry, SkipsWhatIsNotARegistryAndGarbledKeys) {
    const std::string values = "\"EXE Path\"=\"C:\\\\FS2002\"\n";
    EXPECT_FALSE(WineRegistry::fromText("[" + kKey + "]\n" + values).hasKey(kKey)) << "no header";
    EXPECT_FALSE(WineRegistry::fromText("REGEDIT4\n[" + kKey + "]\n" + values).hasKey(kKey));

    // A garbled key line ends the key before it; its values belong to no key.
    const WineRegistry reg = WineRegistry::fromText(
        "WINE REGISTRY Version 2\n\x01\xFF garbage\n[Software\\\\A] 1\n\"v\"=\"a\"\n"
        "[Software\\\\B\n\"v\"=\"from garbled key\"\n\"w\"=\"w\"\n[Software\\\\A] 2\n\"v\"=\"a2\"\n"
        "\"x\"=\"x\"\n\"hex\"=hex:01,\\");
    EXPECT_EQ(reg.readString("Software\\A", "v"), "a2") << "a key written twice is one key";
    EXPECT_EQ(reg.readString("Software\\A", "x"), "x");
    EXPECT_EQ(reg.readString("Software\\A", "w"), std::nullopt);
    EXPECT_FALSE(reg.hasKey("Software\\B"));
    EXPECT_EQ(reg.readString("Software\\A", "hex"), std::nullopt)
        << "a continuation line that never comes";
}

TEST(WineRegistry, ATruncatedFileNeverYieldsHalfAValue) {
    const std::string text = "WINE REGISTRY Version 2\r\n\r\n[" + std::string(R"(Software\\F)") +
                             "] 1796963178\r\n\"EXE Path\"=\"C:\\\\FS2002\"\r\n";
    for (std::size_t size = 0; size <= text.size(); ++size) {
        const auto value =
            WineRegistry::fromText(text.substr(0, size)).readString("Software\\F", "EXE Path");
        if (value) {
            EXPECT_EQ(*value, "C:\\FS2002") << size;
        }
    }
    EXPECT_EQ(WineRegistry::fromText(text).readString("Software\\F", "EXE Path"), "C:\\FS2002");
}

std::string registryWith(const std::string& body) {
    return "WINE REGISTRY Version 2\n" + body;
}

std::string keyWith(const std::string& key, const std::string& values) {
    std::string escaped;
    for (const char c : key) {
        escaped += c == '\\' ? "\\\\" : std::string(1, c);
    }
    return "[" + escaped + "] 1796963178\n" + values;
}

TEST(SimulatorPath, ReadsThePlainKeyElseTheOneOfA32BitInstaller) {
    const std::string exe64 = "\"EXE Path\"=\"C:\\\\FS2002\"\n";
    const std::string exe32 = "\"EXE Path\"=\"D:\\\\FS2002\\\\\"\n";
    struct Case {
        std::string body;
        std::string expected;
    };
    const Case cases[] = {
        {keyWith(kKey, exe64), "C:\\FS2002"},
        {keyWith(kKey32, exe32), "D:\\FS2002\\"},
        {keyWith(kKey32, exe32) + keyWith(kKey, exe64), "C:\\FS2002"},
        {keyWith(kKey, "\"Version\"=dword:00000008\n") + keyWith(kKey32, exe32), ""},
        {keyWith(kKey + "\\Sub", "\"x\"=\"y\"\n") + keyWith(kKey32, exe32), ""},
        {keyWith("Software\\Microsoft", "\"EXE Path\"=\"C:\\\\elsewhere\"\n"), ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(findSimulatorPath(WineRegistry::fromText(registryWith(c.body))), c.expected)
            << c.body;
    }
}

TEST(SimulatorPath, ANonStringValueEndsTheSearchWithAnError) {
    const WineRegistry reg =
        WineRegistry::fromText(registryWith(keyWith(kKey, "\"EXE Path\"=dword:00000001\n")));
    EXPECT_THROW(findSimulatorPath(reg), Error);
}

TEST(SimulatorPath, FindsNothingInAPrefixWithoutARegistryFile) {
    const test::TempDir dir;
    EXPECT_EQ(findSimulatorPath(WineRegistry::load(dir / "system.reg")), "");
    EXPECT_EQ(findSimulatorPath(WineRegistry::load(dir.path())), "") << "a folder";
}

TEST(SimulatorPath, ReadsTheRegistriesOfRealPrefixes) {
    const auto win64 = test::sample("wine/win64-prefix/system.reg");
    const auto wow64 = test::sample("wine/wow64-prefix/system.reg");
    if (!win64 || !wow64) {
        GTEST_SKIP() << "no samples folder";
    }
    EXPECT_EQ(findSimulatorPath(WineRegistry::load(*win64)), "C:\\FS2002");

    const WineRegistry reg = WineRegistry::load(*wow64);
    EXPECT_EQ(findSimulatorPath(reg), "D:\\Jeux\\Microsoft Games\\FS2002 \xC9"
                                      "dition\\");
    EXPECT_EQ(reg.readString("SOFTWARE\\Classes\\.exe", ""), "exefile");
    try {
        (void)reg.readString(kKey32, "version");
        ADD_FAILURE() << "a DWORD was read as a string";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Invalid data type for 'version' (" + wow64->string() + ", line 42808)");
    }
}

TEST(WinePrefix, IsWineprefixElseDotWineInHome) {
    EXPECT_EQ(findWinePrefix("/games/fs", "/home/pilot"), std::filesystem::path("/games/fs"));
    EXPECT_EQ(findWinePrefix("", "/home/pilot"), std::filesystem::path("/home/pilot/.wine"));
    EXPECT_EQ(findWinePrefix("", ""), std::nullopt);
}

} // namespace
} // namespace quillby
