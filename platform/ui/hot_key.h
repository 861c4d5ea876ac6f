#pragma once
// One process-wide hot key.
#include <cstdint>

namespace pv {

class IHotKeySink {
public:
    virtual ~IHotKeySink() = default;
    virtual void PeerHotKey() = 0;
};

// Modifier bits of a global hot key, numbered as the system numbers them.
namespace HotKeyModifier {
inline constexpr uint32_t Alt = 1, Control = 2, Shift = 4;
}

class IHotKeyPeer {
public:
    virtual ~IHotKeyPeer() = default;
    // False when the key cannot be registered, for example because another program has it.
    virtual bool Register(uint32_t virtualKey, uint32_t modifiers) = 0;
    virtual void Unregister() = 0;
};

}  // namespace pv
