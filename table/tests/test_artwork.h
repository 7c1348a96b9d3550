#pragma once
// A program directory of plain test pictures, made in a temporary folder: face files, backs and
// a background under Images\, and the marks, shadows and stock edges in SOL.RGF (built with the
// resource compiler). Every picture has colours of its own, so a pixel read from the painted
// table tells which picture lies there.
#include "table/image_files.h"

#include <QColor>
#include <QTemporaryDir>

#include <filesystem>
#include <memory>

namespace tablamor::table::testing {

inline constexpr int kTestCardSet = 1;
inline constexpr int kTestBack = 11;
inline constexpr int kTestBackground = 102;
inline constexpr int kTestBigBackground = 600;

// Cursors: "CUR_HAND1A" (number 12) with its hot spot at (11, 4), "CUR_ARROW1B" (20) without
// one; no others.
// Colours of the test pictures.
QRgb FaceColour(int code); // code 1..52
QRgb BackColour();
QRgb MarkColour(int mark);
QRgb EdgeColour();
QRgb TileColour(int x, int y); // the background tile, 4 x 4
inline constexpr int kTileSize = 4;

class TestArtwork {
public:
    // Writes the pictures of the size letters given (e.g. "BM").
    explicit TestArtwork(const char* sizes = "B");
    ~TestArtwork();

    bool Valid() const { return valid_; }
    std::filesystem::path Dir() const;
    const ImageSource& Source() const { return *source_; }
    // Deletes or rewrites an Images file (name as in the directory, e.g. "DB011.bmp").
    void Remove(const char* fileName) const;

private:
    QTemporaryDir dir_;
    bool valid_ = false;
    std::unique_ptr<ImageSource> source_;
    std::unique_ptr<ResourceLibrary> library_;
};

} // namespace tablamor::table::testing
