// The generator as the build runs it: two runs give the same bytes in every file, and wrong
// arguments or damaged inputs end with a message and a failure status, never a crash.
#include "tools/artgen/tests/art_test_support.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <map>

namespace tablamor::art::testing {
namespace {

constexpr int kGeneratorTimeoutMs = 300000;

struct GeneratorRun {
    int status;
    QString output;
};

GeneratorRun Generate(const QStringList& args) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(ARTGEN_EXECUTABLE, args);
    if (!process.waitForFinished(kGeneratorTimeoutMs) ||
        process.exitStatus() != QProcess::NormalExit)
        return {-1, "did not finish normally"};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAll())};
}

QStringList StandardArgs(const QString& out) {
    return {"--out", out,        "--games",    RuntimePath("GAMES.DAT"),
            "--rcc", ARTGEN_RCC, "--font-dir", ARTGEN_FONT_DIR};
}

// Relative path -> digest of every file under `root`.
std::map<QString, QByteArray> Digests(const QString& root) {
    std::map<QString, QByteArray> digests;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) continue;
        digests[QDir(root).relativeFilePath(path)] =
            QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }
    return digests;
}

TEST(Generator, TwoRunsWriteTheSameBytes) {
    QTemporaryDir first;
    QTemporaryDir second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    GeneratorRun a = Generate(StandardArgs(first.path()));
    ASSERT_EQ(a.status, 0) << a.output.toStdString();
    GeneratorRun b = Generate(StandardArgs(second.path()));
    ASSERT_EQ(b.status, 0) << b.output.toStdString();
    auto one = Digests(first.path());
    auto two = Digests(second.path());
    EXPECT_TRUE(one.contains(Q(kResourceFile)));
    EXPECT_GT(one.size(), kSoundNames.size());
    ASSERT_EQ(one.size(), two.size());
    for (const auto& [path, digest] : one) {
        ASSERT_TRUE(two.contains(path)) << path.toStdString();
        EXPECT_EQ(digest, two[path]) << path.toStdString() << " differs between runs";
    }
}

TEST(Generator, BadInputEndsWithAMessage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString out = dir.filePath("out");
    const struct {
        const char* what;
        QStringList args;
        int status;
        const char* message;
    } rows[] = {
        {"no arguments", {}, 2, "usage"},
        {"unknown option", {"--colour", "red"}, 2, "usage"},
        {"option without value", {"--out"}, 2, "usage"},
        {"missing fonts",
         {"--out", out, "--font-dir", dir.filePath("none")},
         1,
         "fonts-dejavu-core"},
        {"missing game file",
         {"--out", out, "--games", dir.filePath("nothing.dat"), "--font-dir", ARTGEN_FONT_DIR},
         1,
         "cannot read the game file"},
        {"missing resource compiler",
         {"--out", out, "--rcc", dir.filePath("no-rcc"), "--font-dir", ARTGEN_FONT_DIR},
         1,
         "resource compiler"},
        {"missing extra pictures",
         {"--out", out, "--extra-resources", dir.filePath("none"), "--font-dir", ARTGEN_FONT_DIR},
         1,
         "no such directory"},
    };
    for (const auto& row : rows) {
        GeneratorRun run = Generate(row.args);
        EXPECT_EQ(run.status, row.status) << row.what << ": " << run.output.toStdString();
        EXPECT_TRUE(run.output.contains(row.message))
            << row.what << ": " << run.output.toStdString();
    }
}

} // namespace
} // namespace tablamor::art::testing
