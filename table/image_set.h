#pragma once
// The pictures the table is painted with, for one card size: the 52 card faces (cut from the
// four face files of a card set), the card back, the 22 marks of empty piles, the two shadow
// strips, the two stock-edge strips and the background picture.
//
// Loading never fails loudly: a picture whose file or resource is missing keeps what it held
// before (a null image until something was loaded), and painting skips null pictures. Cards are
// opaque RGB32 pictures; marks keep their alpha; the strips come with their key colour (white
// for shadows, pure blue for edges) made transparent.
#include "table/image_files.h"
#include "table/layout/card_size.h"

#include <QImage>

#include <array>
#include <map>
#include <tuple>

namespace tablamor::table {

inline constexpr int kMarkCount = 22;      // marks 001 .. 022
inline constexpr int kFaceGridColumns = 5; // a face file: 5 x 3 cells of the card size
inline constexpr int kRanksPerSuit = 13;

class ImageSet {
public:
    // What "Load images" reads: card size, card set (preference Card) and back (Back_Card).
    struct Choice {
        layout::CardSizeLetter size = layout::CardSizeLetter::Big;
        int cardSet = 1;
        int back = 11;
    };

    // Marks, back, shadows, edges and faces of the chosen size, set and back.
    void Load(const ImageSource& source, const Choice& choice);
    // Pictures for cards of any size, drawn by the card drawing the artwork files were made
    // with: faces of the chosen set (each drawn when first asked for), the back, the marks and
    // the shadow and edge strips. The pictures of a size are kept, so that coming back to it
    // draws nothing again. Without the fonts the faces and back are the big ones scaled.
    // Size() reads Big afterwards: such cards have the big card's shape.
    void Render(const ImageSource& source, layout::CardSize card, const Choice& choice);
    // True after Render, until the next Load.
    bool Rendered() const { return rendered_; }

    // The back alone (the customize dialog's choice); false when its file is missing.
    bool LoadBack(const ImageSource& source, int back);
    // Background picture n; false (and the previous picture kept) when its file is missing.
    bool LoadBackground(const ImageSource& source, int number);

    layout::CardSize Card() const { return card_; }
    layout::CardSizeLetter Size() const { return size_; }
    // Face of a card code; second-deck codes (53..104) show their first-deck twin. A null image
    // for codes outside 1..104.
    const QImage& Face(int code) const;
    const QImage& Back() const { return back_; }
    // Mark 1..22; a null image for other numbers.
    const QImage& Mark(int mark) const;
    const QImage& VerticalShadow() const { return shadows_[0]; }
    const QImage& HorizontalShadow() const { return shadows_[1]; }
    const QImage& RightEdge() const { return edges_[0]; }
    const QImage& BottomEdge() const { return edges_[1]; }
    const QImage& Background() const { return background_; }
    int BackgroundNumber() const { return backgroundNumber_; }

    // For tests and tools that draw their own pictures.
    void SetFace(int code, QImage image);
    void SetBack(QImage image) { back_ = std::move(image); }

private:
    using Faces = std::array<QImage, 4 * kRanksPerSuit>;
    // The pictures of one card size.
    struct Pictures {
        Faces faces{};
        QImage back;
        std::array<QImage, kMarkCount> marks{};
        std::array<QImage, 2> shadows{};
        std::array<QImage, 2> edges{};
    };
    // Drawn pictures by card width, card set and back.
    using DrawnKey = std::tuple<int, int, int>;

    layout::CardSizeLetter size_ = layout::CardSizeLetter::Big;
    layout::CardSize card_ = layout::CardSizeOf(layout::CardSizeLetter::Big);
    mutable Faces faces_{}; // drawn faces are filled in when first asked for
    QImage back_;
    std::array<QImage, kMarkCount> marks_{};
    std::array<QImage, 2> shadows_{};
    std::array<QImage, 2> edges_{};
    bool rendered_ = false;
    bool drawFaces_ = false; // faces come from the card drawing, not from files
    int renderedSet_ = 1;
    DrawnKey drawnKey_{};
    std::map<DrawnKey, Pictures> drawn_;

    void Keep();
    void Restore(const Pictures& pictures);
    void DrawFace(int index) const;
    QImage background_;
    int backgroundNumber_ = 0;

    void CutSuit(const QImage& file, int suit);
};

} // namespace tablamor::table
