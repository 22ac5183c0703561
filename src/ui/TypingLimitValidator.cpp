#include "ui/TypingLimitValidator.h"

#include "input/TypingLimit.h"

QValidator::State TypingLimitValidator::validate(QString& text, int& cursor) const {
    if (programSets_) {
        return Acceptable;
    }
    const TypingLimit::Result kept =
        TypingLimit::apply(before_.toStdU16String(), text.toStdU16String(), cursor);
    if (kept.cut) {
        text = QString::fromStdU16String(kept.text);
        cursor = kept.cursor;
    }
    return Acceptable;
}
