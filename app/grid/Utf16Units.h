#pragma once
// A QString and its UTF-16 code units, both ways, every unit copied as it is.
// A leading U+FEFF or U+FFFE is part of the text, never a byte-order mark:
// QString::fromUtf16 would drop the one and byte-swap the whole text for the other.
#include <QString>

#include <string_view>

inline std::u16string_view Utf16Units(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

inline QString TextOfUtf16Units(std::u16string_view units)
{
    return QString(reinterpret_cast<const QChar*>(units.data()), static_cast<qsizetype>(units.size()));
}
