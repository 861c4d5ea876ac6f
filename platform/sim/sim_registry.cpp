#include "platform/sim/sim_platform.h"
#include "util/exception.h"
#include "util/strings.h"

namespace pv::sim {

std::string SimRegistry::KeyOf(RegistryRoot root, const std::string& key) {
    std::string k = LowerCase(key);
    while (!k.empty() && k.back() == '\\') k.pop_back();
    return (root == RegistryRoot::CurrentUser ? "hkcu\\" : "hklm\\") + k;
}

std::optional<std::string> SimRegistry::ReadString(RegistryRoot root, const std::string& key,
                                                   const std::string& value) {
    auto k = keys_.find(KeyOf(root, key));
    if (k == keys_.end()) return std::nullopt;
    auto v = k->second.find(LowerCase(value));
    if (v == k->second.end()) return std::nullopt;
    return v->second;
}

void SimRegistry::WriteString(RegistryRoot root, const std::string& key, const std::string& value,
                              const std::string& data) {
    std::string k = KeyOf(root, key);
    for (const auto& ro : readOnly_)
        if (k == ro || StartsWith(k, ro + "\\")) throw ERegistryException("Failed to set data for '" + value + "'");
    keys_[k][LowerCase(value)] = data;
}

bool SimRegistry::DeleteValue(RegistryRoot root, const std::string& key, const std::string& value) {
    std::string k = KeyOf(root, key);
    for (const auto& ro : readOnly_)
        if (k == ro || StartsWith(k, ro + "\\")) return false;
    auto it = keys_.find(k);
    return it != keys_.end() && it->second.erase(LowerCase(value)) > 0;
}

void SimRegistry::SetReadOnly(RegistryRoot root, const std::string& key, bool readOnly) {
    if (readOnly) readOnly_.insert(KeyOf(root, key));
    else readOnly_.erase(KeyOf(root, key));
}

bool SimRegistry::HasValue(RegistryRoot root, const std::string& key, const std::string& value) const {
    auto k = keys_.find(KeyOf(root, key));
    return k != keys_.end() && k->second.count(LowerCase(value)) > 0;
}

}  // namespace pv::sim
