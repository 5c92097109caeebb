#include "page_words.h"

#include "engine/card_name.h"

namespace vantrel::art {

namespace {
PageWords* current = nullptr;
int quietDepth = 0;
}  // namespace

PageWords::PageWords() : outer_(current) {
    current = this;
}

PageWords::~PageWords() {
    current = outer_;
}

void NoteText(const QString& text) {
    const QString line = text.simplified();
    if (!current || quietDepth > 0 || line.isEmpty()) return;
    current->lines_.append(line);
    current->lastWasCard_ = false;
}

void NoteHeading(const QString& text) {
    if (!current || quietDepth > 0) return;
    current->lines_.prepend(text.simplified());
}

void NoteCard(const Card& card) {
    if (!current || quietDepth > 0) return;
    const QString name = QString::fromStdString(CardName(card));
    if (current->lastWasCard_)
        current->lines_.last() += ", " + name;
    else
        current->lines_.append("Cards: " + name);
    current->lastWasCard_ = true;
}

QuietNotes::QuietNotes() {
    ++quietDepth;
}

QuietNotes::~QuietNotes() {
    --quietDepth;
}

}  // namespace vantrel::art
