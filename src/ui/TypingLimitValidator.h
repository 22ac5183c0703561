#pragma once

#include <QValidator>

// Holds what the user types into a line edit to the typing limit: it sees each edit as the text
// before it and after it and cuts what was inserted to what fits. Text the program sets passes
// untouched while `programSets` is on.
class TypingLimitValidator : public QValidator {
public:
    explicit TypingLimitValidator(QObject* parent) : QValidator(parent) {}

    State validate(QString& text, int& cursor) const override;

    void setBefore(const QString& text) { before_ = text; }
    void setProgramSets(bool on) { programSets_ = on; }

private:
    QString before_;
    bool programSets_ = false;
};
