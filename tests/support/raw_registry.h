// Direct access to the registry store behind TRegistry, for setting up and
// inspecting values in tests: the fake's tree natively, the real registry
// under Windows. Paths are relative to HKEY_CURRENT_USER.
#pragma once

#include <cstdint>
#include <string>

namespace rawreg {

void DeleteKeyTree(const std::string& key);
bool KeyExists(const std::string& key);
void SetValue(const std::string& key, const std::string& name, std::uint32_t type, const std::string& bytes);
bool GetValue(const std::string& key, const std::string& name, std::uint32_t& type, std::string& bytes);

}  // namespace rawreg
