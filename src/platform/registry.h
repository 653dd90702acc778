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
    bool HasOpenKey() const { return key_ != nullptr; }

    std::int32_t ReadInteger(const std::string& name) const;
    std::string ReadString(const std::string& name) const;
    void WriteInteger(const std::string& name, std::int32_t value);
    // The names of all values of the open key, in the store's order; empty
    // when no key is open.
    void GetValueNames(std::vector<std::string>& names) const;

private:
    RootKey root_ = RootKey::CurrentUser;
    void* key_ = nullptr;
};

// The primitives each backend provides; TRegistry applies the rules above on
// top of them.
namespace regbackend {

struct RawValue {
    std::uint32_t type = kRegNone;
    std::string data;  // the stored bytes, exactly as long as the value
};

// Opens or creates `path` (relative to the root); null when impossible.
void* OpenKey(RootKey root, const std::string& path, bool canCreate);
void CloseKey(void* key);
// False when the value does not exist or cannot be read.
bool QueryValue(void* key, const std::string& name, RawValue& out);
bool SetDword(void* key, const std::string& name, std::uint32_t value);
void ValueNames(void* key, std::vector<std::string>& names);

}  // namespace regbackend
}  // namespace tiklet
