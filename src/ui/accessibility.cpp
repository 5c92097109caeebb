#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include "engine/card_name.h"

namespace vantrel {

namespace {

// What a screen reader reads of one control, beyond its caption or text. A null name leaves the
// control's own caption or text; a notification is announced each time it appears.
struct AccessibleText {
    const char* screen;  // the screen's objectName; null for a control of that name on any screen
    const char* control;
    const char* name;
    const char* description;
    bool notification = false;
};

constexpr AccessibleText kTexts[] = {
    // Every screen's title band.
    {nullptr, "l_title", nullptr, "Title of the screen"},
    {nullptr, "bbtn_goodbye", nullptr, "Quits the course"},
    {nullptr, "bbtn_rules", nullptr, "The table's rules: decks, reshuffle and seconds to bet"},
    {nullptr, "bbtn_record", nullptr, "Your record: lessons, mistakes, exams and drills"},
    {nullptr, "bbtn_web", nullptr, "Opens the course's web site in the browser"},

    {"Tf_main", "img_title", "Vantrel, the Blackjack Course", "Title picture of the course"},
    {"Tf_main", "bbtn_goodluck", nullptr, "Enters the course"},
    {"Tf_first", "m_first", "Introduction", "The course's introduction and its terms"},
    {"Tf_first", "bbtn_ok", nullptr, "Accepts the terms and opens the course"},
    {"Tf_first", "bbtn_cancel", nullptr, "Declines the terms and quits"},

    {nullptr, "bbtn_l1", nullptr, "Opens this lesson"},
    {nullptr, "bbtn_l2", nullptr, "Opens this lesson"},
    {nullptr, "bbtn_l3", nullptr, "Opens this lesson"},
    {nullptr, "bbtn_l4", nullptr, "Opens this lesson"},
    {nullptr, "bbtn_l5", nullptr, "Opens this lesson"},
    {nullptr, "bbtn_l6", nullptr, "Opens this lesson"},
    {nullptr, "bbtn_pro", nullptr, "Opens the Professional Course's menu"},
    {nullptr, "bbtn_master", nullptr, "Opens the Master Course's menu"},
    {nullptr, "bbtn_normal", nullptr, "Opens the General Course's menu"},

    // The lecture's picture is named and described page by page, from what the page draws.
    {"Tf_lecture", "img_lecture", "Lecture picture", "No picture on this page"},
    {"Tf_lecture", "m_lecture", "Lecture text", "The text of this page"},
    {"Tf_lecture", "l_no", nullptr, "Page number"},
    {"Tf_lecture", "bbtn_back", nullptr, "The page before"},
    {"Tf_lecture", "bbtn_next", nullptr, "The next page"},
    {"Tf_lecture", "bbtn_menu", nullptr, "Leaves the lecture, or starts or finishes the lesson"},

    {"Tf_practical", "img_chip005", "Bet $5", nullptr},
    {"Tf_practical", "img_chip025", "Bet $25", nullptr},
    {"Tf_practical", "img_chip100", "Bet $100", nullptr},
    {"Tf_practical", "l_bet005", "Bet $5", nullptr},
    {"Tf_practical", "l_bet025", "Bet $25", nullptr},
    {"Tf_practical", "l_bet100", "Bet $100", nullptr},
    {"Tf_practical", "img_bet005", "$5 chips on the bet", "Chips in the bet box"},
    {"Tf_practical", "img_bet025", "$25 chips on the bet", "Chips in the bet box"},
    {"Tf_practical", "img_bet100", "$100 chips on the bet", "Chips in the bet box"},
    {"Tf_practical", "l_bet", nullptr, "The bet of this round"},
    {"Tf_practical", "l_chip", nullptr, "Your chips"},
    {"Tf_practical", "l_norm", nullptr, "What is left to pass the lesson"},
    {"Tf_practical", "l_timeout", nullptr, "Seconds left to bet"},
    {"Tf_practical", "l_ev", nullptr, "What each play is worth here"},
    {"Tf_practical", "l_dmsg", nullptr, "The dealer says", true},
    {"Tf_practical", "l_pmsg", nullptr, "Your coach says", true},
    {"Tf_practical", "l_p1rslt", nullptr, "Result of hand 1", true},
    {"Tf_practical", "l_p2rslt", nullptr, "Result of hand 2", true},
    {"Tf_practical", "l_p3rslt", nullptr, "Result of hand 3", true},
    {"Tf_practical", "l_p4rslt", nullptr, "Result of hand 4", true},

    {"Tf_cpin", "e_cp", "Your answer", "Type the number and press Enter"},
    {"Tf_cpin", "bbtn_0", nullptr, "Types 0"},
    {"Tf_cpin", "bbtn_1", nullptr, "Types 1"},
    {"Tf_cpin", "bbtn_2", nullptr, "Types 2"},
    {"Tf_cpin", "bbtn_3", nullptr, "Types 3"},
    {"Tf_cpin", "bbtn_4", nullptr, "Types 4"},
    {"Tf_cpin", "bbtn_5", nullptr, "Types 5"},
    {"Tf_cpin", "bbtn_6", nullptr, "Types 6"},
    {"Tf_cpin", "bbtn_7", nullptr, "Types 7"},
    {"Tf_cpin", "bbtn_8", nullptr, "Types 8"},
    {"Tf_cpin", "bbtn_9", nullptr, "Types 9"},
    {"Tf_cpin", "bbtn_minus", "Minus", "Changes the sign of the answer"},
    {"Tf_cpin", "bbtn_bs", "Backspace", "Deletes the last digit"},
    {"Tf_cpin", "bbtn_ok", nullptr, "Answers with the number entered"},
    {"Tf_cpin", "bbtn_back", nullptr, "Leaves the drill without answering"},

    {"Tf_rules", "bbtn_deck1", "1 deck", "Decks in the shoe"},
    {"Tf_rules", "bbtn_deck2", "2 decks", "Decks in the shoe"},
    {"Tf_rules", "bbtn_deck4", "4 decks", "Decks in the shoe"},
    {"Tf_rules", "bbtn_deck6", "6 decks", "Decks in the shoe"},
    {"Tf_rules", "bbtn_deck8", "8 decks", "Decks in the shoe"},
    {"Tf_rules", "bbtn_perless", "Reshuffle earlier", "Lowers the share dealt before the shuffle"},
    {"Tf_rules", "bbtn_permore", "Reshuffle later", "Raises the share dealt before the shuffle"},
    {"Tf_rules", "bbtn_speedless", "Fewer seconds to bet", "Shortens the time to bet"},
    {"Tf_rules", "bbtn_speedmore", "More seconds to bet", "Lengthens the time to bet"},
    {"Tf_rules", "bbtn_viewauto", "Window size as the desktop says", "Shown from the next start"},
    {"Tf_rules", "bbtn_view100", "Window size 1x", "Shown from the next start"},
    {"Tf_rules", "bbtn_view150", "Window size 1.5x", "Shown from the next start"},
    {"Tf_rules", "bbtn_view200", "Window size 2x", "Shown from the next start"},
    {"Tf_rules", "m_rules", "Rules of the table", "The rules in force and what they cost"},
    {"Tf_rules", "bbtn_back", nullptr, "Leaves without saving"},
    {"Tf_rules", "bbtn_save", nullptr, "Keeps these rules"},

    {"Tf_record", "bbtn_lessons", nullptr, "Shows the lessons and the mistakes"},
    {"Tf_record", "bbtn_progress", nullptr, "Shows the exams and the progress plot"},
    {"Tf_record", "lst_lessons", "Lessons", "Your visits to each lesson"},
    {"Tf_record", "lst_mistakes", "Mistakes", "Mistakes by chart cell, costliest first"},
    {"Tf_record", "img_progress", "Progress plot", "Your share of right decisions, visit by visit"},
    {"Tf_record", "lst_exams", "Exams", "Each exam: net = luck - mistakes"},
    {"Tf_record", "bbtn_drill", nullptr, "Drills the chart cells you get wrong"},
    {"Tf_record", "bbtn_countdown", nullptr, "Counts down a deck card by card"},
    {"Tf_record", "bbtn_menu", nullptr, "Back to the course menu"},

    {"Tf_drill", "bbtn_back", nullptr, "Leaves the drill"},
    {"Tf_drill", "bbtn_index", nullptr, "Switches to the index drill and back"},
    {"Tf_drill", "l_pmsg", nullptr, "Your coach says", true},

    {"Tf_countdown", "bbtn_deck", nullptr, "Counts a whole deck"},
    {"Tf_countdown", "bbtn_halfdeck", nullptr, "Counts half a deck"},
    {"Tf_countdown", "bbtn_pace10", nullptr, "A card every second"},
    {"Tf_countdown", "bbtn_pace05", nullptr, "A card every half second"},
    {"Tf_countdown", "bbtn_pace03", nullptr, "A card every 0.3 seconds"},
    {"Tf_countdown", "bbtn_mypace", nullptr, "The next card when you press"},
    {"Tf_countdown", "img_card", "No card yet", "The card dealt"},
    {"Tf_countdown", "bbtn_back", nullptr, "Leaves the drill"},
    {"Tf_countdown", "bbtn_start", nullptr, "Starts dealing"},
    {"Tf_countdown", "l_result", nullptr, "The result of the count", true},
};

// A label whose text is a notification: the screen reader announces it when it shows.
class NotificationLabel : public QAccessibleWidget {
  public:
    explicit NotificationLabel(QWidget* label)
        : QAccessibleWidget(label, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty())
            text = static_cast<const QLabel*>(widget())->text().simplified();
        return text;
    }
};

constexpr char kNotification[] = "vantrelNotification";

QAccessibleInterface* NotificationFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QLabel") || !object->property(kNotification).toBool())
        return nullptr;
    return new NotificationLabel(static_cast<QWidget*>(object));
}

// A caption as it is said: "<- Back" as "Back", "Lesson1.Black Jack   " as "Lesson 1: Black Jack".
QString SpokenCaption(QString caption) {
    caption.remove(QStringLiteral("<-")).remove(QStringLiteral("->"));
    static const QRegularExpression lesson(QStringLiteral("^Lesson(\\d)\\."));
    caption.replace(lesson, QStringLiteral("Lesson \\1: "));
    return caption.simplified();
}

void Apply(QWidget* control, const AccessibleText& text) {
    if (text.name) control->setAccessibleName(QString::fromUtf8(text.name));
    if (text.description) control->setAccessibleDescription(QString::fromUtf8(text.description));
    if (!text.notification) return;
    control->setProperty(kNotification, true);
    // An interface made before the label became a notification would be kept: let it go, so the
    // next one asked for comes from the factory.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(control);
    if (made && made->role() != QAccessible::Notification)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

}  // namespace

void NameControls(QWidget* screen) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(NotificationFactory);
        return true;
    }();
    (void)factoryInstalled;
    for (auto* button : screen->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        SpeakCaption(button);
    for (const AccessibleText& text : kTexts) {
        if (text.screen && screen->objectName() != QLatin1String(text.screen)) continue;
        if (auto* control = screen->findChild<QWidget*>(QLatin1String(text.control),
                                                        Qt::FindDirectChildrenOnly))
            Apply(control, text);
    }
}

void SpeakCaption(QPushButton* button) {
    const QString spoken = SpokenCaption(button->text());
    // Qt reads a button by its caption when it has no name of its own.
    button->setAccessibleName(spoken == button->text() ? QString() : spoken);
}

QString SpokenCard(const Card& card) {
    return QString::fromStdString(CardName(card));
}

void NameCard(QWidget* slot, const Card& card) {
    slot->setAccessibleName(SpokenCard(card));
}

void AnnounceIfShowing(QWidget* label) {
    if (!label->isVisible() || !label->property(kNotification).toBool()) return;
    QAccessibleEvent shown(label, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace vantrel
