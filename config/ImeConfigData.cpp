// Readings of the IME options block.
#include "config/ImeConfigData.h"

int CandidateCount(uint32_t candidateFlags) {
    const int count = static_cast<int>((candidateFlags & kCandidateCountMask) >> kCandidateCountShift);
    return count >= 1 && count <= 10 ? count : 5;
}

int KeypadSlotOf(char16_t character) {
    switch (character) {
        case u'＊':
            return kKeypadMultiply;
        case u'＋':
            return kKeypadPlus;
        case u'－':
            return kKeypadMinus;
        case u'．':
            return kKeypadPoint;
        case u'／':
            return kKeypadDivide;
        default:
            if (character >= u'０' && character <= u'９') return kKeypadDigit0 + (character - u'０');
            return -1;
    }
}
