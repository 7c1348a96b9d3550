#include "tools/artgen/artwork.h"

#include "table/app_icon_names.h"
#include "table/card_art/card_backs.h"
#include "table/card_art/face_painter.h"
#include "table/card_art/marks.h"
#include "table/card_art/strips.h"
#include "table/qt_text.h"
#include "table/resource_names.h"
#include "tools/artgen/app_icon.h"
#include "tools/artgen/backgrounds.h"
#include "tools/artgen/counter_pictures.h"
#include "tools/artgen/cursors.h"
#include "tools/artgen/previews.h"
#include "tools/artgen/ratings.h"
#include "tools/artgen/sounds.h"
#include "tools/artgen/startup_pictures.h"
#include "tools/artgen/toolbar_icons.h"
#include "tools/artgen/tree_icons.h"

namespace tablamor::art {
namespace {

void AddImageFiles(Artwork& art) {
    for (const CardSize& size : kCardSizes) {
        for (int set : kFaceSets)
            for (std::size_t s = 0; s < kSuitLetters.size(); ++s)
                art.images.push_back({Q(FaceFileName(size.letter, set, kSuitLetters[s])),
                                      FaceFile(size, static_cast<FaceSet>(set), kSuits[s])});
        for (int back : kBackNumbers)
            art.images.push_back({Q(BackFileName(size.letter, back)), CardBack(size, back)});
    }
    for (int number : kBackgroundNumbers)
        art.images.push_back({Q(BackgroundFileName(number)), BackgroundTile(number)});
}

void AddTablePictures(Artwork& art) {
    for (const CardSize& size : kCardSizes) {
        for (int mark = 1; mark <= kMarkCount; ++mark)
            art.resources.push_back({Q(MarkName(size.letter, mark)), Mark(size, mark), "marks"});
        for (int which = 1; which <= 2; ++which) {
            art.resources.push_back(
                {Q(ShadowName(size.letter, which)), ShadowStrip(size, which), "strips"});
            art.resources.push_back(
                {Q(BorderName(size.letter, which)), BorderStrip(size, which), "strips"});
        }
    }
    for (const CursorPicture& cursor : kCursors) {
        art.resources.push_back({Q(cursor.name), CursorImage(cursor), "cursors"});
        art.resources.push_back(
            {Q(HiDpiName(cursor.name)), CursorImage(cursor, kHiDpiScale), "cursors"});
    }
}

void AddDialogPictures(Artwork& art, const std::vector<GameInfo>& games) {
    for (std::string_view name : kTreePictures)
        art.resources.push_back({Q(name), TreePicture(name), "tree"});
    for (std::size_t v = 0; v < kDifficultyPictures.size(); ++v)
        art.resources.push_back({Q(kDifficultyPictures[v]),
                                 RatingPicture(RatingKind::Difficulty, static_cast<int>(v)),
                                 "ratings"});
    for (std::size_t v = 0; v < kChancePictures.size(); ++v)
        art.resources.push_back({Q(kChancePictures[v]),
                                 RatingPicture(RatingKind::Chance, static_cast<int>(v)),
                                 "ratings"});
    for (std::size_t v = 0; v < kGameTimePictures.size(); ++v)
        art.resources.push_back({Q(kGameTimePictures[v]),
                                 RatingPicture(RatingKind::GameTime, static_cast<int>(v)),
                                 "ratings"});
    for (const GameInfo& game : games) {
        art.resources.push_back({Q(PreviewName(game.id)), PreviewPicture(game), "previews"});
        art.resources.push_back(
            {Q(HiDpiName(PreviewName(game.id))), PreviewPicture(game, kHiDpiScale), "previews"});
    }
}

void AddWindowPictures(Artwork& art) {
    for (std::size_t s = 0; s < kCounterSuitPictures.size(); ++s)
        art.resources.push_back({Q(kCounterSuitPictures[s]), CounterSuit(kSuits[s]), "counter"});
    art.resources.push_back({Q(kCounterNoCard), CounterNoCard(), "counter"});
    for (bool up : {true, false})
        for (int rank = 1; rank <= kRanksPerSuit; ++rank)
            art.resources.push_back(
                {Q(CounterCardName(rank, up)), CounterCard(rank, up), "counter"});
    for (bool large : {true, false})
        for (bool disabled : {false, true})
            for (ToolbarButton button : kToolbarButtons) {
                const std::string name = ToolbarPictureName(button, large, disabled);
                art.resources.push_back({Q(name), ToolbarIcon(button, large, disabled), "toolbar"});
                // The small pictures at twice their size are the large ones.
                if (large)
                    art.resources.push_back({Q(HiDpiName(name)),
                                             ToolbarIcon(button, large, disabled, kHiDpiScale),
                                             "toolbar"});
            }
    art.resources.push_back({Q(kSplashBanner), SplashBanner(), "start-up"});
    art.resources.push_back({Q(kSplashPicture), SplashPicture(), "start-up"});
    art.resources.push_back({Q(kAdviceColor), AdviceColorPicture(), "start-up"});
    art.resources.push_back({Q(kAdviceSmallScreen), AdviceSmallScreenPicture(), "start-up"});
    for (int size : kAppIconSizes)
        art.resources.push_back({Q(AppIconName(size)), AppIconPicture(size), "start-up"});
}

} // namespace

Artwork BuildArtwork(const std::vector<GameInfo>& games) {
    Artwork art;
    AddImageFiles(art);
    AddTablePictures(art);
    AddDialogPictures(art, games);
    AddWindowPictures(art);
    for (std::string_view name : kSoundNames)
        art.sounds.push_back({Q(SoundFileName(name)), SynthesiseSound(name)});
    return art;
}

} // namespace tablamor::art
