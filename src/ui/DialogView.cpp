#include "ui/DialogView.h"

#include "engine/Cp1251.h"
#include "ui/CpText.h"

#include <QTextBlock>
#include <QTextCursor>

DialogView::DialogView(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    document()->setDocumentMargin(2);
}

QTextCharFormat DialogView::charFormat(const LineStyle& style) {
    QTextCharFormat format;
    format.setForeground(QColor::fromRgb(static_cast<QRgb>(style.rgb)));
    format.setFontFamilies({fromCp(style.fontName)});
    format.setFontPointSize(style.fontSize);
    format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style.italic);
    return format;
}

void DialogView::follow(const Transcript& transcript, Transcript::ViewChange change) {
    switch (change) {
    case Transcript::ViewChange::Added: {
        const int last = transcript.view().count() - 1;
        addParagraph(fromCp(transcript.view().line(last)), transcript.viewStyle(last));
        break;
    }
    case Transcript::ViewChange::RemovedLast:
        removeLastParagraph();
        break;
    case Transcript::ViewChange::Cleared:
        clearParagraphs();
        break;
    }
}

void DialogView::addParagraph(const QString& text, const LineStyle& style) {
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    const QTextCharFormat chars = charFormat(style);
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (paragraphs_ == 0) {
        cursor.setBlockFormat(centred);
        cursor.setBlockCharFormat(chars);
    } else {
        cursor.insertBlock(centred, chars);
    }
    cursor.insertText(text, chars);
    ++paragraphs_;
    // The newest line is the one to read.
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
}

void DialogView::removeLastParagraph() {
    if (paragraphs_ <= 1) {
        clearParagraphs();
        return;
    }
    const QTextBlock previous = document()->lastBlock().previous();
    QTextCursor cursor(document());
    cursor.setPosition(previous.position() + previous.length() - 1);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    --paragraphs_;
}

void DialogView::clearParagraphs() {
    clear();
    paragraphs_ = 0;
}
