#include "ui/startup.h"

#include "ui/countdown.h"
#include "ui/cpin.h"
#include "ui/drill.h"
#include "ui/first.h"
#include "ui/lecture.h"
#include "ui/main.h"
#include "ui/mastermenu.h"
#include "ui/menu.h"
#include "ui/practical.h"
#include "ui/promenu.h"
#include "ui/record.h"
#include "ui/rules.h"
#include "ui/session.h"

namespace vantrel {

namespace {

// Each screen is shown as it is created; its activation finds the application still starting
// and does nothing.
template <typename T>
T* CreateScreen(Session& session, Tf_mdi& mdi, ScreenId id) {
    auto* screen = new T(session, mdi);
    mdi.AddScreen(id, screen);
    mdi.ShowScreen(id);
    return screen;
}

}  // namespace

std::unique_ptr<Tf_mdi> StartUp(Session& session) {
    auto mdi = std::make_unique<Tf_mdi>(session);
    CreateScreen<Tf_first>(session, *mdi, ScreenId::First);
    CreateScreen<Tf_menu>(session, *mdi, ScreenId::Menu);
    CreateScreen<Tf_promenu>(session, *mdi, ScreenId::ProMenu);
    CreateScreen<Tf_mastermenu>(session, *mdi, ScreenId::MasterMenu);
    CreateScreen<Tf_lecture>(session, *mdi, ScreenId::Lecture);
    CreateScreen<Tf_practical>(session, *mdi, ScreenId::Practical);
    CreateScreen<Tf_rules>(session, *mdi, ScreenId::Rules);
    CreateScreen<Tf_record>(session, *mdi, ScreenId::Record);
    CreateScreen<Tf_drill>(session, *mdi, ScreenId::Drill);
    CreateScreen<Tf_countdown>(session, *mdi, ScreenId::CountDown);
    Tf_main* start = CreateScreen<Tf_main>(session, *mdi, ScreenId::Main);

    mdi->CenterOnScreen();
    mdi->show();
    start->SetUp();
    mdi->SetCountDialog(new Tf_cpin(mdi.get()));
    return mdi;
}

}  // namespace vantrel
