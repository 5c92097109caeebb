#pragma once

#include <QString>
#include <string>

namespace vantrel {

struct Session;
class Tf_mdi;

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
