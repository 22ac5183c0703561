#pragma once

#include "dialogue/Transcript.h"

#include <QTextEdit>

// The dialog view: a read-only rich-text view whose paragraphs are centred, one paragraph for each
// line of the transcript, each in the style it was added with. It follows the transcript, so the
// lines a handler adds, removes or clears there are what the user sees.
class DialogView : public QTextEdit {
public:
    explicit DialogView(QWidget* parent);

    // Keeps the view in step with one change of the transcript's lines.
    void follow(const Transcript& transcript, Transcript::ViewChange change);

    int paragraphs() const { return paragraphs_; }

    static QTextCharFormat charFormat(const LineStyle& style);

private:
    void addParagraph(const QString& text, const LineStyle& style);
    void removeLastParagraph();
    void clearParagraphs();

    int paragraphs_ = 0;
};
