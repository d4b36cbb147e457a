#include "support/RecordingBatch.h"

namespace {

class CSilentProgress : public IBatchProgress {
public:
    explicit CSilentProgress(CRecordingBatch& batch) : m_batch(batch) {}
    bool BeginModal(const std::string&, bool) override { return true; }
    void SetRange(int, int, int) override {}
    void SetText(const std::string& text) override {
        if (text.starts_with("Processing ")) {
            m_batch.m_arrEvents.push_back(text);
            if (m_batch.m_onProcessing) {
                m_batch.m_onProcessing(text);
            }
        }
    }
    int Step() override { return 0; }
    bool PumpMessages(bool) override { return false; }
    bool IsCancelRequested() const override { return false; }

private:
    CRecordingBatch& m_batch;
};

} // namespace

CRecordingBatch::CRecordingBatch() {
    m_previousHandler = SetMessageBoxHandler([this](const std::string& text, UINT) {
        m_arrEvents.push_back("message " + text);
        return IDOK;
    });
}

CRecordingBatch::~CRecordingBatch() {
    SetMessageBoxHandler(std::move(m_previousHandler));
}

void CRecordingBatch::Run(const std::vector<std::string>& sources, const std::string& destDir) {
    m_arrSourceFiles = sources;
    m_nSourceFiles = static_cast<int>(sources.size());
    m_strDestDir = destDir;
    OnGo();
}

std::unique_ptr<IBatchProgress> CRecordingBatch::CreateProgressWindow(const std::string&) {
    return std::make_unique<CSilentProgress>(*this);
}
