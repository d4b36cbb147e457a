// LoadTransformationFile on arbitrary bytes: the table stays within its bounds, a group is rejected with
// exactly one message and then selects nothing, every group can be listed, and saving the remembered
// folder into the same file changes that one key as the INI engine says and nothing else.
#include "FuzzEnvironment.h"
#include "geometry/TransformListing.h"
#include "platform/IniText.h"
#include "platform/PrivateProfile.h"
#include "support/RunLog.h"
#include "transformfile/TransformFileLoader.h"
#include "transformfile/TransformTable.h"

#include <array>

namespace {

class CFuzzTarget : public ITransformFileTarget {
public:
    void SetSourceDir(const std::string&) override {}
    void SetDestDir(const std::string&) override {}
    void ResetSelection() override { ++m_nResets; }
    int m_nResets = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CFuzzEnvironment& environment = CFuzzEnvironment::Get();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string path = environment / "t.ini";
    WriteWholeFile(path, bytes);
    environment.TakeMessageCount();

    CFuzzTarget target;
    // The log stays closed: a load that opened it would append to one file for the whole campaign.
    const int rejected = LoadTransformationFile(target, path, LogOpening::Leave);
    FuzzCheck(target.m_nResets == 1, "a load must end with one selection reset");
    FuzzCheck(g_nTransforms >= 0 && g_nTransforms <= MAXTEMPLATES, "the table size is out of bounds");
    FuzzCheck(rejected >= 0 && rejected <= g_nTransforms, "more groups rejected than read");
    FuzzCheck(environment.TakeMessageCount() == rejected, "one message per rejected group");
    for (int i = 0; i < g_nTransforms; ++i) {
        FuzzCheck(!FormatTransformLines(i, g_pTransforms[static_cast<std::size_t>(i)]).empty(),
                  "every group has a listing line");
    }

    WritePrivateProfileString("Global", "DestDir", "/fuzz/out", path);
    const std::string saved = ReadWholeFile(path);
    FuzzCheck(saved == CIniText(bytes).WithValue("Global", "DestDir", "/fuzz/out"),
              "saving a key must change that key's line and nothing else");
    std::array<char, 256> value{};
    GetPrivateProfileString("Global", "DestDir", "", value, path);
    FuzzCheck(std::string(value.data()) == "/fuzz/out", "a saved key must read back");
    FreeTransformTable();
    return 0;
}
