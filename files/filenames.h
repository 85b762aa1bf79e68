// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File names whose bytes the system's encoding cannot read. Qt's listings leave such entries
// out and would read such a name as another one (with replacement characters), so the game
// names them itself. Widget-free.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace files {

// True when the bytes read back as themselves through the system's encoding.
bool decodable(const QByteArray& name);
// The bytes as text, each byte the encoding cannot read shown as \xNN: "bad\xFF\xFE".
QString shownName(const QByteArray& name);
// The entries of a folder whose names are not decodable, as shownName gives them, sorted.
QStringList undecodableNames(const QString& folder);

} // namespace files
