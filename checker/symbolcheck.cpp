// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/symbolcheck.h"

#include "checker/textscan.h"
#include "game/regions.h"
#include "game/state.h"
#include "files/symbollistfile.h"
#include "files/textfile.h"
#include "symbols/symbollist.h"
#include "ui/picture.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace checker {

namespace {

constexpr int ListLines = 13;

// Lower case, no accents, no dots and no blanks: "P.E.I." and "pei", "Québec" and "Quebec",
// "North West Territories" and "Northwest Territories" all look the same.
QString plain(const QString& text)
{
    QString out;
    for (QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.isLetterOrNumber())
            out += c.toCaseFolded();
    return out;
}

struct Alias {
    const char* name;
    const char* region;
};

// Names and abbreviations teachers write for the regions the game spells otherwise.
constexpr Alias Aliases[] = {
    {"newfoundlandandlabrador", "Newfoundland"}, {"newfoundlandlabrador", "Newfoundland"},
    {"labrador", "Newfoundland"}, {"nl", "Newfoundland"}, {"nf", "Newfoundland"}, {"nfld", "Newfoundland"},
    {"pei", "Prince Edward Island"}, {"pe", "Prince Edward Island"}, {"nwt", "Northwest Territories"},
    {"nt", "Northwest Territories"}, {"yukonterritory", "Yukon"}, {"yt", "Yukon"}, {"bc", "British Columbia"},
    {"ab", "Alberta"}, {"sk", "Saskatchewan"}, {"mb", "Manitoba"}, {"on", "Ontario"}, {"qc", "Quebec"},
    {"pq", "Quebec"}, {"nb", "New Brunswick"}, {"ns", "Nova Scotia"}, {"nu", "Nunavut"},
    // The French short forms.
    {"terreneuve", "Newfoundland"}, {"tnl", "Newfoundland"}, {"ipe", "Prince Edward Island"},
    {"tno", "Northwest Territories"}, {"cb", "British Columbia"}, {"ne", "Nova Scotia"},
};

// Every name a region is written by in full, English and French, with its key.
QList<std::pair<QString, QString>> fullNames()
{
    QList<std::pair<QString, QString>> names;
    for (const auto& region : modValdra::RegionTable) {
        const QString key = QLatin1String(region.name);
        names.append({key, key});
        names.append({regions::french(key), key});
    }
    return names;
}

bool isRegion(const QString& tag)
{
    for (const auto& region : modValdra::RegionTable)
        if (tag == QLatin1String(region.name))
            return true;
    return false;
}

} // namespace

QString likelyRegion(const QString& name)
{
    // No region name is long; a long text is no slip of one.
    if (name.size() > 60)
        return QString();
    const QString wanted = plain(name);
    if (wanted.isEmpty())
        return QString();
    const auto names = fullNames();
    for (const auto& [name, key] : names)
        if (plain(name) == wanted)
            return key;
    for (const Alias& alias : Aliases)
        if (wanted == QLatin1String(alias.name))
            return QLatin1String(alias.region);
    // "Province of Ontario", "The Yukon": a name with one region's name in it.
    QString within;
    for (const auto& [name, key] : names) {
        if (!wanted.contains(plain(name)) || within == key)
            continue;
        if (!within.isEmpty())
            return QString();
        within = key;
    }
    if (!within.isEmpty())
        return within;
    QString best;
    int bestDistance = 0;
    for (const auto& [name, key] : names) {
        const QString candidate = plain(name);
        const int distance = editDistance(wanted, candidate);
        // A slip or two, more for the long names, but never most of the name.
        if (distance <= std::max(2, int(candidate.size()) / 4) && (best.isEmpty() || distance < bestDistance)) {
            best = key;
            bestDistance = distance;
        }
    }
    return best;
}

FileReport checkSymbolList(const QString& fileName) { return symbollistfile::readSymbolList(fileName).report; }

void readSymbolLines(symbollistfile::Reading& reading, const QString& listFile)
{
    FileReport& report = reading.report;
    QString summary;
    if (!checkRead(reading.file, report, &summary))
        return;

    const QStringList& lines = reading.file.lines;
    const int total = int(lines.size()) + reading.file.linesLeftOut;
    const int used = int(std::min<qsizetype>(lines.size(), ListLines));
    if (lines.isEmpty())
        report.warn(0, QCoreApplication::translate("checker", "the list is empty: the custom set keeps its flags"));

    bool stopped = false;
    int taken = used;  // the lines before the one where the game stops reading
    for (int i = 0; i < used; ++i) {
        const int lineNo = i + 1;
        const auto line = symbollist::splitSymbolLine(lines[i]);
        // Where the game stops reading, the rest of the list and the choice of the custom set
        // are lost.
        const QString stop = stopped ? QString()
                                     : QCoreApplication::translate("checker", ": the game stops reading the list here, so %1 and the choice of "
                                                      "the custom set are lost")
                                           .arg(lineNo < used ? QCoreApplication::translate("checker", "this line, %1").arg(lineRange(lineNo + 1, used))
                                                              : QCoreApplication::translate("checker", "this line"));
        if (!line) {
            report.problem(lineNo, (lines[i].trimmed().isEmpty() ? QCoreApplication::translate("checker", "blank line")
                                                                 : QCoreApplication::translate("checker", "no \"; \" between the region and the picture"))
                                       + stop);
            if (!stopped)
                taken = i;
            stopped = true;
            continue;
        }
        // The game's own loader: what it refuses stops the list.
        const ui::LoadedPicture picture = ui::loadPicture(line->picture, listFile);
        if (!stopped && picture.ok)
            reading.custom << symbollistfile::Slot{line->tag, picture.picture};

        if (!isRegion(line->tag)) {
            const QString guess = likelyRegion(line->tag);
            QString text = line->tag.isEmpty()
                               ? QCoreApplication::translate("checker", "no region name before the \";\": the symbol can never be placed on the map")
                               : QCoreApplication::translate("checker", "%1 is not one of the 13 region names, so the symbol can never be placed "
                                                "on the map")
                                     .arg(quoted(line->tag));
            if (!guess.isEmpty())
                text += QCoreApplication::translate("checker", "; did you mean \"%1\" (in French, \"%2\")?")
                            .arg(guess, regions::french(guess));
            report.problem(lineNo, text);
        }
        const QString afterSemicolon = lines[i].mid(lines[i].indexOf(QLatin1Char(';')) + 1);
        if (!afterSemicolon.startsWith(QLatin1Char(' ')) && !line->picture.isEmpty())
            report.warn(lineNo, QCoreApplication::translate("checker", "no blank after the \";\": the game reads it, but the list is written "
                                               "\"Region; picture\""));

        if (line->picture.isEmpty()) {
            report.problem(lineNo, QCoreApplication::translate("checker", "no picture named after the \";\": the symbol shows no picture"));
            continue;
        }
        if (!picture.ok) {
            const bool exists = QFileInfo::exists(ui::resolveFileName(line->picture, listFile));
            report.problem(lineNo, (exists ? QCoreApplication::translate("checker", "%1 is not a picture the game can load")
                                           : QCoreApplication::translate("checker", "the picture %1 does not exist%2"))
                                           .arg(quoted(line->picture), exists ? QString() : missingFileHint(line->picture))
                                       + stop);
            if (!stopped)
                taken = i;
            stopped = true;
        }
    }
    // Told first, and agreeing with where the reading stops.
    report.findings.prepend({0, Severity::Note,
        QCoreApplication::translate("checker", "read as %1; the game takes %2 of its %3 lines into the custom set")
            .arg(summary)
            .arg(taken)
            .arg(total)});

    reading.completed = !stopped;
    if (total > ListLines) {
        bool allBlank = reading.file.leftOutAllBlank;
        for (qsizetype i = ListLines; i < lines.size(); ++i)
            allBlank = allBlank && lines[i].trimmed().isEmpty();
        const QString text = reading.file.bytesLeftUnread
                                 ? QCoreApplication::translate("checker", "the game uses the first 13 lines only: line 14 and every line after "
                                                                          "it are ignored")
                                 : (total > ListLines + 1
                                        ? QCoreApplication::translate("checker", "the game uses the first 13 lines only: %1 are ignored")
                                        : QCoreApplication::translate("checker", "the game uses the first 13 lines only: %1 is ignored"))
                                       .arg(lineRange(ListLines + 1, total));
        if (allBlank)
            report.warn(ListLines + 1, text);
        else
            report.problem(ListLines + 1, text);
    }
}

} // namespace checker
