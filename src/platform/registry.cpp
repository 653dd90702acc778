#include "platform/registry.h"

#include <cstring>

#include "platform/exceptions.h"

namespace tiklet {

namespace {
constexpr const char* kGetDataFailed = "Failed to get data for '%s'";
constexpr const char* kInvalidType = "Invalid data type for '%s'";
constexpr const char* kSetDataFailed = "Failed to set data for '%s'";
}  // namespace

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(RootKey root) {
    if (root != root_) CloseKey();
    root_ = root;
}

bool TRegistry::OpenKey(const std::string& path, bool canCreate) {
    CloseKey();
    const std::string relative = (!path.empty() && path[0] == '\\') ? path.substr(1) : path;
    key_ = regbackend::OpenKey(root_, relative, canCreate);
    return key_ != nullptr;
}

void TRegistry::CloseKey() {
    if (key_ != nullptr) {
        regbackend::CloseKey(key_);
        key_ = nullptr;
    }
}

std::int32_t TRegistry::ReadInteger(const std::string& name) const {
    regbackend::RawValue value;
    if (key_ == nullptr || !regbackend::QueryValue(key_, name, value) || value.data.size() > 4)
        throw ERegistryException(FormatError(kGetDataFailed, name));
    if (value.type != kRegDword) throw ERegistryException(FormatError(kInvalidType, name));
    // A short DWORD value fills the low bytes; the rest stays zero.
    std::uint32_t result = 0;
    for (std::size_t i = 0; i < value.data.size(); ++i)
        result |= static_cast<std::uint32_t>(static_cast<unsigned char>(value.data[i])) << (8 * i);
    return static_cast<std::int32_t>(result);
}

std::string TRegistry::ReadString(const std::string& name) const {
    regbackend::RawValue value;
    if (key_ == nullptr || !regbackend::QueryValue(key_, name, value)) return std::string();
    return std::string(TextOf(name, value.type, value.data));
}

std::string_view TRegistry::TextOf(std::string_view name, std::uint32_t type, std::string_view data) {
    if (data.empty()) return data;
    if (type != kRegSz && type != kRegExpandSz) throw ERegistryException(FormatError(kInvalidType, std::string(name)));
    return data.substr(0, data.find('\0'));
}

void TRegistry::WriteInteger(const std::string& name, std::int32_t value) {
    if (key_ == nullptr || !regbackend::SetDword(key_, name, static_cast<std::uint32_t>(value)))
        throw ERegistryException(FormatError(kSetDataFailed, name));
}

void TRegistry::GetValueNames(std::vector<std::string>& names) const {
    names.clear();
    ValueList values;
    GetValues(values);
    names.reserve(values.Size());
    for (std::size_t i = 0; i < values.Size(); ++i) names.emplace_back(values.Name(i));
}

void TRegistry::GetValues(ValueList& values) const {
    values.Clear();
    if (key_ != nullptr) regbackend::Values(key_, values);
}

}  // namespace tiklet
