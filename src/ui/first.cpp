#include "ui/first.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <array>

#include "app/data_paths.h"
#include "ui/controls.h"
#include "ui/data_file_loaders.h"
#include "ui/mdi.h"
#include "ui/session.h"

namespace vantrel {

namespace {

using enum ControlKind;

constexpr std::array<ControlSpec, 3> kLayout = {{
    {Memo, "m_first", {16, 60, 601, 341}, "", 20},
    {Button, "bbtn_ok", {16, 412, 193, 25}, "I agree and enter.", 16},
    {Button, "bbtn_cancel", {424, 412, 193, 25}, "I don' t agree.", 16},
}};

}  // namespace

Tf_first::Tf_first(Session& session, Tf_mdi& mdi) : Screen(session, mdi, "Introduction") {
    setObjectName("Tf_first");
    BuildControls(this, kLayout);

    m_first_ = FindControl<QPlainTextEdit>(this, "m_first");
    connect(FindControl<QPushButton>(this, "bbtn_ok"), &QPushButton::clicked, this,
            &Tf_first::bbtn_okClick);
    connect(FindControl<QPushButton>(this, "bbtn_cancel"), &QPushButton::clicked, this,
            [this] { this->mdi().ShowScreen(ScreenId::Main); });
}

void Tf_first::FormShow() {
    if (!IsRunning()) return;
    LoadTextLines(m_first_, QString::fromStdString(IntroductionTextPath(session().appDir)));
}

void Tf_first::bbtn_okClick() {
    session().settings.LV = "N1";
    if (SaveProgressOrShowError()) mdi().ShowScreen(ScreenId::Menu);
}

}  // namespace vantrel
