#pragma once

#include <QString>
#include <QStringList>

#include "engine/card.h"

namespace vantrel::art {

// What a lecture picture shows, in words. The drawing helpers note each text and card as they
// draw it, so a page's words come from the very calls that draw it. While a PageWords lives it
// collects the notes (the innermost, when one page is drawn while another is).
class PageWords {
  public:
    PageWords();
    ~PageWords();
    PageWords(const PageWords&) = delete;
    PageWords& operator=(const PageWords&) = delete;

    // One line per text drawn, in drawing order; cards drawn one after another share a line.
    const QStringList& lines() const { return lines_; }

  private:
    friend void NoteText(const QString& text);
    friend void NoteHeading(const QString& text);
    friend void NoteCard(const Card& card);
    QStringList lines_;
    bool lastWasCard_ = false;
    PageWords* outer_;
};

void NoteText(const QString& text);
void NoteCard(const Card& card);
// The page's heading, its caption: the first line, wherever on the page it is drawn.
void NoteHeading(const QString& text);

// While it lives, texts and cards drawn are not noted: the parts of something already put in
// words as a whole, such as a card's corner index or a chart's cells.
class QuietNotes {
  public:
    QuietNotes();
    ~QuietNotes();
    QuietNotes(const QuietNotes&) = delete;
    QuietNotes& operator=(const QuietNotes&) = delete;
};

// The key under which a drawn lecture page carries its words (QImage::text).
inline constexpr char kPageWordsKey[] = "Description";

}  // namespace vantrel::art
