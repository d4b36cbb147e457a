#include "support/MessageRecorder.h"

CMessageRecorder::CMessageRecorder(int answer) {
    m_previous = SetMessageBoxHandler([this, answer](const std::string& text, UINT type) {
        m_messages.push_back({text, type});
        return answer;
    });
}

CMessageRecorder::~CMessageRecorder() {
    SetMessageBoxHandler(std::move(m_previous));
}

std::vector<std::string> CMessageRecorder::Texts() const {
    std::vector<std::string> texts;
    for (const auto& message : m_messages) {
        texts.push_back(message.text);
    }
    return texts;
}
