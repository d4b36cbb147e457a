#include "platform/qt/QtFileDialogs.h"

#include <QFileDialog>
#include <QUrl>

namespace {

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

std::string QtFilterFromFramework(std::string_view filter) {
    std::string result;
    while (!filter.empty()) {
        const auto bar = filter.find('|');
        const std::string_view description = filter.substr(0, bar);
        if (bar == std::string_view::npos || description.empty()) {
            break;
        }
        filter.remove_prefix(bar + 1);
        const auto end = filter.find('|');
        std::string patterns(filter.substr(0, end));
        filter.remove_prefix(end == std::string_view::npos ? filter.size() : end + 1);
        for (char& c : patterns) {
            if (c == ';') {
                c = ' ';
            }
        }
        if (!result.empty()) {
            result += ";;";
        }
        result += description;
        // A description that already names its patterns in parentheses is shown as it is.
        if (!description.ends_with("(" + patterns + ")")) {
            result += " (" + patterns + ")";
        }
    }
    return result;
}

OpenFileResult CQtFileDialogs::GetOpenFileNames(const OpenFileRequest& request) {
    QFileDialog dialog(request.parent, ToQt(request.title), ToQt(request.initialDir),
                       ToQt(QtFilterFromFramework(request.filter)));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.allowMultiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(ToQt(request.defaultExt));
    if (!request.initialFile.empty()) {
        dialog.selectFile(ToQt(request.initialFile));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    OpenFileResult result{OpenFileResult::Outcome::Ok, {}, 0};
    for (const QString& path : dialog.selectedFiles()) {
        result.paths.push_back(path.toStdString());
    }
    return result;
}

FolderResult CQtFileDialogs::BrowseForFolder(const FolderRequest& request) {
    QFileDialog dialog(request.parent, ToQt(request.title));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (!request.initialFolder.empty()) {
        dialog.setDirectory(ToQt(request.initialFolder));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedUrls().isEmpty()) {
        return {};
    }
    const QUrl chosen = dialog.selectedUrls().front();
    if (!chosen.isLocalFile()) {
        return {FolderResult::Outcome::NoPath, {}};
    }
    return {FolderResult::Outcome::Chosen, chosen.toLocalFile().toStdString()};
}
