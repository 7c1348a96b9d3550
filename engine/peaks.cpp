#include "engine/peaks.h"

#include "engine/fan_style.h"
#include "engine/press_rules.h"
#include "engine/rule_codes.h"

namespace tablamor {

bool HasPeaks(const GameParams& params) {
    return params[param::kSpecialCode] == code::kSpecialPeaks &&
           FanStyleOf(params, PileKind::Tableau) == FanStyle::SideBySide;
}

void SpreadPeaks(GameState& s) {
    const int rows = s.TableauCount();
    const int peaks = s.table.Size(TableauPile(0));
    if (rows < 2 || peaks < 1) return;
    const int apart = rows - 1; // places from one peak's cards to the next peak's
    for (int n = 0; n < rows - 1; ++n) {
        const PileIndex row = TableauPile(n);
        const int perPeak = s.table.Size(row) / peaks;
        if (perPeak * peaks != s.table.Size(row) || perPeak > apart) continue;
        for (int peak = 1; peak < peaks; ++peak)
            for (int gap = perPeak; gap < apart; ++gap)
                s.table.Insert(row, (peak - 1) * apart + gap, kNoCard);
    }
}

void TurnUncoveredPeakCards(GameState& s, EventSink& sink) {
    for (int n = 0; n < s.TableauCount(); ++n)
        for (const Card c : s.table.Pile(TableauPile(n))) {
            if (c == kNoCard || s.table.FaceUp(c) || !PyramidCardFree(s, c)) continue;
            s.table.SetFaceUp(c, true);
            sink.CardTurned(c, true);
        }
}

} // namespace tablamor
