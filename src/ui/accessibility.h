#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace vantrel {

struct Card;

// Gives the controls of a screen (or the count dialog) what a screen reader reads: a name and a
// description for each control its layout placed, from one table of every screen's controls. A
// button with nothing more to say reads as its caption, a label as its text. Labels that show a
// verdict, a balloon or a result become notifications, announced each time they appear.
void NameControls(QWidget* screen);

// A button reads as its caption is said: "<- Back" as "Back", "Lesson1.Black Jack" as "Lesson 1:
// Black Jack". Called again when a caption changes.
void SpeakCaption(QPushButton* button);

// A card slot reads as its card ("Ten of spades"), or as "Face down card" for an empty card.
void NameCard(QWidget* slot, const Card& card);

// Announces a notification label again when its text changed while it was showing; does nothing
// for any other control.
void AnnounceIfShowing(QWidget* label);

// What a card shows, for the readers of a picture that is a card.
QString SpokenCard(const Card& card);

}  // namespace vantrel
