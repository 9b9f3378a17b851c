#pragma once
// Lines of words in columns for people: every column but the last padded to its widest entry, so
// that a line still splits on runs of spaces as long as no entry but the last holds one.
#include <QStringList>
#include <vector>

namespace ctl {

void PrintColumns(const std::vector<QStringList>& rows);

}  // namespace ctl
