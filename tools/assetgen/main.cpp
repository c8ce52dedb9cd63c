#include "Catalogue.h"
#include "ContactSheet.h"
#include "Writer.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int Success = 0;
constexpr int Failure = 1;
constexpr int BadUsage = 2;

const char* const Usage =
    "Usage: assetgen [--sheet FILE.png] [ASSETS_FOLDER]\n"
    "\n"
    "Draws every picture of Quorvel: the block tiles, the background tiles,\n"
    "the side-column plates, the help box's sphere and the program icon, each\n"
    "at scale 1 and drawn afresh at scale 2 (NAME@2x.png; the icon in each of\n"
    "its sizes instead), with assets.qrc, doubled.qrc and icon/quorvel.svg.\n"
    "The output is the same on every run.\n"
    "\n"
    "  ASSETS_FOLDER     write all files there (the project's assets folder)\n"
    "  --sheet FILE.png  also write a contact sheet of every picture at both\n"
    "                    scales, for review\n"
    "  --help            show this text\n";

void complain(const QString& message)
{
    std::fprintf(stderr, "assetgen: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.contains(QStringLiteral("--help"))) {
        std::fputs(Usage, stdout);
        return Success;
    }
    QString sheetPath;
    const qsizetype sheetAt = arguments.indexOf(QStringLiteral("--sheet"));
    if (sheetAt >= 0) {
        if (sheetAt + 1 >= arguments.size()) {
            std::fputs(Usage, stderr);
            return BadUsage;
        }
        sheetPath = arguments.at(sheetAt + 1);
        arguments.remove(sheetAt, 2);
    }
    if (arguments.size() > 1 || (arguments.isEmpty() && sheetPath.isEmpty())) {
        std::fputs(Usage, stderr);
        return BadUsage;
    }
    using namespace quorvel::assetgen;
    const std::vector<Picture> pictures = catalogue();
    if (!arguments.isEmpty()) {
        const QString error = writeAssets(arguments.first(), pictures);
        if (!error.isEmpty()) {
            complain(error);
            return Failure;
        }
    }
    if (!sheetPath.isEmpty() && !contactSheet(pictures).save(sheetPath, "PNG")) {
        complain(QStringLiteral("cannot write %1").arg(sheetPath));
        return Failure;
    }
    return Success;
}
