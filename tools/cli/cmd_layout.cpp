// The layout command: where every placed pile of a game lies on a table of a given size.
//
// The table is taken as a window of W x H filling a W x H screen, with the large toolbar (46 px,
// flat buttons) across its top and the vertical scroll bar's width kept free at the right, as the
// main window lays itself out; card shadows are on.
#include "cli.h"

#include "table/layout/fit_to_window.h"
#include "table/layout/table_layout.h"
#include "window_layout.h"

#include <optional>
#include <ostream>

namespace tablamor::cli {
namespace {

constexpr long long kLargestSide = 30000;

int RequireSide(Options& options, const std::string& name) {
    long long value = options.RequireInt(name);
    if (value < 1 || value > kLargestSide)
        throw CliError{"option --" + name + " takes 1 to " + std::to_string(kLargestSide) +
                       " pixels, not " + std::to_string(value)};
    return static_cast<int>(value);
}

constexpr const char* kFitSize = "fit";

// A size letter, or nullopt for "fit".
std::optional<layout::CardSizeLetter> TakeCardSize(Options& options) {
    auto text = options.Take("size");
    if (!text) return layout::CardSizeLetter::Big;
    if (*text == kFitSize) return std::nullopt;
    auto letter = layout::ParseCardSizeLetter(*text);
    if (!letter) throw CliError{"option --size takes B, M, P or fit, not '" + *text + "'"};
    return *letter;
}

layout::LayoutInput WindowInput(int width, int height, layout::CardSizeLetter size) {
    layout::LayoutInput input;
    input.tableTop = layout::kLargeToolbarTableTop;
    input.tableBottom = height - 1;
    input.windowWidth = width;
    input.windowHeight = height;
    input.screenWidth = width;
    input.screenHeight = height;
    input.cardSize = size;
    return input;
}

} // namespace

layout::PilePositions LayOutOnWindow(const GameParams& params, int width, int height,
                                     layout::CardSizeLetter size) {
    return layout::ComputeTableLayout(params, WindowInput(width, height, size));
}

int RunLayout(Context& ctx) {
    long long id = ctx.options.RequireInt("game");
    int width = RequireSide(ctx.options, "width");
    int height = RequireSide(ctx.options, "height");
    std::optional<layout::CardSizeLetter> size = TakeCardSize(ctx.options);
    ctx.options.CheckAllTaken();

    const GameParams params = LoadGameParams(ctx, id);
    layout::PilePositions positions;
    if (size) {
        positions = LayOutOnWindow(params, width, height, *size);
    } else {
        layout::SizedLayout fitted =
            layout::FitToWindow(params, WindowInput(width, height, layout::CardSizeLetter::Big));
        ctx.out << "card " << fitted.card.width << ' ' << fitted.card.height << '\n';
        positions = fitted.positions;
    }
    for (PileIndex pile = 0; pile < kPileCount; ++pile)
        if (positions.Placed(pile))
            ctx.out << PileName(pile) << ' ' << positions.X(pile) << ' ' << positions.Y(pile)
                    << '\n';
    return 0;
}

} // namespace tablamor::cli

namespace tablamor::cli {

PlacedPiles PlacedOnPlayWindow(const GameParams& params) {
    layout::PilePositions positions =
        LayOutOnWindow(params, kPlayWindowWidth, kPlayWindowHeight, layout::CardSizeLetter::Big);
    PlacedPiles placed;
    for (PileIndex p = 0; p < kPileCount; ++p) placed.SetPlaced(p, positions.Placed(p));
    return placed;
}

} // namespace tablamor::cli
