#include <windows.h>

#include "support/raw_registry.h"

namespace rawreg {

void DeleteKeyTree(const std::string& key) { RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str()); }

bool KeyExists(const std::string& key) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

void SetValue(const std::string& key, const std::string& name, std::uint32_t type, const std::string& bytes) {
    HKEY handle;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(handle, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(handle);
}

bool GetValue(const std::string& key, const std::string& name, std::uint32_t& type, std::string& bytes) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    DWORD t = 0, size = 0;
    bool ok = RegQueryValueExA(handle, name.c_str(), nullptr, &t, nullptr, &size) == ERROR_SUCCESS;
    if (ok) {
        bytes.assign(size, '\0');
        ok = RegQueryValueExA(handle, name.c_str(), nullptr, &t, reinterpret_cast<BYTE*>(bytes.data()), &size) ==
             ERROR_SUCCESS;
        bytes.resize(size);
        type = t;
    }
    RegCloseKey(handle);
    return ok;
}

}  // namespace rawreg
