#include "i18n/upper_case.h"

#include <cstdint>

namespace {

// A run maps the lower-case letters first, first + stride, ... last to themselves plus delta
// (the simple upper-case mappings of the Unicode character database).
struct CaseRun {
    char16_t first;
    char16_t last;
    uint8_t stride;
    int32_t delta;
};

constexpr CaseRun kCaseRuns[] = {
    // Basic Latin and Latin-1 Supplement
    {0x0061, 0x007A, 1, -32},
    {0x00B5, 0x00B5, 1, 743}, // micro sign -> Greek capital Mu
    {0x00E0, 0x00F6, 1, -32},
    {0x00F8, 0x00FE, 1, -32},
    {0x00FF, 0x00FF, 1, 121}, // y with diaeresis -> U+0178
    // Latin Extended-A
    {0x0101, 0x012F, 2, -1},
    {0x0131, 0x0131, 1, -232}, // dotless i -> I
    {0x0133, 0x0137, 2, -1},
    {0x013A, 0x0148, 2, -1},
    {0x014B, 0x0177, 2, -1},
    {0x017A, 0x017E, 2, -1},
    {0x017F, 0x017F, 1, -300}, // long s -> S
    // Greek and Coptic
    {0x0371, 0x0373, 2, -1},
    {0x0377, 0x0377, 1, -1},
    {0x037B, 0x037D, 1, 130},
    {0x03AC, 0x03AC, 1, -38},
    {0x03AD, 0x03AF, 1, -37},
    {0x03B1, 0x03C1, 1, -32},
    {0x03C2, 0x03C2, 1, -31}, // final sigma
    {0x03C3, 0x03CB, 1, -32},
    {0x03CC, 0x03CC, 1, -64},
    {0x03CD, 0x03CE, 1, -63},
    {0x03D0, 0x03D0, 1, -62},
    {0x03D1, 0x03D1, 1, -57},
    {0x03D5, 0x03D5, 1, -47},
    {0x03D6, 0x03D6, 1, -54},
    {0x03D7, 0x03D7, 1, -8},
    {0x03D9, 0x03EF, 2, -1},
    {0x03F0, 0x03F0, 1, -86},
    {0x03F1, 0x03F1, 1, -80},
    {0x03F2, 0x03F2, 1, 7},
    {0x03F3, 0x03F3, 1, -116},
    {0x03F5, 0x03F5, 1, -96},
    {0x03F8, 0x03F8, 1, -1},
    {0x03FB, 0x03FB, 1, -1},
    // Cyrillic and Cyrillic Supplement
    {0x0430, 0x044F, 1, -32},
    {0x0450, 0x045F, 1, -80},
    {0x0461, 0x0481, 2, -1},
    {0x048B, 0x04BF, 2, -1},
    {0x04C2, 0x04CE, 2, -1},
    {0x04CF, 0x04CF, 1, -15},
    {0x04D1, 0x052F, 2, -1},
};

} // namespace

char16_t UpperCaseChar(char16_t c) {
    for (const CaseRun& run : kCaseRuns) {
        if (c < run.first)
            break; // the runs are sorted
        if (c <= run.last && (c - run.first) % run.stride == 0)
            return static_cast<char16_t>(c + run.delta);
    }
    return c;
}

std::u16string UpperCaseText(std::u16string_view text) {
    std::u16string upper(text);
    for (char16_t& c : upper)
        c = UpperCaseChar(c);
    return upper;
}
