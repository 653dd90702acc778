// The registry service: a small TRegistry-like class over one open key.
//
// Reads follow the rules the settings program relies on:
//  - ReadInteger: a missing value or one longer than four bytes raises
//    "Failed to get data for '<name>'"; a value of four bytes or fewer whose
//    type is not REG_DWORD raises "Invalid data type for '<name>'".
//  - ReadString: a missing or empty value is the empty text; a value that is
//    neither REG_SZ nor REG_EXPAND_SZ raises "Invalid data type for '<name>'";
//    otherwise the text ends at its first NUL (no expansion).
//  - WriteInteger: a refused write raises "Failed to set data for '<name>'".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tiklet {

enum class RootKey { CurrentUser, LocalMachine };

// Registry value types, with the numbers the store uses.
enum RegType : std::uint32_t {
    kRegNone = 0,
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4,
    kRegMultiSz = 7,
    kRegQword = 11,
};

namespace regbackend {
struct RawValue {
    std::uint32_t type = 0;
    std::string data;  // the stored bytes, exactly as long as the value
};
}  // namespace regbackend

// The values of a key with their data, as read in one pass: names and data
// share one buffer, so that a key of many values costs few allocations.
class ValueList {
public:
    void Clear() {
        bytes_.clear();
        items_.clear();
    }
    void Add(std::uint32_t type, std::string_view name, std::string_view data) {
        items_.push_back({type, bytes_.size(), name.size(), bytes_.size() + name.size(), data.size()});
        bytes_.append(name).append(data);
    }
    std::size_t Size() const { return items_.size(); }
    std::uint32_t Type(std::size_t i) const { return items_[i].type; }
    std::string_view Name(std::size_t i) const { return {bytes_.data() + items_[i].nameAt, items_[i].nameLength}; }
    std::string_view Data(std::size_t i) const { return {bytes_.data() + items_[i].dataAt, items_[i].dataLength}; }

private:
    struct Item {
        std::uint32_t type;
        std::size_t nameAt, nameLength, dataAt, dataLength;
    };
    std::string bytes_;
    std::vector<Item> items_;
};

class TRegistry {
public:
    TRegistry() = default;  // root HKEY_CURRENT_USER, full access, no key open
    ~TRegistry();           // closes the key
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    void SetRootKey(RootKey root);
    // Opens `path` (absolute from the root when it starts with '\'), creating
    // it when `canCreate` is set. Closes any key opened before. Returns
    // whether a key is now open.
    bool OpenKey(const std::string& path, bool canCreate);
    void CloseKey();

    std::int32_t ReadInteger(const std::string& name) const;
    std::string ReadString(const std::string& name) const;
    void WriteInteger(const std::string& name, std::int32_t value);
    // The names of all values of the open key, in the store's order; empty
    // when no key is open.
    void GetValueNames(std::vector<std::string>& names) const;
    // Every value of the open key with its data, in the store's order, read
    // in one pass; empty when no key is open.
    void GetValues(ValueList& values) const;
    // A value's data read as text, by the rules of ReadString: the data up to
    // its first NUL; raises for a value named `name` of another type.
    static std::string_view TextOf(std::string_view name, std::uint32_t type, std::string_view data);

private:
    RootKey root_ = RootKey::CurrentUser;
    void* key_ = nullptr;
};

// The primitives each backend provides; TRegistry applies the rules above on
// top of them.
namespace regbackend {

// Opens or creates `path` (relative to the root); null when impossible.
void* OpenKey(RootKey root, const std::string& path, bool canCreate);
void CloseKey(void* key);
// False when the value does not exist or cannot be read.
bool QueryValue(void* key, const std::string& name, RawValue& out);
bool SetDword(void* key, const std::string& name, std::uint32_t value);
void Values(void* key, ValueList& values);

}  // namespace regbackend
}  // namespace tiklet
