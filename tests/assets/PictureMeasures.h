#pragma once

#include <QImage>
#include <QString>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace quorvel::testing {

// A colour as three channels from 0 to 255.
using Colour = std::array<double, 3>;

// A picture committed in the assets folder, by its path there.
QImage committedPicture(const QString& relativePath);

Colour colourOf(QRgb pixel);
Colour fromHex(unsigned rgb);
double distance(const Colour& a, const Colour& b);
double brightness(const Colour& c);
// The largest difference on any one channel.
double channelMiss(const Colour& a, const Colour& b);

using PixelFilter = std::function<bool(int x, int y)>;
Colour meanColour(const QImage& image, const PixelFilter& include);

// The pixels of a block tile whose centre lies within `radius` scale-1
// pixels of the tile's centre.
PixelFilter withinRadius(const QImage& tile, double radius);
double centreDistance(const QImage& tile, int x, int y);

// How a colour looks to a player without working red or green cones.
enum class Vision { Protanopia, Deuteranopia };
Colour asSeenWith(Vision vision, const Colour& colour);

// The fine structure of a sphere's pattern as its brightness would show it:
// brightness minus its local mean, over the pixels within `radius`, scaled
// to unit spread. Smooth shading falls away, strokes and dots remain.
struct Detail {
    std::vector<double> values;
    // The spread before scaling, in brightness levels.
    double contrast;
};
Detail detailOf(const QImage& tile, double radius, Vision* vision = nullptr);

// Correlation of two detail maps of the same size, from -1 to 1.
double correlation(const Detail& a, const Detail& b);

// The share of 2-by-2 pixel blocks whose four pixels are all alike, among
// those whose top left pixel the filter lets through: near 1 for a picture
// merely enlarged from half its size.
double flatQuadShare(const QImage& image, const PixelFilter& include);

// The sizes of the groups of touching pixels (diagonals included) that the
// filter lets through.
std::vector<int> groupSizes(const QImage& image, const PixelFilter& include);

// The kinds of pixel met along the line of pixels from `from`, one `step` at
// a time, until it leaves the picture: each run of one kind as one letter.
std::string kindsAlong(const QImage& image, QPoint from, QPoint step, const std::function<char(QRgb)>& kindOf);

// Halves a picture by averaging 2-by-2 blocks.
QImage halved(const QImage& image);

// The mean per-channel difference of two pictures of one size, ignoring
// fully transparent pixels of the first.
double meanDifference(const QImage& a, const QImage& b);

} // namespace quorvel::testing
