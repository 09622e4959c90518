// SettingsRegistry against Wine's real registry. Every test starts from a
// deleted key and deletes it again at the end.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/settings_registry.h"
#include "harness/registry.h"

namespace quorvel {
namespace {

using namespace testing_support;

constexpr wchar_t kRoot[] = L"Software\\QuorvelTests";
constexpr wchar_t kKeyA[] = L"Software\\QuorvelTests\\A";
constexpr char kPathA[] = "\\Software\\QuorvelTests\\A";

class Registry : public ::testing::Test {
protected:
    void SetUp() override { DeleteKey(kRoot); }
    void TearDown() override {
        registry.CloseKey();
        DeleteKey(kRoot);
    }
    // Plants values under A and opens it.
    void OpenWith(const std::vector<Value>& values) {
        ASSERT_TRUE(Plant(kKeyA, values));
        ASSERT_TRUE(registry.OpenKey(kPathA, false));
    }
    template <typename Read>
    std::string ErrorOf(Read read) {
        try {
            read();
        } catch (const RegistryError& e) {
            return e.what();
        }
        return "no error";
    }

    SettingsRegistry registry;
};

// Whatever key is open, a path is taken from the root of HKEY_CURRENT_USER, with
// or without its leading backslash, and the old key is closed first.
TEST_F(Registry, OpensFromTheRootWithOrWithoutCreating) {
    EXPECT_FALSE(registry.OpenKey(kPathA, false));
    EXPECT_FALSE(KeyExists(kKeyA));
    EXPECT_TRUE(registry.OpenKey(kPathA, true));
    EXPECT_TRUE(KeyExists(kKeyA));
    registry.WriteInteger("Marker", 7);

    ASSERT_TRUE(registry.OpenKey("Software\\QuorvelTests", false));
    EXPECT_FALSE(registry.OpenKey("A", false)) << "not taken below the open key";
    EXPECT_FALSE(registry.HasOpenKey()) << "the old key was closed";
    ASSERT_TRUE(registry.OpenKey("Software\\QuorvelTests\\A", false));
    EXPECT_EQ(registry.ReadInteger("Marker"), 7);
}

TEST_F(Registry, ReadsIntegersOnlyFromDwordValues) {
    OpenWith({Dword(L"Minus", static_cast<DWORD>(-351)), Dword(L"Flag", 2), Text(L"Text", L"12"),
              Value{L"Bytes", REG_BINARY, {1, 0, 0, 0}}, Value{L"Quad", REG_QWORD, {5, 0, 0, 0, 0, 0, 0, 0}}});
    EXPECT_EQ(registry.ReadInteger("Minus"), -351);
    EXPECT_TRUE(registry.ReadBool("Flag"));
    EXPECT_EQ(ErrorOf([&] { registry.ReadInteger("Missing"); }), "Failed to get data for 'Missing'");
    for (const char* name : {"Text", "Bytes", "Quad"}) {
        EXPECT_EQ(ErrorOf([&] { registry.ReadBool(name); }), "Invalid data type for '" + std::string(name) + "'");
    }
}

TEST_F(Registry, ReadsStringsUpToTheFirstZero) {
    OpenWith({Text(L"Plain", L"hh:mm:ss"), Text(L"NoTerminator", L"Verdana", 14),
              Text(L"EmbeddedZero", std::wstring(L"ab\0cd", 5)), Text(L"Expand", L"%TEMP%\\x", -1, REG_EXPAND_SZ),
              Text(L"Unicode", L"Gr\u00FC\u00DFe \u2713"), Text(L"OddBytes", L"xyz", 5), Text(L"Empty", L"", 0),
              Value{L"EmptyBytes", REG_BINARY, {}}, Dword(L"Number", 3), Value{L"Bytes", REG_BINARY, {'a', 0}}});
    const std::pair<const char*, const char*> cases[] = {
        {"Plain", "hh:mm:ss"}, {"NoTerminator", "Verdana"}, {"EmbeddedZero", "ab"},
        {"Expand", "%TEMP%\\x"},  // not expanded
        {"Unicode", "Gr\xC3\xBC\xC3\x9F" "e \xE2\x9C\x93"},
        {"OddBytes", "xy"},  // half a character is none
        {"Empty", ""}, {"EmptyBytes", ""}, {"Missing", ""},
    };
    for (const auto& [name, expected] : cases) EXPECT_EQ(registry.ReadString(name), expected) << name;
    EXPECT_EQ(ErrorOf([&] { registry.ReadString("Number"); }), "Invalid data type for 'Number'");
    EXPECT_EQ(ErrorOf([&] { registry.ReadString("Bytes"); }), "Invalid data type for 'Bytes'");
}

TEST_F(Registry, WritesDwordsStringsAndBytesExactly) {
    ASSERT_TRUE(registry.OpenKey(kPathA, true));
    registry.WriteInteger("Left", -12);
    registry.WriteBool("On", true);
    registry.WriteBool("Off", false);
    registry.WriteString("Text", "Caf\xC3\xA9");
    registry.WriteString("Empty", "");
    registry.WriteBinary("Alarms", {0x02, 0x00});
    registry.CloseKey();
    const Value expected[] = {Dword(L"Left", static_cast<DWORD>(-12)), Dword(L"On", 1), Dword(L"Off", 0),
                              Text(L"Text", L"Caf\u00E9"), Text(L"Empty", L""), Value{L"Alarms", REG_BINARY, {2, 0}}};
    for (const Value& e : expected) {
        const auto stored = Find(kKeyA, e.name);
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->type, e.type);
        EXPECT_EQ(stored->bytes, e.bytes);
    }
}

TEST_F(Registry, RefusedWritesAndReadsWithoutAKeyRaise) {
    EXPECT_THROW(registry.WriteInteger("Left", 1), RegistryError);
    EXPECT_THROW(registry.ReadString("Left"), RegistryError);
    ASSERT_TRUE(registry.OpenKey(kPathA, true));
    ASSERT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, kKeyA), ERROR_SUCCESS);  // gone from under it
    EXPECT_EQ(ErrorOf([&] { registry.WriteString("TimeFormat", "hh:mm"); }), "Failed to set data for 'TimeFormat'");
}

TEST_F(Registry, ValueExistsForAnyTypeAndDeleteNeverRaises) {
    ASSERT_TRUE(Plant(kKeyA, {Dword(L"Number", 1), Text(L"Text", L"", 0), Value{L"None", REG_NONE, {}}}));
    EXPECT_FALSE(registry.ValueExists("Number")) << "no key open";
    EXPECT_FALSE(registry.DeleteValue("Number"));
    ASSERT_TRUE(registry.OpenKey(kPathA, false));
    for (const char* name : {"Number", "Text", "None"}) {
        EXPECT_TRUE(registry.ValueExists(name)) << name;
        EXPECT_TRUE(registry.DeleteValue(name));
        EXPECT_FALSE(registry.ValueExists(name));
        EXPECT_FALSE(registry.DeleteValue(name));
    }
}

TEST_F(Registry, ReadsBinaryValuesWhole) {
    std::vector<std::uint8_t> big(3000);
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<std::uint8_t>(i * 7);
    OpenWith({Value{L"Alarms", REG_BINARY, big}, Value{L"Zero", REG_BINARY, {}}, Text(L"Text", L"ab"),
              Text(L"Expand", L"ab", -1, REG_EXPAND_SZ), Dword(L"Number", 1)});
    EXPECT_EQ(registry.ReadBinary("Alarms"), big);
    EXPECT_TRUE(registry.ReadBinary("Zero").empty());
    for (const char* name : {"Text", "Expand", "Number"}) {
        EXPECT_EQ(ErrorOf([&] { registry.ReadBinary(name); }), "Invalid data type for '" + std::string(name) + "'");
    }
    EXPECT_EQ(ErrorOf([&] { registry.ReadBinary("Missing"); }), "Failed to get data for 'Missing'");
}

}  // namespace
}  // namespace quorvel
