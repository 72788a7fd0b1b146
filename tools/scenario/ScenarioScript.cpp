#include "ScenarioScript.h"

#include <map>
#include <stdexcept>

#include "StudyInfo.h"

namespace {

// How many fixed words follow each command, and whether a VALUE follows them.
struct TCommandShape {
    int Words;
    bool HasValue;
};

const std::map<QString, TCommandShape>& Shapes()
{
    static const std::map<QString, TCommandShape> shapes = {
        {QStringLiteral("text"), {1, true}},      {QStringLiteral("cell"), {2, true}},
        {QStringLiteral("clipboard"), {0, true}}, {QStringLiteral("current"), {2, false}},
        {QStringLiteral("key"), {0, true}},       {QStringLiteral("type"), {0, true}},
        {QStringLiteral("click"), {1, false}},    {QStringLiteral("locale"), {0, true}},
        {QStringLiteral("action"), {1, false}},   {QStringLiteral("choose"), {2, false}},
        {QStringLiteral("dump"), {0, false}},     {QStringLiteral("screenshot"), {0, true}},
        {QStringLiteral("answer"), {0, true}},    {QStringLiteral("file"), {0, true}},
        {QStringLiteral("drop"), {1, true}},      {QStringLiteral("wait"), {1, false}},
        {QStringLiteral("study"), {1, true}},
    };
    return shapes;
}

bool IsNonNegativeIndex(const QString& word)
{
    bool ok = false;
    const int value = word.toInt(&ok);
    return ok && value >= 0 && !word.startsWith(QLatin1Char('+'));
}

}  // namespace

QString DecodeEscapes(const QString& value)
{
    QString decoded;
    decoded.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 >= value.size()) {
            decoded += c;
            continue;
        }
        const QChar next = value.at(i + 1);
        switch (next.unicode()) {
        case 't': decoded += QLatin1Char('\t'); break;
        case 'r': decoded += QLatin1Char('\r'); break;
        case 'n': decoded += QLatin1Char('\n'); break;
        case 's': decoded += QLatin1Char(' '); break;
        case '\\': decoded += QLatin1Char('\\'); break;
        default:
            decoded += c;
            decoded += next;
            break;
        }
        ++i;
    }
    return decoded;
}

std::optional<TScenarioLine> ParseScenarioLine(const QString& rawLine)
{
    QString line = rawLine;
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
        return std::nullopt;

    TScenarioLine parsed;
    qsizetype pos = line.indexOf(QLatin1Char(' '));
    parsed.Command = pos < 0 ? line : line.left(pos);
    const auto shape = Shapes().find(parsed.Command);
    if (shape == Shapes().end())
        throw std::invalid_argument("unknown command '" + parsed.Command.toStdString() + "'");

    // Each fixed word ends at the next single blank.
    for (int w = 0; w < shape->second.Words; ++w) {
        if (pos < 0)
            throw std::invalid_argument("too few words for '" + parsed.Command.toStdString() + "'");
        const qsizetype start = pos + 1;
        pos = line.indexOf(QLatin1Char(' '), start);
        const QString word = line.mid(start, pos < 0 ? -1 : pos - start);
        if (word.isEmpty())
            throw std::invalid_argument("empty word in '" + parsed.Command.toStdString() + "'");
        parsed.Words << word;
    }
    if (shape->second.HasValue)
        parsed.Value = pos < 0 ? QString() : DecodeEscapes(line.mid(pos + 1));
    else if (pos >= 0 && !line.mid(pos + 1).isEmpty())
        throw std::invalid_argument("unexpected text after '" + parsed.Command.toStdString() + "'");

    if (parsed.Command == QLatin1String("cell") || parsed.Command == QLatin1String("current") ||
        parsed.Command == QLatin1String("wait"))
        for (const QString& index : parsed.Words)
            if (!IsNonNegativeIndex(index))
                throw std::invalid_argument("not a non-negative index: '" + index.toStdString() + "'");
    if (parsed.Command == QLatin1String("study") && !FindStudyField(parsed.Words[0]))
        throw std::invalid_argument("no study field named '" + parsed.Words[0].toStdString() + "'");
    return parsed;
}
