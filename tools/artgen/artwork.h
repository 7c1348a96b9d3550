#pragma once
// Everything the generator makes, in memory: the bitmap files of the images directory, the named
// pictures of the resource file and the wave files. Built once, then written to disk and/or drawn
// onto a contact sheet.
#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

namespace tablamor::art {

// A bitmap of the images directory ("CB001H" is written as Images/CB001H.bmp).
struct ImageFile {
    QString name;
    QImage image;
};

// A picture of the resource file under its resource name; `section` groups the contact sheet.
struct NamedPicture {
    QString name;
    QImage image;
    QString section;
};

// A wave file of the sounds directory, complete with its header.
struct SoundFile {
    QString fileName;
    QByteArray bytes;
};

struct Artwork {
    std::vector<ImageFile> images;
    std::vector<NamedPicture> resources;
    std::vector<SoundFile> sounds;
};

// A game as the previews need it.
struct GameInfo {
    int id;
    int type;
    QString name;
};

// Draws every picture and synthesises every sound. `games` gives the previews to draw.
Artwork BuildArtwork(const std::vector<GameInfo>& games);

} // namespace tablamor::art
