// CTypedTextLimit: the platform's limit on what a user may type into an edit box. Typing, pasting or
// dropping cannot make the text longer than the limit; text the program puts in (SetText) may be
// longer, and the user may still shorten it. The data exchange of a window sets it on its path boxes.
#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

class CTypedTextLimit : public QValidator {
public:
    // Attaches itself to edit, which it must not outlive; no limit until LimitText.
    explicit CTypedTextLimit(QLineEdit& edit);

    // nMax characters at most (0: no limit).
    void LimitText(int nMax);
    int GetLimitText() const { return m_nLimit; }
    // The program's text, shown whole whatever its length.
    void SetText(const QString& text);

    State validate(QString& input, int& pos) const override;

private:
    QLineEdit& m_edit;
    int m_nLimit = 0;
    // The text's length before the change being validated: an edit that does not lengthen the text is
    // always allowed.
    qsizetype m_nLengthBefore = 0;
    bool m_bSettingText = false;
};
