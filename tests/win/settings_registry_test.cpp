// SettingsRegistry against Wine's real registry. Values are planted and checked
// with the plain registry functions, so the class is never tested against itself.
// Every test starts from a deleted key and deletes it again at the end.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "app/settings_registry.h"

namespace quorvel {
namespace {

constexpr wchar_t kTestRoot[] = L"Software\\QuorvelTests";
constexpr wchar_t kKeyA[] = L"Software\\QuorvelTests\\A";
constexpr char kPathA[] = "\\Software\\QuorvelTests\\A";

class Registry : public ::testing::Test {
protected:
    void SetUp() override { DeleteTestKeys(); }
    void TearDown() override {
        registry.CloseKey();
        DeleteTestKeys();
    }
    static void DeleteTestKeys() {
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestRoot);
        RegDeleteKeyW(HKEY_CURRENT_USER, kTestRoot);
    }

    static bool KeyExists(const wchar_t* path) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }

    // Plants a value under key A (created on demand) with the plain registry API.
    static void Plant(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kKeyA, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        RegCloseKey(key);
    }
    static void PlantText(const wchar_t* name, DWORD type, const std::wstring& text, DWORD bytes) {
        Plant(name, type, text.data(), bytes);
    }
    static void PlantDword(const wchar_t* name, DWORD value) { Plant(name, REG_DWORD, &value, sizeof value); }

    struct Stored {
        bool exists = false;
        DWORD type = REG_NONE;
        std::vector<std::uint8_t> bytes;
    };
    static Stored Read(const wchar_t* name) {
        Stored stored;
        BYTE buffer[512] = {};
        DWORD size = sizeof buffer;
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kKeyA, 0, KEY_READ, &key) != ERROR_SUCCESS) return stored;
        stored.exists = RegQueryValueExW(key, name, nullptr, &stored.type, buffer, &size) == ERROR_SUCCESS;
        RegCloseKey(key);
        stored.bytes.assign(buffer, buffer + (stored.exists ? size : 0));
        return stored;
    }

    void OpenA() { ASSERT_TRUE(registry.OpenKey(kPathA, false)); }

    SettingsRegistry registry;
};

TEST_F(Registry, OpensWithoutCreatingOnlyAnExistingKey) {
    EXPECT_FALSE(registry.OpenKey(kPathA, false));
    EXPECT_FALSE(registry.HasOpenKey());
    EXPECT_FALSE(KeyExists(kKeyA));

    EXPECT_TRUE(registry.OpenKey(kPathA, true));
    EXPECT_TRUE(registry.HasOpenKey());
    EXPECT_TRUE(KeyExists(kKeyA));
    registry.CloseKey();
    EXPECT_FALSE(registry.HasOpenKey());
    EXPECT_TRUE(registry.OpenKey(kPathA, false));
}

// Whatever key is open, a path is taken from the root of HKEY_CURRENT_USER, with
// or without its leading backslash, and the old key is closed.
TEST_F(Registry, EveryOpenStartsAgainFromTheRoot) {
    PlantDword(L"Marker", 7);
    ASSERT_TRUE(registry.OpenKey("Software\\QuorvelTests", true));
    EXPECT_FALSE(registry.OpenKey("A\\Missing", false));  // not taken below the open key
    EXPECT_FALSE(registry.HasOpenKey());                   // and the old key is closed
    ASSERT_TRUE(registry.OpenKey("Software\\QuorvelTests", false));
    ASSERT_TRUE(registry.OpenKey("Software\\QuorvelTests\\A", false));
    EXPECT_EQ(registry.ReadInteger("Marker"), 7);
    ASSERT_TRUE(registry.OpenKey(kPathA, false));
    EXPECT_EQ(registry.ReadInteger("Marker"), 7);
}

TEST_F(Registry, ReadsIntegersOnlyFromDwordValues) {
    PlantDword(L"Minus", static_cast<DWORD>(-351));
    PlantDword(L"Flag", 2);
    PlantText(L"Text", REG_SZ, L"12", 6);
    const std::uint8_t four[4] = {1, 0, 0, 0};
    Plant(L"Bytes", REG_BINARY, four, 4);
    const std::uint64_t wide = 5;
    Plant(L"Quad", REG_QWORD, &wide, sizeof wide);
    OpenA();

    EXPECT_EQ(registry.ReadInteger("Minus"), -351);
    EXPECT_TRUE(registry.ReadBool("Flag"));
    struct Case {
        const char* name;
        const char* message;
    };
    for (const Case c : {Case{"Missing", "Failed to get data for 'Missing'"},
                         Case{"Text", "Invalid data type for 'Text'"}, Case{"Bytes", "Invalid data type for 'Bytes'"},
                         Case{"Quad", "Invalid data type for 'Quad'"}}) {
        SCOPED_TRACE(c.name);
        try {
            registry.ReadInteger(c.name);
            ADD_FAILURE() << "no error";
        } catch (const RegistryError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_THROW(registry.ReadBool(c.name), RegistryError);
    }
}

TEST_F(Registry, ReadsStringsUpToTheFirstZero) {
    PlantText(L"Plain", REG_SZ, L"hh:mm:ss", 18);
    PlantText(L"NoTerminator", REG_SZ, L"Verdana", 14);
    PlantText(L"EmbeddedZero", REG_SZ, std::wstring(L"ab\0cd", 6), 12);
    PlantText(L"Expand", REG_EXPAND_SZ, L"%TEMP%\\x", 18);
    PlantText(L"Unicode", REG_SZ, L"Gr\u00FC\u00DFe \u2713", 16);
    PlantText(L"OddBytes", REG_SZ, L"xyz", 5);  // a half character at the end is dropped
    PlantText(L"Empty", REG_SZ, L"", 0);
    Plant(L"EmptyBytes", REG_BINARY, "", 0);
    PlantDword(L"Number", 3);
    Plant(L"Bytes", REG_BINARY, "abcd", 4);
    OpenA();

    struct Case {
        const char* name;
        const char* expected;
    };
    for (const Case c : {Case{"Plain", "hh:mm:ss"}, Case{"NoTerminator", "Verdana"}, Case{"EmbeddedZero", "ab"},
                         Case{"Expand", "%TEMP%\\x"}, Case{"Unicode", "Gr\xC3\xBC\xC3\x9F" "e \xE2\x9C\x93"},
                         Case{"OddBytes", "xy"}, Case{"Empty", ""}, Case{"EmptyBytes", ""}, Case{"Missing", ""}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(registry.ReadString(c.name), std::string(c.expected));
    }
    EXPECT_THROW(registry.ReadString("Number"), RegistryError);
    EXPECT_THROW(registry.ReadString("Bytes"), RegistryError);
}

TEST_F(Registry, WritesDwordsStringsAndBytesExactly) {
    ASSERT_TRUE(registry.OpenKey(kPathA, true));
    registry.WriteInteger("Left", -12);
    registry.WriteBool("On", true);
    registry.WriteBool("Off", false);
    registry.WriteString("Text", "Caf\xC3\xA9");  // UTF-8 inside, UTF-16 stored
    registry.WriteString("Empty", "");
    registry.WriteBinary("Alarms", {0x02, 0x00});
    registry.CloseKey();

    const auto dword = [](std::uint32_t v) {
        return std::vector<std::uint8_t>{std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16),
                                         std::uint8_t(v >> 24)};
    };
    struct Case {
        const wchar_t* name;
        DWORD type;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {L"Left", REG_DWORD, dword(static_cast<std::uint32_t>(-12))},
        {L"On", REG_DWORD, dword(1)},
        {L"Off", REG_DWORD, dword(0)},
        {L"Text", REG_SZ, {'C', 0, 'a', 0, 'f', 0, 0xE9, 0, 0, 0}},
        {L"Empty", REG_SZ, {0, 0}},
        {L"Alarms", REG_BINARY, {0x02, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<const void*>(c.name));
        const Stored stored = Read(c.name);
        EXPECT_TRUE(stored.exists);
        EXPECT_EQ(stored.type, c.type);
        EXPECT_EQ(stored.bytes, c.bytes);
    }
}

TEST_F(Registry, AWriteThatCannotBeDoneRaises) {
    // No key open.
    EXPECT_THROW(registry.WriteInteger("Left", 1), RegistryError);
    EXPECT_THROW(registry.ReadInteger("Left"), RegistryError);
    EXPECT_THROW(registry.ReadString("Left"), RegistryError);
    // The open key was deleted from under it.
    ASSERT_TRUE(registry.OpenKey(kPathA, true));
    ASSERT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, kKeyA), ERROR_SUCCESS);
    try {
        registry.WriteString("TimeFormat", "hh:mm");
        ADD_FAILURE() << "no error";
    } catch (const RegistryError& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'TimeFormat'");
    }
}

TEST_F(Registry, ValueExistsForAnyTypeAndDeleteNeverRaises) {
    PlantDword(L"Number", 1);
    PlantText(L"Text", REG_SZ, L"", 0);
    Plant(L"Bytes", REG_BINARY, "", 0);
    Plant(L"None", REG_NONE, "", 0);
    EXPECT_FALSE(registry.ValueExists("Number"));  // no key open
    EXPECT_FALSE(registry.DeleteValue("Number"));
    OpenA();
    for (const char* name : {"Number", "Text", "Bytes", "None"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(registry.ValueExists(name));
        EXPECT_TRUE(registry.DeleteValue(name));
        EXPECT_FALSE(registry.ValueExists(name));
        EXPECT_FALSE(registry.DeleteValue(name));
    }
    EXPECT_FALSE(registry.ValueExists("Missing"));
}

TEST_F(Registry, ReadsBinaryValuesWhole) {
    std::vector<std::uint8_t> big(3000);
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<std::uint8_t>(i * 7);
    Plant(L"Alarms", REG_BINARY, big.data(), static_cast<DWORD>(big.size()));
    Plant(L"Zero", REG_BINARY, "", 0);
    Plant(L"Multi", REG_MULTI_SZ, L"a\0\0", 6);
    PlantText(L"Text", REG_SZ, L"ab", 6);
    PlantText(L"Expand", REG_EXPAND_SZ, L"ab", 6);
    PlantDword(L"Number", 1);
    OpenA();

    EXPECT_EQ(registry.ReadBinary("Alarms"), big);
    EXPECT_TRUE(registry.ReadBinary("Zero").empty());
    EXPECT_EQ(registry.ReadBinary("Multi").size(), 6u);
    for (const char* name : {"Text", "Expand", "Number"}) {
        SCOPED_TRACE(name);
        try {
            registry.ReadBinary(name);
            ADD_FAILURE() << "no error";
        } catch (const RegistryError& e) {
            EXPECT_EQ(std::string(e.what()), "Invalid data type for '" + std::string(name) + "'");
        }
    }
    EXPECT_THROW(registry.ReadBinary("Missing"), RegistryError);
}

}  // namespace
}  // namespace quorvel
