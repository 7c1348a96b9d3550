#include "ui/winnable_deals.h"

#include "engine/placed_piles.h"
#include "records/data_dir.h"
#include "records/record_names.h"
#include "records/winnable_numbers.h"
#include "session/winnable_deal.h"
#include "ui/play_controller.h"
#include "ui/startup.h"

#include <QStatusBar>
#include <QTimer>

namespace tablamor::ui {
namespace {

// Numbers kept ahead for the game in play; the search stops there.
constexpr std::size_t kNumbersAhead = 3;
// The progress line is brought up to date this often.
constexpr int kProgressIntervalMs = 250;

} // namespace

WinnableDeals::WinnableDeals(PlayController& play, const Settings& settings, QStatusBar& bar,
                             std::filesystem::path dataDir, Dealer deal, QObject* parent)
    : QObject(parent), play_(play), settings_(settings), bar_(bar),
      file_(DataFilePath(dataDir, kWinnableFileName)), deal_(std::move(deal)), search_(*this),
      loan_(bar), progress_(new QTimer(this)), rng_(std::random_device{}()) {
    progress_->setInterval(kProgressIntervalMs);
    connect(progress_, &QTimer::timeout, this, [this] {
        Say(tr("Looking for a deal that can be won... %L1 positions").arg(search_.Positions()));
    });
    // Any deal ends a wait (another game opened meanwhile included), takes the last deal's words
    // away and may call for more numbers.
    connect(&play_, &PlayController::GameDealt, this, [this] {
        EndWait();
        Refill();
    });
}

WinnableDeals::~WinnableDeals() {
    search_.Stop();
}

int WinnableDeals::GameId() const {
    return play_.SetUp() ? settings_.GameId() : -1;
}

void WinnableDeals::SetOn(bool on) {
    on_ = on;
    if (on) {
        Refill();
        return;
    }
    search_.Stop();
    if (waiting_) {
        EndWait();
        deal_(std::nullopt);
    }
}

void WinnableDeals::NewDeal() {
    const int game = GameId();
    if (!on_ || game < 0) {
        deal_(std::nullopt);
        return;
    }
    if (gaveUp_.contains(game)) {
        DealOrdinary(
            tr("The solver rarely decides a deal of this game: this is an ordinary deal."));
        return;
    }
    if (waiting_) return; // the deal asked for is on its way
    MessageBoxes messages(bar_.window());
    if (const auto kept = TakeWinnableNumber(file_, game, messages)) {
        if (const auto number = GameNumber::Parse(*kept)) {
            deal_(*number);
            return;
        }
    }
    waiting_ = true;
    Say(tr("Looking for a deal that can be won..."));
    progress_->start();
    Refill();
}

// Starts the search for the game set up when it has fewer numbers kept than it should.
void WinnableDeals::Refill() {
    const int game = GameId();
    if (!on_ || game < 0 || gaveUp_.contains(game)) return;
    if (search_.Running()) {
        if (searchedGame_ == game) return;
        search_.Stop(); // the game changed: its numbers are not wanted now
    }
    MessageBoxes messages(bar_.window());
    const WinnableNumbers kept = ReadWinnableNumbers(file_, messages);
    const auto found = kept.find(game);
    if (!waiting_ && found != kept.end() && found->second.size() >= kNumbersAhead) return;
    searchedGame_ = game;
    const GameState setUp = play_.State();
    const PlacedPiles geometry = PlacedPiles::From(play_.Geometry());
    const std::uint32_t seed = rng_();
    search_.Start([this, game, setUp, geometry, seed](SolveWatch& watch) -> std::function<void()> {
        std::mt19937 rng(seed);
        const WinnableDealSearch search =
            FindWinnableDeal(setUp, geometry, rng, WindowWinnableDealBudget(&watch));
        return [this, game, search] { Found(game, search.number, search.tried); };
    });
}

void WinnableDeals::Found(int gameId, std::optional<GameNumber> number, int tried) {
    emit SearchEnded();
    const bool forThisDeal = waiting_ && gameId == GameId();
    if (!number) {
        gaveUp_.insert(gameId);
        if (forThisDeal)
            DealOrdinary(tr("No deal of this game that the solver wins was found within %L1 "
                            "numbers: this is an ordinary deal.")
                             .arg(tried));
        return;
    }
    MessageBoxes messages(bar_.window());
    if (forThisDeal) {
        EndWait();
        deal_(*number); // its GameDealt asks for the next number
        return;
    }
    // A number that cannot be kept (the message said why) ends the search until the next deal.
    if (KeepWinnableNumber(file_, gameId, number->Text(), messages)) Refill();
}

void WinnableDeals::EndWait() {
    waiting_ = false;
    progress_->stop();
    Say({});
}

void WinnableDeals::DealOrdinary(const QString& why) {
    EndWait();
    deal_(std::nullopt);
    Say(why);
}

void WinnableDeals::Say(const QString& text) {
    if (text.isEmpty()) {
        bar_.clearMessage();
        loan_.Give();
        return;
    }
    loan_.Take();
    bar_.showMessage(text);
}

} // namespace tablamor::ui
