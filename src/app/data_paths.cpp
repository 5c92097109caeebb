#include "app/data_paths.h"

#include "app/text_helpers.h"

namespace vantrel {

std::string TitleBitmapPath(const std::string& appDir) {
    return appDir + "/img/prm_title.bmp";
}

std::string IntroductionTextPath(const std::string& appDir) {
    return appDir + "/doc/first.txt";
}

std::string StrategyChartPath(const std::string& appDir) {
    return appDir + "/bs4bj.dat";
}

std::string CardFacePath(const std::string& appDir, const std::string& cardCode) {
    return appDir + "/img/" + cardCode + ".bmp";
}

std::string CardBackPath(const std::string& appDir) {
    return appDir + "/img/back.bmp";
}

std::string ChipBitmapPath(const std::string& appDir, int value) {
    return appDir + "/img/chip" + ZeroPad(value, 3) + ".bmp";
}

std::string LectureBitmapPath(const std::string& appDir, const std::string& code, int page) {
    return appDir + "/img/" + code + ZeroPad(page, 2) + ".bmp";
}

std::string LectureTextPath(const std::string& appDir, const std::string& code, int page) {
    return appDir + "/doc/" + code + ZeroPad(page, 2) + ".txt";
}

std::string DoubleSizePath(const std::string& bitmapPath) {
    const std::size_t nameBegin = bitmapPath.rfind('/') + 1;  // 0 when there is no folder
    std::size_t dot = bitmapPath.rfind('.');
    if (dot == std::string::npos || dot < nameBegin) dot = bitmapPath.size();
    return bitmapPath.substr(0, dot) + "@2x.png";
}

}  // namespace vantrel
