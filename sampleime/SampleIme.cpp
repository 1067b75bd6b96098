// The module's one export. Built twice: the sample module hands out its
// objects; the variant without objects stores nothing, so that the program's
// fallbacks can be tried with a module that loads and has the icons.
#include <cstdint>

#ifndef ZV_SAMPLE_WITHOUT_OBJECTS
#include "sampleime/SampleObjects.h"
#endif

extern "C" __declspec(dllexport) int32_t ZVITFGetObject(int32_t kind, void** object) {
#ifndef ZV_SAMPLE_WITHOUT_OBJECTS
    *object = ObjectOfKind(kind);
#else
    (void)kind;
    (void)object;
#endif
    return 0;
}
