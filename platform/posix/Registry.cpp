// Natively the machine registry is an in-memory one of the process. Key paths
// and value names compare ignoring ASCII case, as on Windows.
#include "platform/Registry.h"

#include <map>
#include <mutex>
#include <string>

#include "base/AsciiCase.h"

namespace {

std::u16string Normalized(const char16_t* text) {
    std::u16string out(text);
    for (auto& c : out) c = AsciiLower(c);
    while (!out.empty() && out.back() == u'\\') out.pop_back();
    return out;
}

struct MachineRegistry {
    std::mutex lock;
    std::map<std::u16string, std::map<std::u16string, std::u16string>> keys;
};

MachineRegistry& Machine() {
    static MachineRegistry registry;
    return registry;
}

}  // namespace

bool ReadMachineString(const char16_t* keyPath, const char16_t* valueName, char16_t* buffer, uint32_t capacity) {
    if (capacity == 0) return false;
    buffer[0] = 0;
    auto& machine = Machine();
    std::lock_guard guard(machine.lock);
    const auto key = machine.keys.find(Normalized(keyPath));
    if (key == machine.keys.end()) return false;
    const auto value = key->second.find(Normalized(valueName));
    if (value == key->second.end() || value->second.size() >= capacity) return false;
    value->second.copy(buffer, value->second.size());
    buffer[value->second.size()] = 0;
    return true;
}

bool WriteMachineString(const char16_t* keyPath, const char16_t* valueName, const char16_t* value) {
    auto& machine = Machine();
    std::lock_guard guard(machine.lock);
    // Creating a key creates its parents, as RegCreateKeyEx does.
    std::u16string path = Normalized(keyPath);
    for (size_t at = path.find(u'\\'); at != std::u16string::npos; at = path.find(u'\\', at + 1))
        machine.keys[path.substr(0, at)];
    machine.keys[path][Normalized(valueName)] = value;
    return true;
}

bool DeleteMachineKey(const char16_t* keyPath) {
    auto& machine = Machine();
    std::lock_guard guard(machine.lock);
    const std::u16string path = Normalized(keyPath);
    for (auto it = machine.keys.begin(); it != machine.keys.end();) {
        const bool inside = it->first == path || it->first.starts_with(path + u'\\');
        it = inside ? machine.keys.erase(it) : std::next(it);
    }
    return true;
}
