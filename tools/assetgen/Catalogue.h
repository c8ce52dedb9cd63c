#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace quorvel::assetgen {

// One picture of the game.
struct Picture {
    // Where it lives under the assets folder, without ".png", like "blocks/3".
    QString name;
    std::function<QImage(int scale)> draw;
    // Whether it also comes drawn at twice the size, as "name@2x.png".
    bool doubled;
};

constexpr int SingleScale = 1;
constexpr int DoubleScale = 2;

std::vector<Picture> catalogue();

// The file name of the picture at a scale, relative to the assets folder.
QString fileName(const Picture& picture, int scale);

// A file that is written as text, like the resource collection.
struct TextFile {
    QString name;
    QString text;
};

// The resource collections that embed the pictures (the icon and the
// scale-1 drawings, and the @2x drawings), and the scalable icon.
std::vector<TextFile> textFiles(const std::vector<Picture>& pictures);

} // namespace quorvel::assetgen
