#pragma once

#include <QString>
#include <string>

class QImage;
class QWidget;

namespace vantrel {

// What a lecture picture shows, in words, a line each, its heading first: the words it was drawn
// from. A page drawn now carries them; the build writes those of each bitmap beside it. Empty
// when there are none.
QString PictureWordsOf(const QImage& drawn);
QString ReadPictureWords(const std::string& bitmapPath);

// Names a picture for a screen reader by its words: the heading as its name, the rest as its
// description; with no words, the picture reads as having none.
void DescribePicture(QWidget* picture, const QString& words);

}  // namespace vantrel
