// quillora_mediagen APP_DIR
//
// Draws every picture and synthesises every sound the program ships with,
// writing them into APP_DIR/media and APP_DIR/audio. The output is the same
// byte for byte on every run.
#include "generators.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen"); // it draws, whatever the session, and shows nothing
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: quillora_mediagen APP_DIR\n");
        return 2;
    }
    mg::Output out;
    out.mediaDir = QDir(args.at(1)).filePath(QStringLiteral("media"));
    out.audioDir = QDir(args.at(1)).filePath(QStringLiteral("audio"));
    if (!QDir().mkpath(out.mediaDir) || !QDir().mkpath(out.audioDir)) {
        std::fprintf(stderr, "mediagen: cannot create the folders under %s\n", qPrintable(args.at(1)));
        return 1;
    }
    if (!mg::loadFonts())
        return 1;
    // Every picture of the catalogue at normal and at double density.
    for (const int scale : {1, 2}) {
        mg::setDrawScale(scale);
        mg::writeMenu(out);
        mg::writeMiniback(out);
        mg::writeButtons(out);
        mg::writeWizardArt(out);
        mg::writeBackdrops(out);
        mg::writeThemes(out);
    }
    mg::setDrawScale(1);
    mg::writeAppIcon(out);
    mg::writeSounds(out);
    return out.ok ? 0 : 1;
}
