#include "ui/main.h"

#include <QDate>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "app/data_paths.h"
#include "app/progress_paths.h"
#include "ui/controls.h"
#include "ui/data_file_loaders.h"
#include "ui/judging.h"
#include "ui/mdi.h"
#include "ui/menu.h"
#include "ui/session.h"

namespace vantrel {

namespace {

using enum ControlKind;

constexpr char kVersion[] = "1.1";

constexpr std::array<ControlSpec, 5> kLayout = {{
    {Image, "img_title", {16, 40, 600, 365}},
    {Label, "l_version", {580, 32, 24, 12}, "", 12},
    {Label, "l_copyright", {166, 436, 300, 12}, "", 12, Qt::AlignCenter},
    {Button, "bbtn_goodluck", {92, 408, 149, 25}, "Good luck!", 16},
    {Button, "bbtn_goodbye", {392, 408, 149, 25}, "Good bye!", 16},
}};

QString AttributionLine() {
    return QString("The Vantrel Course, Copyright (C) %1")
        .arg(QDate::currentDate().year(), 4, 10, QChar('0'));
}

}  // namespace

Tf_main::Tf_main(Session& session, Tf_mdi& mdi) : Screen(session, mdi, "Start") {
    setObjectName("Tf_main");
    titleLabel()->setObjectName("Label1");
    titleLabel()->setText("Vantrel \"the Blackjack Course\"");
    titleLabel()->setAlignment(Qt::AlignCenter);
    BuildControls(this, kLayout);

    img_title_ = FindControl<QLabel>(this, "img_title");
    img_title_->lower();  // the title band lies over the top of the picture
    connect(FindControl<QPushButton>(this, "bbtn_goodluck"), &QPushButton::clicked, this,
            &Tf_main::bbtn_goodluckClick);
    connect(FindControl<QPushButton>(this, "bbtn_goodbye"), &QPushButton::clicked, this,
            [this] { this->mdi().QuitApplication(); });
}

void Tf_main::SetUp() {
    Session& s = session();
    s.appDir = DataDirectoryFor(QDir::currentPath().toStdString(), s.installation);
    // A missing title is reported by name; the settings and the chart are loaded all the same.
    LoadBitmap(img_title_, QString::fromStdString(TitleBitmapPath(s.appDir)),
               BitmapFit::SizeToBitmap);
    s.settings = LoadSettings(s.installation.progress.settings);
    s.viewScale = s.startViewScale = LoadViewScale(s.installation.progress.settings);
    s.chartFile = strategy::LoadChartFile(StrategyChartPath(s.appDir));
    // A chart the calculator must work out is started now, on its own thread, long before the
    // first decision at the table needs it.
    JudgingChartFor(s, s.settings.DECK);
    FindControl<QLabel>(this, "l_version")->setText(QString("v") + kVersion);
    FindControl<QLabel>(this, "l_copyright")->setText(AttributionLine());
    // A message box on the way may have let the student quit meanwhile.
    if (s.appState == AppState::Starting) s.appState = AppState::Running;
}

void Tf_main::bbtn_goodluckClick() {
    const std::string& level = session().settings.LV;
    if (level == "00") {
        mdi().ShowScreen(ScreenId::First);
    } else if (IsProfessionalLevel(level)) {
        mdi().GeneralMenu().ShowProButton();
        mdi().ShowScreen(ScreenId::ProMenu);
    } else {
        mdi().ShowScreen(ScreenId::Menu);
    }
}

}  // namespace vantrel
