#pragma once

#include <QString>
#include <string>

namespace vantrel {

struct Session;
class Tf_mdi;

enum class ScreenId;

// Where the lecture, the Rules and the Record screens return to (Session::returnMenu).
inline constexpr int kGeneralMenu = 1;
inline constexpr int kProfessionalMenu = 2;
inline constexpr int kRecordScreen = 3;  // a chart page opened from a mistake
inline constexpr int kMasterMenu = 4;

// The course menu of a returnMenu value; the General Course menu for any that is not a menu's.
ScreenId CourseMenuScreen(int returnMenu);

// The product page that both course menus open.
inline constexpr char kProductPageUrl[] = "https://www.example.com/e/products/kdx_blackjack/";

// Records the lesson and opens the lecture viewer at its first page, or at `page`.
void SelectLesson(Session& session, Tf_mdi& mdi, const std::string& code, bool hasTable,
                  int page = 1);

// What a lesson button does: selects the lesson and, for a lesson that ends at the table, sets
// the table's values.
void OpenLesson(Session& session, Tf_mdi& mdi, const std::string& code);

// The All Night Play Room: straight to the table, without a lecture.
void OpenPlayRoom(Session& session, Tf_mdi& mdi);

}  // namespace vantrel
