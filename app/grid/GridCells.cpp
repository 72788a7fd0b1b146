#include "GridCells.h"

QString TGridCells::Get(int col, int row) const
{
    const auto it = texts_.find({row, col});
    return it == texts_.end() ? QString() : it->second;
}

void TGridCells::Set(int col, int row, const QString& text)
{
    if (text.isEmpty())
        texts_.erase({row, col});
    else
        texts_[{row, col}] = text;
}

std::vector<TStoredCell> TGridCells::NonEmpty() const
{
    std::vector<TStoredCell> cells;
    cells.reserve(texts_.size());
    for (const auto& [key, text] : texts_)
        cells.push_back({key.second, key.first, text});
    return cells;
}
