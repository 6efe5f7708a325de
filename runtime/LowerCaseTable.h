#pragma once

namespace vandro {

struct LowerCaseRun {
    char16_t first;
    unsigned short count;
    int offset;
    unsigned char step;
};

extern const LowerCaseRun kLowerCaseRuns[];
extern const int kLowerCaseRunCount;

} // namespace vandro
