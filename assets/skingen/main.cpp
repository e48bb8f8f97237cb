// Draws the skin and button pictures (each as "<name>.png" and, twice the size for HiDPI screens,
// "<name>@2x.png"), the cursor files and the program's icons at build time.
// Usage: pocketreel_skingen <picture folder> <qrc file> <application folder> <icon folder>

#include "CursorFiles.h"
#include "NamedPicture.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

namespace {

QString fileName(const NamedPicture &picture)
{
    return picture.name + (picture.image.devicePixelRatio() == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
}

bool writeQrc(const QString &path, const PictureList &pictures)
{
    QByteArray text = "<RCC>\n  <qresource prefix=\"/skin\">\n";
    for (const NamedPicture &picture : pictures)
        text += "    <file>" + fileName(picture).toUtf8() + "</file>\n";
    text += "  </qresource>\n</RCC>\n";
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.flush();
}

// pocketreel.svg, pocketreel-48.png and pocketreel-128.png, for the desktop's icon theme.
bool writeIcons(const QDir &folder)
{
    QFile svg(folder.filePath(QStringLiteral("pocketreel.svg")));
    const QByteArray text = appIconSvg();
    if (!svg.open(QIODevice::WriteOnly) || svg.write(text) != text.size() || !svg.flush())
        return false;
    for (int size : {48, 128})
        if (!appIconPicture(size).save(folder.filePath(QStringLiteral("pocketreel-%1.png").arg(size)), "PNG"))
            return false;
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s <picture folder> <qrc file> <application folder> <icon folder>\n", argv[0]);
        return 2;
    }
    const QDir pictureDir(QString::fromLocal8Bit(argv[1]));
    if (!pictureDir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    PictureList pictures, doubled;
    const QStringList overflows = SkinArt::textsThatDoNotFit([&pictures, &doubled] {
        pictures = allPictures(1);
        doubled = allPictures(2);
    });
    if (!overflows.isEmpty()) {
        std::fprintf(stderr, "texts that do not fit their pictures:\n%s\n", qPrintable(overflows.join(u'\n')));
        return 1;
    }
    const QStringList unmatched = doublesThatDoNotMatch(pictures, doubled);
    if (!unmatched.isEmpty()) {
        std::fprintf(stderr, "pictures whose 2x drawing does not match:\n%s\n", qPrintable(unmatched.join(u'\n')));
        return 1;
    }
    pictures += doubled;
    for (const NamedPicture &picture : pictures) {
        const QString path = pictureDir.filePath(fileName(picture));
        if (!picture.image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    if (!writeQrc(QString::fromLocal8Bit(argv[2]), pictures)) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    if (!writeCursorFiles(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "cannot write the cursor files into %s\n", argv[3]);
        return 1;
    }
    const QDir iconDir(QString::fromLocal8Bit(argv[4]));
    if (!iconDir.mkpath(QStringLiteral(".")) || !writeIcons(iconDir)) {
        std::fprintf(stderr, "cannot write the icons into %s\n", argv[4]);
        return 1;
    }
    return 0;
}
