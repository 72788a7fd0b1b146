#pragma once
// Texts a user might type or paste: realistic readings and hostile ones.
#include <QString>

#include <random>

using TRandom = std::mt19937_64;

// A cell, limit or subgroup-size text: readings, empty, blanks, huge
// exponents, "nan", "inf", 10,000 characters, control characters, CJK, ...
QString RandomFieldText(TRandom& random);
// A subgroup size: 0, 1, 25, 26, negative, huge or garbage.
QString RandomSubgroupSizeText(TRandom& random);
// Tab-separated lines with quoted fields and mixed CR/LF line ends.
QString RandomClipboardText(TRandom& random);
