// RegistryKey against Wine's real registry. Every test starts from a deleted
// key and deletes it again at the end.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/wide.h"
#include "harness/registry.h"
#include "platform/registry_key.h"

namespace quorvel {
namespace {

using namespace testing_support;

constexpr wchar_t kRoot[] = L"Software\\QuorvelTests";
constexpr wchar_t kKeyA[] = L"Software\\QuorvelTests\\A";
constexpr char kPathA[] = "\\Software\\QuorvelTests\\A";

StoredValue<std::int32_t> Integer(std::string_view name) { return {name}; }
StoredValue<bool> Flag(std::string_view name) { return {name}; }
StoredValue<std::string> String(std::string_view name) { return {name}; }
StoredValue<StoredBytes> Bytes(std::string_view name) { return {name}; }

class Registry : public ::testing::Test {
protected:
    void SetUp() override { DeleteKey(kRoot); }
    void TearDown() override { DeleteKey(kRoot); }
    // Plants values under A and opens it.
    RegistryKey OpenWith(const std::vector<Value>& values) {
        EXPECT_TRUE(Plant(kKeyA, values));
        RegistryKey key = RegistryKey::Open(kPathA, false);
        EXPECT_TRUE(key);
        return key;
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
};

// A path is taken from the root of HKEY_CURRENT_USER, with or without its
// leading backslash; the key closes when its object goes, so the registry can
// delete it at once.
TEST_F(Registry, OpensFromTheRootWithOrWithoutCreatingAndClosesItself) {
    {
        const RegistryKey missing = RegistryKey::Open(kPathA, false);
        EXPECT_FALSE(missing);
        EXPECT_TRUE(missing.Missing());
        EXPECT_FALSE(KeyExists(kKeyA));
        const RegistryKey created = RegistryKey::Open(kPathA, true);
        ASSERT_TRUE(created);
        created.Write(Integer("Marker"), 7);
    }
    const RegistryKey again = RegistryKey::Open("Software\\QuorvelTests\\A", false);
    ASSERT_TRUE(again);
    EXPECT_EQ(again.Read(Integer("Marker")), 7);
    ASSERT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, kKeyA), ERROR_SUCCESS);  // gone from under it
    EXPECT_EQ(ErrorOf([&] { again.Write(String("TimeFormat"), "hh:mm"); }), "Failed to set data for 'TimeFormat'");
}

TEST_F(Registry, ReadsIntegersOnlyFromDwordValues) {
    const RegistryKey key =
        OpenWith({Dword(L"Minus", static_cast<DWORD>(-351)), Dword(L"Flag", 2), Text(L"Text", L"12"),
                  Value{L"Bytes", REG_BINARY, {1, 0, 0, 0}}, Value{L"Quad", REG_QWORD, {5, 0, 0, 0, 0, 0, 0, 0}}});
    EXPECT_EQ(key.Read(Integer("Minus")), -351);
    EXPECT_TRUE(key.Read(Flag("Flag")));
    EXPECT_EQ(ErrorOf([&] { key.Read(Integer("Missing")); }), "Failed to get data for 'Missing'");
    for (const char* name : {"Text", "Bytes", "Quad"}) {
        EXPECT_EQ(ErrorOf([&] { key.Read(Flag(name)); }), "Invalid data type for '" + std::string(name) + "'");
    }
}

TEST_F(Registry, ReadsStringsUpToTheFirstZero) {
    const RegistryKey key =
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
    for (const auto& [name, expected] : cases) EXPECT_EQ(key.Read(String(name)), expected) << name;
    EXPECT_EQ(ErrorOf([&] { key.Read(String("Number")); }), "Invalid data type for 'Number'");
    EXPECT_EQ(ErrorOf([&] { key.Read(String("Bytes")); }), "Invalid data type for 'Bytes'");
}

TEST_F(Registry, WritesDwordsStringsBytesAndRawValuesExactly) {
    {
        const RegistryKey key = RegistryKey::Open(kPathA, true);
        key.Write(Integer("Left"), -12);
        key.Write(Flag("On"), true);
        key.Write(Flag("Off"), false);
        key.Write(String("Text"), "Caf\xC3\xA9");
        key.Write(String("Empty"), "");
        key.Write(Bytes("Alarms"), StoredBytes{0x02, 0x00});
        key.WriteRaw("Copy", key.ReadRaw("Text"));
    }
    const Value expected[] = {Dword(L"Left", static_cast<DWORD>(-12)), Dword(L"On", 1), Dword(L"Off", 0),
                              Text(L"Text", L"Caf\u00E9"), Text(L"Empty", L""), Value{L"Alarms", REG_BINARY, {2, 0}},
                              Text(L"Copy", L"Caf\u00E9")};
    for (const Value& e : expected) {
        const auto stored = Find(kKeyA, e.name);
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->type, e.type);
        EXPECT_EQ(stored->bytes, e.bytes);
    }
}

TEST_F(Registry, ExistsForAnyTypeAndDeleteNeverRaises) {
    EXPECT_FALSE(RegistryKey::Open(kPathA, false).Exists("Number")) << "no key";
    EXPECT_FALSE(RegistryKey::Open(kPathA, false).Delete("Number"));
    const RegistryKey key = OpenWith({Dword(L"Number", 1), Text(L"Text", L"", 0), Value{L"None", REG_NONE, {}}});
    for (const char* name : {"Number", "Text", "None"}) {
        EXPECT_TRUE(key.Exists(name)) << name;
        EXPECT_TRUE(key.Delete(name));
        EXPECT_FALSE(key.Exists(name));
        EXPECT_FALSE(key.Delete(name));
    }
}

TEST_F(Registry, ReadsBinaryValuesWhole) {
    StoredBytes big(3000);
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<std::uint8_t>(i * 7);
    const RegistryKey key = OpenWith({Value{L"Alarms", REG_BINARY, big}, Value{L"Zero", REG_BINARY, {}},
                                      Text(L"Text", L"ab"), Text(L"Expand", L"ab", -1, REG_EXPAND_SZ),
                                      Dword(L"Number", 1)});
    EXPECT_EQ(key.Read(Bytes("Alarms")), big);
    EXPECT_TRUE(key.Read(Bytes("Zero")).empty());
    for (const char* name : {"Text", "Expand", "Number"}) {
        EXPECT_EQ(ErrorOf([&] { key.Read(Bytes(name)); }), "Invalid data type for '" + std::string(name) + "'");
        EXPECT_EQ(key.ReadRaw(name).bytes, Find(kKeyA, Wide(name))->bytes) << "read raw, of any type";
    }
    EXPECT_EQ(ErrorOf([&] { key.Read(Bytes("Missing")); }), "Failed to get data for 'Missing'");
}

}  // namespace
}  // namespace quorvel
