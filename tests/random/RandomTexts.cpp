#include "RandomTexts.h"

#include <array>

namespace {

int Below(TRandom& random, int bound) { return static_cast<int>(random() % static_cast<unsigned>(bound)); }

QString Reading(TRandom& random)
{
    const double value = 20.0 + Below(random, 1200) / 100.0;
    return QString::number(value, 'f', Below(random, 4));
}

}  // namespace

QString RandomFieldText(TRandom& random)
{
    static const std::array<const char*, 20> hostile = {"",
                                                        " ",
                                                        "   ",
                                                        "1e4932",
                                                        "-1e4933",
                                                        "1e39",
                                                        "1e-400",
                                                        "nan",
                                                        "inf",
                                                        "-INF",
                                                        "1,5",
                                                        "26.39\t",
                                                        "0x1A",
                                                        "+",
                                                        "--1",
                                                        "9.3e15",
                                                        "\xe4\xb8\xad\xe6\x96\x87",
                                                        "26.39\xe3\x80\x80",
                                                        "\xef\xbb\xbf"
                                                        "26.39",
                                                        "\xef\xbf\xbe"
                                                        "27.41"};
    switch (Below(random, 10)) {
    case 0: return QString::fromUtf8(hostile[Below(random, hostile.size())]);
    case 1: {
        QString control;
        for (int i = Below(random, 5) + 1; i > 0; --i)
            control += QChar(Below(random, 32));
        return control + Reading(random);
    }
    case 2:
        return Below(random, 20) == 0
                   ? QString(10000, QLatin1Char('7'))
                   : Reading(random) + QStringLiteral("e") + QString::number(Below(random, 9000) - 4500);
    default: return Reading(random);
    }
}

QString RandomSubgroupSizeText(TRandom& random)
{
    static const std::array<const char*, 10> sizes = {"0",          "1",           "25", "26", "-3",
                                                      "2147483648", "99999999999", "x",  "",   "5"};
    return Below(random, 3) == 0 ? QString::number(Below(random, 8) + 2)
                                 : QString::fromLatin1(sizes[Below(random, sizes.size())]);
}

QString RandomClipboardText(TRandom& random)
{
    static const std::array<const char*, 4> breaks = {"\r\n", "\n", "\r", "\n\r"};
    // As the grid writes it (a tab after every field), or as a spreadsheet does
    // (tabs only between fields).
    const bool tabAfterLast = Below(random, 3) != 0;
    QString text;
    for (int line = Below(random, 14); line >= 0; --line) {
        for (int field = Below(random, 7); field >= 0; --field) {
            QString value = RandomFieldText(random);
            if (Below(random, 6) == 0)
                value = QLatin1Char('"') + value.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
            text += value;
            if (field > 0 || tabAfterLast)
                text += QLatin1Char('\t');
        }
        text += QLatin1String(breaks[Below(random, breaks.size())]);
    }
    return text;
}
