#pragma once
// What the painter paints: the cards and the game's parameters (owned by the caller, usually the
// running game's state, and read at every paint) and where the piles lie on this table (the
// layout's positions, fan steps and card size, and the untidy tableau's shifts of this deal).
#include "engine/cards.h"
#include "engine/params.h"
#include "engine/table.h"
#include "table/layout/table_geometry.h"

namespace tablamor::table {

struct TableScene {
    const Table* table = nullptr;
    const GameParams* params = nullptr;
    int passesUsed = 1;        // passes through the stock, for the stock's empty mark
    bool stockPressed = false; // a redeal is armed: the empty stock shows its pressed mark
    layout::PilePositions positions;
    layout::FanSteps steps;
    layout::CardSize card;
    layout::UntidyShifts untidyShifts{};

    // True once a game is there to paint.
    bool Ready() const { return table != nullptr && params != nullptr; }

    // The first-deck card whose face picture `card` shows in this game's deck (FaceCode).
    int Face(int card) const {
        return FaceCode(card, params != nullptr ? (*params)[param::kDeckSuits] : kFourSuits);
    }

    // The card places of this table; `untidy` shows the untidy tableau's shifts. The scene must
    // outlive the geometry and stay where it is.
    layout::TableGeometry Geometry(bool untidy) const;
};

} // namespace tablamor::table
