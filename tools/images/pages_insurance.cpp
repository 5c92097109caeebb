// Lesson 2, "Game Rules": insurance and even money, which other tables offer against a dealer's
// ace and this one does not.

#include "art_style.h"
#include "lecture_canvas.h"
#include "lecture_pages.h"

namespace vantrel::art {

namespace {

// What the house keeps of an insurance bet from a full six-deck shoe, as the last line of
// `vantrel-lab dealer` prints it.
constexpr char kInsuranceHouseEdge[] = "7.4%";

void Insurance(QPainter& p) {
    Heading(p, QStringLiteral("Insurance and even money: not at this table"));
    Caption(p, QRectF(14, 40, 170, 18), QStringLiteral("the dealer shows an ace"), 13);
    DrawHand(p, QPointF(40, 62), Cards({"back", "S01"}), 54, 40);
    Balloon(p, QRectF(20, 146, 160, 40), QStringLiteral("Insurance?"), 18);
    Caption(p, QRectF(14, 192, 176, 44), QStringLiteral("asked at other tables,\nnever here"), 13,
            kPaleYellow);

    const struct {
        const char* name;
        const char* what;
    } bets[] = {
        {"Insurance",
         "a side bet of up to half your bet that the hole card is a 10; it pays "
         "2 to 1."},
        {"Even money",
         "with your blackjack against the ace, 1 to 1 paid at once: insurance "
         "on the blackjack."},
    };
    for (int i = 0; i < 2; ++i) {
        const qreal top = 40 + i * 58;
        Caption(p, QRectF(206, top, 100, 50), QString::fromLatin1(bets[i].name), 15, kLightYellow,
                Qt::AlignLeft | Qt::AlignTop);
        Caption(p, QRectF(308, top, 282, 50), QString::fromLatin1(bets[i].what), 14, Qt::white,
                Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    }
    Caption(p, QRectF(206, 158, 384, 40),
            QStringLiteral("From a full six-deck shoe the house wins %1 of\nevery insurance bet.")
                .arg(QLatin1String(kInsuranceHouseEdge)),
            14, kAqua, Qt::AlignLeft | Qt::AlignVCenter);
    Caption(p, QRectF(206, 200, 384, 40),
            QStringLiteral("A counter insures only at a high true count,\nas the next course "
                           "shows."),
            14, kPaleYellow, Qt::AlignLeft | Qt::AlignVCenter);
}

}  // namespace

std::vector<LecturePage> InsurancePages() {
    return {{"NL2", 11, Insurance}};
}

}  // namespace vantrel::art
