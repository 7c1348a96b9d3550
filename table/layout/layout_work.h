#pragma once
// Inside the table layout: the quantities every step shares (margins, rows, the layout codes and
// counts of the groups, the tableau gap), and the steps themselves, in the order they run.
#include "engine/params.h"
#include "table/layout/layout_input.h"
#include "table/layout/pile_positions.h"

#include <array>
#include <optional>

namespace tablamor::layout::detail {

// One group's layout code: arrangement number and row digit (0 when the code names no row).
struct LayoutCode {
    int arrangement = 0;
    int rowDigit = 0;
};

inline constexpr int kRowCount = 6;
inline constexpr int kBottomRow = 5;

struct LayoutWork {
    const GameParams& params;
    PilePositions& positions;

    int cardWidth = 0;
    int cardHeight = 0;
    int top = 0; // table area
    int bottom = 0;
    int usable = 0;  // G: usable width
    int spacing = 0; // m: space between rows
    int margin = 0;  // E: left margin
    int shadow = 0;  // shadow allowance in use
    bool tallScreen = true;
    bool narrowScreen = false;             // screen below 650 px wide
    bool narrowTable = false;              // usable width below 650 px
    std::array<int, kRowCount + 1> rows{}; // rows[1..6]

    LayoutCode stock{}, foundations{}, tableau{}, reserves{}, thirdPile{};
    int stockCount = 0;
    int foundationCount = 0;
    int tableauCount = 0;
    int reserveCount = 0;
    int thirdCount = 0;

    int tableauGap = 0;                      // space between neighbouring tableau columns
    int foundationGap = 1;                   // rg: left by the foundations for the reserves
    std::optional<int> forcedTableauStart{}; // the clash retry's start of arrangement 2

    // y of a row digit; nullopt when the digit names no row.
    std::optional<int> Row(int digit) const;
    // A pile's x and absolute y; nullopt while unset.
    std::optional<int> X(PileIndex pile) const;
    std::optional<int> Y(PileIndex pile) const;
    // Tableau column i's x; nullopt outside the tableau or while unset.
    std::optional<int> TableauX(int column) const;
    // Writes what is known; an unknown coordinate leaves the marker.
    void Place(PileIndex pile, std::optional<int> x, std::optional<int> y);
    bool StockPlaced() const;
    bool WastePlaced() const;
};

// Margins, rows and layout codes from the parameters and the input.
void SetUpFrame(LayoutWork& work, const LayoutInput& input);

// The tableau. Returns true when the arrangement ends the layout (it places what it needs of
// the other groups itself).
bool PlaceTableau(LayoutWork& work);
// The tableau arrangement centred under the foundations, once they are placed.
void PlaceTableauUnderFoundations(LayoutWork& work);
void PlaceStockGroup(LayoutWork& work);
void PlaceFoundations(LayoutWork& work);
void PlaceReserves(LayoutWork& work);
void PlaceThirdPile(LayoutWork& work);

// Centred line sets of the wrapping arrangements: line `line` of the three-line set (0-based)
// and of the four-line set (1-based; `grid` selects the variant whose last step is wider).
// Lines past the set continue with the set's regular step.
int ThreeLineY(const LayoutWork& work, int line);
int FourLineY(const LayoutWork& work, int line, bool grid);

} // namespace tablamor::layout::detail
