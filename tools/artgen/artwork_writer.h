#pragma once
// Writes the artwork into a program directory: the bitmaps into Images/, the wave files into
// SOUNDS/, and the named pictures as PNGs compiled by rcc into the binary resource file SOL.RGF.
// The output is the same bytes on every run: rcc is given a fixed file date and no compression
// (the PNGs are compressed already), and nothing else carries a time.
#include "tools/artgen/artwork.h"

#include <QString>

namespace tablamor::art {

// The rcc that comes with the Qt this program is built with.
QString DefaultRccPath();

// False and a message when a file cannot be written or rcc fails.
bool WriteArtwork(const Artwork& art, const QString& programDir, const QString& rccPath,
                  QString* error);

// Adds or replaces named pictures with the PNG files of `directory` (named by file name without
// the extension). False and a message when a file there is not a readable picture.
bool MergeExtraResources(Artwork& art, const QString& directory, QString* error);

} // namespace tablamor::art
