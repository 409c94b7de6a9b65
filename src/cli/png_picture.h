#pragma once

#include <QImage>

// The picture as a PNG writer packs it fastest: a scene holds a few flat colours
// (background, planes, curves, the labels' shades), so a picture of at most 256
// colours becomes an 8-bit palette image with exactly those colours, which zlib
// packs in a third of the time of 32-bit pixels; any other picture is returned
// as it is. Either way the file reads back to the same pixels.
QImage PngPicture(const QImage& picture);
