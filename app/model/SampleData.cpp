#include "SampleData.h"

namespace {

// By column, rows 0 to 4.
constexpr const char* SampleTexts[SampleColumns][SampleRows] = {
    {"26.39", "24.52", "26.07", "27.03", "26.57"}, {"27.41", "23.65", "26.49", "30.21", "25.69"},
    {"28.11", "26.86", "29.41", "26.34", "24.87"}, {"24.06", "30.77", "26.47", "26.02", "26.6"},
    {"25.88", "26.12", "23.41", "24.68", "26.4"},
};

}  // namespace

const char* SampleText(int col, int row) { return SampleTexts[col][row]; }
