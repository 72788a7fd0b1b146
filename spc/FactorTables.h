#pragma once
// The control-chart factor tables, Single constants indexed by the subgroup
// size n from 1 to 25. Entry 1 repeats entry 2.

// Lowest and highest subgroup size the tables cover.
constexpr int SmallestTabledSubgroupSize = 1;
constexpr int LargestTabledSubgroupSize = 25;

struct TFactorTable {
    float Entries[25];
    // n from 1 to 25.
    float operator[](int n) const { return Entries[n - 1]; }
};

extern const TFactorTable c4;  // bias of the sample standard deviation
extern const TFactorTable A2;  // X-bar limits from the mean range
extern const TFactorTable d2;  // sigma from the mean range
extern const TFactorTable D3;  // lower range limit
extern const TFactorTable D4;  // upper range limit
