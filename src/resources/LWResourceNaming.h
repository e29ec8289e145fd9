#pragma once

#include <QString>

// The names imports give to what they store: the author's file names never
// reach the library's disk layout, and the tree shows trimmed names.
namespace LWResourceNaming {

// Eight random lowercase letters.
QString randomLetters();

// "<8 letters>_<seconds since 1970>", with "." and the source name's last
// "."-separated part appended when that part is letters only, made unique
// among the entries of the destination folder.
QString generatedName(const QString &sourceName, const QString &destinationFolder);

// The name made unique in the folder: "<rest>_<n+1>[.<suffix>]", counting
// on from a number the rest already ends in, until no entry has the name.
QString uniqueIn(const QString &name, const QString &folder);

// What the author called a stored entry: generated names of folders carry
// the source folder's name after the stem ("tnfqlffp_1796886851.ears" is
// "ears"); any other name is returned as it is.
QString readableName(const QString &storedName);

// Trailing "0"s removed (keeping one character) from names of four or more
// characters: "smile000" shows as "smile", "b00" stays.
QString trimmedDisplayName(const QString &name);

} // namespace LWResourceNaming
