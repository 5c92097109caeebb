#pragma once

#include <string>

namespace vantrel {

// Every data file lies under the data directory appDir, by a path that begins with "/":
// /img/prm_title.bmp, /doc/first.txt, /bs4bj.dat, /img/S01.bmp (any card), /img/back.bmp and
// /img/chip005.bmp (any chip value).
std::string TitleBitmapPath(const std::string& appDir);
std::string IntroductionTextPath(const std::string& appDir);
std::string StrategyChartPath(const std::string& appDir);
std::string CardFacePath(const std::string& appDir, const std::string& cardCode);
std::string CardBackPath(const std::string& appDir);
std::string ChipBitmapPath(const std::string& appDir, int value);
// Page n of a lesson: /img/NL103.bmp and /doc/NL103.txt.
std::string LectureBitmapPath(const std::string& appDir, const std::string& code, int page);
std::string LectureTextPath(const std::string& appDir, const std::string& code, int page);

// The same picture drawn at twice the pixels, for screens of twice the density: /img/NL103@2x.png
// beside /img/NL103.bmp. A PNG, as it is four times the pixels of a course bitmap that nothing
// but this program reads.
std::string DoubleSizePath(const std::string& bitmapPath);

}  // namespace vantrel
