// Records every message box instead of showing it, for as long as the recorder lives.
#pragma once

#include "platform/MessageBox.h"

#include <string>
#include <vector>

class CMessageRecorder {
public:
    // answer: what every box returns (IDOK, or IDYES/IDNO for a question).
    explicit CMessageRecorder(int answer = IDOK);
    ~CMessageRecorder();
    CMessageRecorder(const CMessageRecorder&) = delete;
    CMessageRecorder& operator=(const CMessageRecorder&) = delete;

    struct Message {
        std::string text;
        UINT type;
    };
    const std::vector<Message>& Messages() const { return m_messages; }
    // The texts alone, in order.
    std::vector<std::string> Texts() const;

private:
    std::vector<Message> m_messages;
    MessageBoxHandler m_previous;
};
