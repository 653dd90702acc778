// In-memory registry: a tree of keys, each with its values in the order they
// were added.
#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>

#include "platform/fake/fake.h"
#include "platform/fake/fake_internal.h"
#include "platform/registry.h"

namespace tiklet {

namespace {

struct Value {
    std::string name;
    std::string folded;  // the name as compared: without regard to case
    std::uint32_t type;
    std::string data;
};

struct Key {
    std::vector<Value> values;                         // in the order they were added
    std::unordered_map<std::string, std::size_t> index;  // folded name -> position
};

// Names and paths compare without regard to (ASCII) case, as in the real store.
char FoldChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Fold(const std::string& text) {
    std::string folded = text;
    for (char& c : folded) c = FoldChar(c);
    return folded;
}


std::string Normalise(const std::string& path) {
    std::string p = path;
    while (!p.empty() && p.front() == '\\') p.erase(p.begin());
    while (!p.empty() && p.back() == '\\') p.pop_back();
    return Fold(p);
}

struct Store {
    std::map<std::string, Key> keys;  // by folded path
    std::set<std::string> failOpen;   // folded paths
    std::set<std::pair<std::string, std::string>> failWrite;  // folded path, folded name ("" = all)
    int openHandles = 0;
};

Store& S() {
    static Store store;
    return store;
}

struct Handle {
    std::string path;  // folded
};

Key* FindKey(const std::string& folded) {
    auto it = S().keys.find(folded);
    return it == S().keys.end() ? nullptr : &it->second;
}

Key& CreateKey(const std::string& folded) {
    // Parents exist whenever a child does.
    for (std::size_t at = folded.find('\\'); at != std::string::npos; at = folded.find('\\', at + 1))
        S().keys.try_emplace(folded.substr(0, at));
    return S().keys[folded];
}

Value* FindValue(Key& key, const std::string& name) {
    const auto it = key.index.find(Fold(name));
    return it == key.index.end() ? nullptr : &key.values[it->second];
}

void PutValue(Key& key, const std::string& name, std::uint32_t type, const std::string& data) {
    if (Value* v = FindValue(key, name)) {
        v->type = type;
        v->data = data;
    } else {
        key.index.emplace(Fold(name), key.values.size());
        key.values.push_back({name, Fold(name), type, data});
    }
}

}  // namespace

namespace regbackend {

void* OpenKey(RootKey root, const std::string& path, bool canCreate) {
    if (root != RootKey::CurrentUser) return nullptr;
    const std::string folded = Normalise(path);
    if (S().failOpen.count(folded)) return nullptr;
    if (FindKey(folded) == nullptr) {
        if (!canCreate) return nullptr;
        CreateKey(folded);
    }
    ++S().openHandles;
    return new Handle{folded};
}

void CloseKey(void* key) {
    --S().openHandles;
    delete static_cast<Handle*>(key);
}

bool QueryValue(void* key, const std::string& name, RawValue& out) {
    Key* k = FindKey(static_cast<Handle*>(key)->path);
    Value* v = k ? FindValue(*k, name) : nullptr;
    if (v == nullptr) return false;
    out.type = v->type;
    out.data = v->data;
    return true;
}

bool SetDword(void* key, const std::string& name, std::uint32_t value) {
    const std::string& path = static_cast<Handle*>(key)->path;
    if (S().failWrite.count({path, ""}) || S().failWrite.count({path, Fold(name)})) return false;
    Key* k = FindKey(path);
    if (k == nullptr) return false;  // deleted while open
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    PutValue(*k, name, kRegDword, bytes);
    return true;
}

void Values(void* key, ValueList& values) {
    Key* k = FindKey(static_cast<Handle*>(key)->path);
    if (k == nullptr) return;
    for (const Value& v : k->values) values.Add(v.type, v.name, v.data);
}

}  // namespace regbackend

namespace fake {

void ResetRegistry() { S() = Store{}; }

void SetRawValue(const std::string& key, const std::string& name, std::uint32_t type, const std::string& bytes) {
    PutValue(CreateKey(Normalise(key)), name, type, bytes);
}

void SetDword(const std::string& key, const std::string& name, std::uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    SetRawValue(key, name, kRegDword, bytes);
}

void SetString(const std::string& key, const std::string& name, const std::string& text, std::uint32_t type) {
    SetRawValue(key, name, type, text + std::string(1, '\0'));
}

bool GetRawValue(const std::string& key, const std::string& name, std::uint32_t& type, std::string& bytes) {
    Key* k = FindKey(Normalise(key));
    Value* v = k ? FindValue(*k, name) : nullptr;
    if (v == nullptr) return false;
    type = v->type;
    bytes = v->data;
    return true;
}

void DeleteValue(const std::string& key, const std::string& name) {
    Key* k = FindKey(Normalise(key));
    if (k == nullptr) return;
    const std::string folded = Fold(name);
    k->values.erase(std::remove_if(k->values.begin(), k->values.end(),
                                   [&](const Value& v) { return v.folded == folded; }),
                    k->values.end());
    k->index.clear();
    for (std::size_t i = 0; i < k->values.size(); ++i) k->index.emplace(k->values[i].folded, i);
}

void DeleteKey(const std::string& key) {
    const std::string folded = Normalise(key);
    for (auto it = S().keys.begin(); it != S().keys.end();) {
        if (it->first == folded || it->first.rfind(folded + "\\", 0) == 0)
            it = S().keys.erase(it);
        else
            ++it;
    }
}

bool KeyExists(const std::string& key) { return FindKey(Normalise(key)) != nullptr; }

std::vector<std::string> ValueNames(const std::string& key) {
    std::vector<std::string> names;
    if (Key* k = FindKey(Normalise(key)))
        for (const Value& v : k->values) names.push_back(v.name);
    return names;
}

void FailOpen(const std::string& key) { S().failOpen.insert(Normalise(key)); }
void FailWrite(const std::string& key, const std::string& name) { S().failWrite.insert({Normalise(key), Fold(name)}); }
int OpenKeyHandles() { return S().openHandles; }

}  // namespace fake
}  // namespace tiklet
