#include "symbols/symbollist.h"

namespace symbollist {

std::optional<SymbolLine> splitSymbolLine(const QString& line)
{
    const qsizetype p = line.indexOf(QLatin1Char(';'));
    if (p < 0)
        return std::nullopt;
    SymbolLine result{line.left(p), line.mid(p + 1)};
    qsizetype blanks = 0;
    while (blanks < result.picture.size() && result.picture[blanks] == QLatin1Char(' '))
        ++blanks;
    result.picture.remove(0, blanks);
    return result;
}

std::optional<QString> customSetName(const QString& listFile)
{
    const qsizetype dot = listFile.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return std::nullopt;
    QString name = listFile.left(dot);
    // Both Windows and local folder separators end a folder.
    const qsizetype cut = std::max(name.lastIndexOf(QLatin1Char('\\')), name.lastIndexOf(QLatin1Char('/')));
    return name.mid(cut + 1);
}

} // namespace symbollist
