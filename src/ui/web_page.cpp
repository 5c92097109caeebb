#include "ui/web_page.h"

#include <QDesktopServices>
#include <QUrl>

#include "ui/message_box.h"

namespace vantrel {

void OpenWebPage(const QString& url) {
    if (!QDesktopServices::openUrl(QUrl(url))) ShowMessageBox("Page cannot be displayed.");
}

}  // namespace vantrel
