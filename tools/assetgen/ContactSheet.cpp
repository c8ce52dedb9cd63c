#include "ContactSheet.h"

#include <QPainter>

#include <algorithm>

namespace quorvel::assetgen {

namespace {

constexpr int Gap = 8;
// The window's own colour, so the pictures are judged where they will sit.
constexpr QRgb SheetColour = 0xFF74727E;

QString folderOfPicture(const Picture& picture)
{
    return picture.name.section(QLatin1Char('/'), 0, 0);
}

struct Row {
    std::vector<QImage> images;
    int width = Gap;
    int height = 0;
};

std::vector<Row> rowsOf(const std::vector<Picture>& pictures)
{
    std::vector<Row> rows;
    QString folder;
    Row single;
    Row doubled;
    auto flush = [&] {
        for (Row* row : {&single, &doubled})
            if (!row->images.empty())
                rows.push_back(*row);
        single = Row{};
        doubled = Row{};
    };
    auto add = [](Row& row, const QImage& image) {
        row.images.push_back(image);
        row.width += image.width() + Gap;
        row.height = std::max(row.height, image.height());
    };
    for (const Picture& picture : pictures) {
        if (folderOfPicture(picture) != folder)
            flush();
        folder = folderOfPicture(picture);
        add(single, picture.draw(SingleScale));
        if (picture.doubled)
            add(doubled, picture.draw(DoubleScale));
    }
    flush();
    return rows;
}

} // namespace

QImage contactSheet(const std::vector<Picture>& pictures)
{
    const std::vector<Row> rows = rowsOf(pictures);
    int width = 0;
    int height = Gap;
    for (const Row& row : rows) {
        width = std::max(width, row.width);
        height += row.height + Gap;
    }
    QImage sheet(width, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(SheetColour);
    QPainter painter(&sheet);
    int y = Gap;
    for (const Row& row : rows) {
        int x = Gap;
        for (const QImage& image : row.images) {
            painter.drawImage(x, y, image);
            x += image.width() + Gap;
        }
        y += row.height + Gap;
    }
    painter.end();
    return sheet;
}

} // namespace quorvel::assetgen
