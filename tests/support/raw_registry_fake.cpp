#include "platform/fake/fake.h"
#include "support/raw_registry.h"

namespace rawreg {

void DeleteKeyTree(const std::string& key) { tiklet::fake::DeleteKey(key); }
bool KeyExists(const std::string& key) { return tiklet::fake::KeyExists(key); }
void SetValue(const std::string& key, const std::string& name, std::uint32_t type, const std::string& bytes) {
    tiklet::fake::SetRawValue(key, name, type, bytes);
}
bool GetValue(const std::string& key, const std::string& name, std::uint32_t& type, std::string& bytes) {
    return tiklet::fake::GetRawValue(key, name, type, bytes);
}

}  // namespace rawreg
