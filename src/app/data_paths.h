#pragma once

#include <string>

namespace vantrel {

// Every data file lies under the data directory appDir, by a path that begins with "/".
std::string TitleBitmapPath(const std::string& appDir);               // /img/prm_title.bmp
std::string IntroductionTextPath(const std::string& appDir);          // /doc/first.txt
std::string StrategyChartPath(const std::string& appDir);             // /bs4bj.dat
std::string CardFacePath(const std::string& appDir, const std::string& cardCode);  // /img/S01.bmp
std::string CardBackPath(const std::string& appDir);                  // /img/back.bmp
std::string ChipBitmapPath(const std::string& appDir, int value);     // /img/chip005.bmp
// Page n of a lesson: /img/NL103.bmp and /doc/NL103.txt.
std::string LectureBitmapPath(const std::string& appDir, const std::string& code, int page);
std::string LectureTextPath(const std::string& appDir, const std::string& code, int page);

}  // namespace vantrel
