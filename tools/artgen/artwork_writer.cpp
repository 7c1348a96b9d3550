#include "tools/artgen/artwork_writer.h"

#include "table/qt_text.h"
#include "table/resource_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>

namespace tablamor::art {
namespace {

// rcc stamps every entry with its file's date unless told a date; any fixed value will do.
constexpr const char* kFixedResourceDate = "946684800"; // 2000-01-01
constexpr int kRccTimeoutMs = 120000;

bool WriteBytes(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = "cannot write " + path + ": " + file.errorString();
        return false;
    }
    return true;
}

bool SaveImage(const QImage& image, const QString& path, const char* format, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, format) || !file.commit()) {
        *error = "cannot write " + path;
        return false;
    }
    return true;
}

// Staged pictures live only until rcc has read them: a plain write, no safe-replace.
bool StageImage(const QImage& image, const QString& path, QString* error) {
    if (image.save(path, "PNG")) return true;
    *error = "cannot write " + path;
    return false;
}

bool MakeDir(const QString& path, QString* error) {
    if (QDir().mkpath(path)) return true;
    *error = "cannot create the directory " + path;
    return false;
}

QByteArray ResourceList(const Artwork& art, const QDir& staging) {
    QByteArray qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"" +
                     Q(kResourcePrefix).toUtf8() + "\">\n";
    for (const NamedPicture& picture : art.resources)
        qrc += "  <file alias=\"" + picture.name.toHtmlEscaped().toUtf8() + "\">" +
               staging.filePath(picture.name + ".png").toHtmlEscaped().toUtf8() + "</file>\n";
    qrc += "</qresource>\n</RCC>\n";
    return qrc;
}

bool RunRcc(const QString& rccPath, const QString& qrcPath, const QString& output, QString* error) {
    QProcess rcc;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_RCC_SOURCE_DATE_OVERRIDE", kFixedResourceDate);
    env.insert("SOURCE_DATE_EPOCH", kFixedResourceDate);
    rcc.setProcessEnvironment(env);
    rcc.setProcessChannelMode(QProcess::MergedChannels);
    rcc.start(rccPath, {"--binary", "--no-compress", "-o", output, qrcPath});
    if (!rcc.waitForStarted()) {
        *error = "cannot run the resource compiler " + rccPath;
        return false;
    }
    if (!rcc.waitForFinished(kRccTimeoutMs) || rcc.exitStatus() != QProcess::NormalExit ||
        rcc.exitCode() != 0) {
        *error = "the resource compiler failed: " + QString::fromLocal8Bit(rcc.readAll()).trimmed();
        return false;
    }
    return true;
}

bool WriteResourceFile(const Artwork& art, const QString& programDir, const QString& rccPath,
                       QString* error) {
    QTemporaryDir staging;
    if (!staging.isValid()) {
        *error = "cannot create a temporary directory";
        return false;
    }
    QDir dir(staging.path());
    for (const NamedPicture& picture : art.resources)
        if (!StageImage(picture.image, dir.filePath(picture.name + ".png"), error)) return false;
    const QString qrc = dir.filePath("artwork.qrc");
    if (!WriteBytes(qrc, ResourceList(art, dir), error)) return false;
    const QString built = dir.filePath("SOL.RGF");
    if (!RunRcc(rccPath, qrc, built, error)) return false;
    QFile file(built);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = "the resource compiler wrote no file";
        return false;
    }
    return WriteBytes(QDir(programDir).filePath(Q(kResourceFile)), file.readAll(), error);
}

} // namespace

QString DefaultRccPath() {
    return QDir(QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath)).filePath("rcc");
}

bool WriteArtwork(const Artwork& art, const QString& programDir, const QString& rccPath,
                  QString* error) {
    const QDir root(programDir);
    const QString images = root.filePath(Q(kImagesDir));
    const QString sounds = root.filePath(Q(kSoundsDir));
    if (!MakeDir(images, error) || !MakeDir(sounds, error)) return false;
    for (const ImageFile& file : art.images)
        if (!SaveImage(file.image, QDir(images).filePath(file.name + ".bmp"), "BMP", error))
            return false;
    for (const SoundFile& sound : art.sounds)
        if (!WriteBytes(QDir(sounds).filePath(sound.fileName), sound.bytes, error)) return false;
    return WriteResourceFile(art, programDir, rccPath, error);
}

bool MergeExtraResources(Artwork& art, const QString& directory, QString* error) {
    const QDir dir(directory);
    if (!dir.exists()) {
        *error = "no such directory: " + directory;
        return false;
    }
    for (const QFileInfo& info : dir.entryInfoList({"*.png"}, QDir::Files, QDir::Name)) {
        QImage image(info.filePath());
        if (image.isNull()) {
            *error = "not a readable picture: " + info.filePath();
            return false;
        }
        const QString name = info.completeBaseName();
        auto same = std::find_if(art.resources.begin(), art.resources.end(),
                                 [&](const NamedPicture& p) { return p.name == name; });
        if (same != art.resources.end())
            same->image = image;
        else
            art.resources.push_back({name, image, "extra"});
    }
    return true;
}

} // namespace tablamor::art
