// The smallest input method module: it loads, and its ZVITFGetObject has no
// objects, so every caller falls back to its defaults.
#include <cstdint>

extern "C" __declspec(dllexport) int32_t ZVITFGetObject(int32_t, void** object) {
    *object = nullptr;
    return 0;
}
