#pragma once
// The lines of a symbol list file as the game reads them: "Region; picture path". Widget-free.
#include <QString>
#include <optional>

namespace symbollist {

struct SymbolLine {
    QString tag;      // everything before the first ";", exactly as it stands
    QString picture;  // what follows it, leading blanks dropped
};

// nullopt for a line without ";" (an empty line included).
std::optional<SymbolLine> splitSymbolLine(const QString& line);

// The custom set's name from the list file's name: the text before the first "." of the whole
// path, then only what follows its last folder separator. nullopt when the name holds no ".".
std::optional<QString> customSetName(const QString& listFile);

} // namespace symbollist
