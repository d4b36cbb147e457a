// The surroundings of one main-window test: a current folder of its own (where the run log lands), the
// default transformation file beside the faked executable, the file and folder dialogs answered by a
// fake, and every message box recorded. Construct it before the window, so that it outlives it.
#pragma once

#include "gui/FakeFileDialogs.h"
#include "platform/MessageBox.h"
#include "support/RunLog.h"
#include "transformfile/Profile.h"
#include "transformfile/TransformTable.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

class CMainWindowScene {
public:
    CMainWindowScene() : m_previousFolder(std::filesystem::current_path()) {
        theLog.ResetForTesting();
        FreeTransformTable();
        std::filesystem::remove(GetDefaultProfilePath());
        std::filesystem::current_path(m_dir.path().toStdString());
        m_previousHandler = SetMessageBoxHandler([this](const std::string& text, UINT) {
            m_messages.push_back(text);
            if (m_onMessage) {
                m_onMessage(text);
            }
            return IDOK;
        });
    }

    ~CMainWindowScene() {
        SetMessageBoxHandler(std::move(m_previousHandler));
        std::filesystem::current_path(m_previousFolder);
        std::filesystem::remove(GetDefaultProfilePath());
        theLog.ResetForTesting();
        FreeTransformTable();
    }

    CMainWindowScene(const CMainWindowScene&) = delete;
    CMainWindowScene& operator=(const CMainWindowScene&) = delete;

    // A path in the scratch folder.
    std::string operator/(const std::string& name) const {
        return m_dir.filePath(QString::fromStdString(name)).toStdString();
    }

    static void Write(const std::string& path, const std::string& bytes) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // As bytes that a failed comparison prints.
    static QByteArray Read(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return QByteArray::fromStdString(
            {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()});
    }

    void WriteDefaultFile(const std::string& text) const { Write(GetDefaultProfilePath(), text); }
    static QByteArray DefaultFile() { return Read(GetDefaultProfilePath()); }
    // The run log of a transformation file without LogFileName.
    QByteArray Log() const { return Read(*this / "Tarvolin.Log"); }

    // Model files in the scratch folder, each with one node named after the file.
    std::vector<std::string> WriteModels(const std::vector<std::string>& names) const {
        std::vector<std::string> paths;
        for (const std::string& name : names) {
            const std::string node = name.substr(0, name.find('.'));
            paths.push_back(*this / ("models/" + name));
            Write(paths.back(),
                  "node " + node + "\n  position 1.0 2.0 3.0\n  verts 1\n    1.0 2.0 3.0\nendnode\n");
        }
        return paths;
    }

    CFakeFileDialogs m_dialogs;
    std::vector<std::string> m_messages;
    // Runs inside each message box, after it was recorded.
    std::function<void(const std::string&)> m_onMessage;

private:
    QTemporaryDir m_dir;
    std::filesystem::path m_previousFolder;
    MessageBoxHandler m_previousHandler;
};
