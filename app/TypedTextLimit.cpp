#include "app/TypedTextLimit.h"

#include <QLineEdit>

CTypedTextLimit::CTypedTextLimit(QLineEdit& edit) : m_edit(edit), m_nLengthBefore(edit.text().size()) {
    // Validation of a change runs before textChanged reports it, so this holds the length before it.
    connect(&m_edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_nLengthBefore = text.size(); });
    m_edit.setValidator(this);
}

void CTypedTextLimit::LimitText(int nMax) {
    m_nLimit = nMax > 0 ? nMax : 0;
}

void CTypedTextLimit::SetText(const QString& text) {
    m_bSettingText = true;
    m_edit.setText(text);
    m_bSettingText = false;
}

QValidator::State CTypedTextLimit::validate(QString& input, int& /*pos*/) const {
    if (m_bSettingText || m_nLimit == 0 || input.size() <= m_nLimit || input.size() <= m_nLengthBefore) {
        return Acceptable;
    }
    return Invalid;
}
