// The registry primitives over advapi32.
#include <windows.h>

#include <algorithm>

#include "platform/registry.h"

namespace tiklet::regbackend {

namespace {
HKEY RootOf(RootKey root) { return root == RootKey::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }
}  // namespace

void* OpenKey(RootKey root, const std::string& path, bool canCreate) {
    HKEY key = nullptr;
    const LONG result = canCreate ? RegCreateKeyExA(RootOf(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                                    KEY_ALL_ACCESS, nullptr, &key, nullptr)
                                  : RegOpenKeyExA(RootOf(root), path.c_str(), 0, KEY_ALL_ACCESS, &key);
    return result == ERROR_SUCCESS ? key : nullptr;
}

void CloseKey(void* key) { RegCloseKey(static_cast<HKEY>(key)); }

bool QueryValue(void* key, const std::string& name, RawValue& out) {
    // Most values fit the first buffer; a larger one is read again at its size.
    out.data.resize(256);
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = REG_NONE;
        DWORD size = static_cast<DWORD>(out.data.size());
        const LONG result = RegQueryValueExA(static_cast<HKEY>(key), name.c_str(), nullptr, &type,
                                             reinterpret_cast<BYTE*>(out.data.data()), &size);
        if (result == ERROR_SUCCESS) {
            out.type = type;
            out.data.resize(size);
            return true;
        }
        if (result != ERROR_MORE_DATA) return false;
        out.data.resize(size);  // the value grew, or did not fit: try at its size
    }
    return false;
}

bool SetDword(void* key, const std::string& name, std::uint32_t value) {
    const DWORD data = value;
    return RegSetValueExA(static_cast<HKEY>(key), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                          sizeof data) == ERROR_SUCCESS;
}

void Values(void* key, ValueList& values) {
    DWORD count = 0, longestName = 0, longestData = 0;
    if (RegQueryInfoKeyA(static_cast<HKEY>(key), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                         &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS)
        return;
    std::string name(static_cast<std::size_t>(longestName) + 1, '\0');
    std::string data(static_cast<std::size_t>(longestData) + 1, '\0');
    for (DWORD index = 0;;) {
        DWORD nameLength = static_cast<DWORD>(name.size()), dataLength = static_cast<DWORD>(data.size());
        DWORD type = REG_NONE;
        const LONG result = RegEnumValueA(static_cast<HKEY>(key), index, name.data(), &nameLength, nullptr, &type,
                                          reinterpret_cast<BYTE*>(data.data()), &dataLength);
        if (result == ERROR_MORE_DATA) {  // a value grew meanwhile: try it again with room
            name.resize(name.size() * 2 + 256);
            data.resize(std::max<std::size_t>(data.size() * 2, dataLength) + 256);
            continue;
        }
        if (result != ERROR_SUCCESS) break;
        values.Add(type, std::string_view(name.data(), nameLength), std::string_view(data.data(), dataLength));
        ++index;
    }
}

}  // namespace tiklet::regbackend
