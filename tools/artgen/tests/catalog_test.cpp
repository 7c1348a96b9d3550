// The artwork as a whole, in memory: no two pictures or sounds that stand for different things
// come out the same, outside pictures replace or join the named ones, the game list is read
// from a game file, and texture noise repeats exactly over a tile.
#include "engine/game_file.h"
#include "tools/artgen/artwork.h"
#include "tools/artgen/artwork_writer.h"
#include "tools/artgen/game_list.h"
#include "tools/artgen/tests/art_test_support.h"
#include "tools/artgen/tile_noise.h"

#include <QFile>
#include <QTemporaryDir>

#include <map>
#include <set>

namespace tablamor::art::testing {
namespace {

class Catalog : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        art_ = new Artwork(BuildArtwork({{1, 5, "One"}, {2, 4, "Two"}}));
    }
    static void TearDownTestSuite() {
        delete art_;
        art_ = nullptr;
    }
    static const Artwork& Art() { return *art_; }

    static QByteArray Bytes(const QImage& image) {
        QImage normal = image.convertToFormat(QImage::Format_ARGB32);
        return QByteArray(reinterpret_cast<const char*>(normal.constBits()), normal.sizeInBytes());
    }

private:
    static Artwork* art_;
};
Artwork* Catalog::art_ = nullptr;

// Within each group every picture is its own: a copy-and-paste slip that draws two marks,
// backs, icons or cards alike shows up here. (The groups leave out the previews, which are one
// picture per family for now.)
TEST_F(Catalog, PicturesWithDifferentMeaningsDiffer) {
    std::map<QString, std::map<QByteArray, QString>> seen; // section -> picture -> name
    for (const NamedPicture& picture : Art().resources) {
        if (picture.section == "previews") continue;
        auto [it, fresh] = seen[picture.section].emplace(Bytes(picture.image), picture.name);
        EXPECT_TRUE(fresh) << picture.name.toStdString() << " looks the same as "
                           << it->second.toStdString();
    }
    std::map<QByteArray, QString> files;
    for (const ImageFile& file : Art().images) {
        auto [it, fresh] = files.emplace(Bytes(file.image), file.name);
        EXPECT_TRUE(fresh) << file.name.toStdString() << " looks the same as "
                           << it->second.toStdString();
    }
}

TEST_F(Catalog, EverySoundIsItsOwn) {
    std::set<QByteArray> seen;
    for (const SoundFile& sound : Art().sounds)
        EXPECT_TRUE(seen.insert(sound.bytes).second) << sound.fileName.toStdString();
    EXPECT_EQ(Art().sounds.size(), kSoundNames.size());
}

TEST_F(Catalog, TheCardsOfASuitAreAllDifferent) {
    for (const ImageFile& file : Art().images) {
        if (!file.name.startsWith('C')) continue;
        const CardSize* size = nullptr;
        for (const CardSize& s : kCardSizes)
            if (file.name[1] == QChar(s.letter)) size = &s;
        ASSERT_NE(size, nullptr);
        std::set<QByteArray> cards;
        for (int rank = 1; rank <= kRanksPerSuit; ++rank) {
            int index = rank - 1;
            QImage cell = file.image.copy((index % kFaceGridColumns) * size->width,
                                          (index / kFaceGridColumns) * size->height, size->width,
                                          size->height);
            EXPECT_TRUE(cards.insert(Bytes(cell)).second)
                << file.name.toStdString() << " rank " << rank;
        }
    }
}

TEST_F(Catalog, OutsidePicturesReplaceOrJoinTheNamedOnes) {
    Artwork art = Art();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage red(8, 8, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(dir.filePath("GAME0001.png")));
    ASSERT_TRUE(red.save(dir.filePath("NEW_PICTURE.png")));
    const std::size_t before = art.resources.size();
    QString error;
    ASSERT_TRUE(MergeExtraResources(art, dir.path(), &error)) << error.toStdString();
    EXPECT_EQ(art.resources.size(), before + 1);
    for (const NamedPicture& picture : art.resources) {
        if (picture.name == "GAME0001" || picture.name == "NEW_PICTURE") {
            EXPECT_EQ(picture.image.size(), QSize(8, 8)) << picture.name.toStdString();
        }
    }

    QFile broken(dir.filePath("BROKEN.png"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    EXPECT_FALSE(MergeExtraResources(art, dir.path(), &error));
    EXPECT_TRUE(error.contains("BROKEN.png")) << error.toStdString();
}

TEST(GameList, ReadsIdsAndFamiliesFromAGameFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    GameDefinition klondike;
    klondike.id = 1;
    klondike.type = 5;
    klondike.name = "Klondike";
    GameDefinition freecell;
    freecell.id = 2;
    freecell.type = 4;
    freecell.name = "FreeCell";
    const QString path = dir.filePath("GAMES.DAT");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        std::string bytes = WriteGameFile({klondike, freecell});
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    QString error;
    auto games = ReadGameList(path, &error);
    ASSERT_TRUE(games.has_value()) << error.toStdString();
    ASSERT_EQ(games->size(), 2u);
    EXPECT_EQ((*games)[0].id, 1);
    EXPECT_EQ((*games)[0].type, 5);
    EXPECT_EQ((*games)[1].name, "FreeCell");

    EXPECT_FALSE(ReadGameList(dir.filePath("missing.dat"), &error).has_value());
    EXPECT_TRUE(error.contains("missing.dat"));
}

TEST(TileNoise, RepeatsExactlyOverTheTile) {
    const TileNoise square(8, 42);
    const TileNoise streaks(3, 64, 43);
    std::vector<TileNoise> layers = TileNoise::Layers(4, 3, 44);
    for (double u : {0.0, 0.13, 0.5, 0.77, 0.999})
        for (double v : {0.0, 0.31, 0.62, 0.95}) {
            for (const TileNoise* noise : {&square, &streaks}) {
                double here = noise->At(u, v);
                EXPECT_GE(here, 0.0);
                EXPECT_LT(here, 1.0);
                EXPECT_NEAR(noise->At(u + 1, v), here, 1e-9);
                EXPECT_NEAR(noise->At(u, v - 1), here, 1e-9);
            }
            double layered = TileNoise::Fractal(layers, u, v);
            EXPECT_NEAR(TileNoise::Fractal(layers, u + 2, v + 1), layered, 1e-9);
        }
}

} // namespace
} // namespace tablamor::art::testing
