#pragma once
// "Winnable deals only": with it on, a new game deals a number the solver has won. While the
// player plays, a worker (BackgroundSearch: the one solver, as the hint uses it) looks for such
// numbers of the game set up and keeps a few in "DATA\WINNABLE.DAT", so the next new game takes
// one at once. When none is kept yet, the new game waits for the search with its progress on the
// status line; painting and input go on meanwhile. A game whose deals the solver rarely decides
// spends the search's budget without a number: the status line says so, the new game deals an
// ordinary number, and that game is not searched again in this run.
#include "engine/game_number.h"
#include "records/settings.h"
#include "ui/background_search.h"
#include "ui/status_bar_loan.h"

#include <QObject>
#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <set>

class QStatusBar;
class QTimer;

namespace tablamor::ui {

class PlayController;

class WinnableDeals : public QObject {
    Q_OBJECT
public:
    // Deals the game set up: the number given, or an ordinary new one.
    using Dealer = std::function<void(std::optional<GameNumber>)>;

    // The game set up is the one whose id is in `settings`.
    WinnableDeals(PlayController& play, const Settings& settings, QStatusBar& bar,
                  std::filesystem::path dataDir, Dealer deal, QObject* parent = nullptr);
    ~WinnableDeals() override;

    void SetOn(bool on);
    bool On() const { return on_; }
    // A new game of the game set up, as said above.
    void NewDeal();
    bool Waiting() const { return waiting_; }
    bool Searching() const { return search_.Running(); }

signals:
    // A search ended (tests wait for it).
    void SearchEnded();

private:
    PlayController& play_;
    const Settings& settings_;
    QStatusBar& bar_;
    std::filesystem::path file_;
    Dealer deal_;
    BackgroundSearch search_;
    StatusBarLoan loan_;
    QTimer* progress_ = nullptr;
    std::mt19937 rng_;
    bool on_ = false;
    bool waiting_ = false;  // a new game waits for the search
    int searchedGame_ = -1; // the game the running search is for
    std::set<int> gaveUp_;  // games the search found nothing for in this run

    int GameId() const;
    void Refill();
    void Found(int gameId, std::optional<GameNumber> number, int tried);
    void EndWait();
    void DealOrdinary(const QString& why);
    void Say(const QString& text);
};

} // namespace tablamor::ui
