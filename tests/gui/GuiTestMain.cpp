// Runs every registered GUI test class offscreen, under a decimal-comma locale, with the profile's
// configuration folder and the executable's path in a scratch folder.
#include "gui/GuiTest.h"
#include "platform/ModulePath.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>
#include <cstdio>

std::vector<GuiTestFactory>& GuiTests() {
    static std::vector<GuiTestFactory> tests;
    return tests;
}

int main(int argc, char** argv) {
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        std::fprintf(stderr, "no scratch folder\n");
        return 1;
    }
    qputenv("XDG_CONFIG_HOME", scratch.filePath(QStringLiteral("config")).toLocal8Bit());
    SetModuleFileNameForTesting(scratch.filePath(QStringLiteral("Tarvolin")).toStdString());

    QApplication app(argc, argv);
    // After the application, which sets the locale from the environment.
    std::setlocale(LC_ALL, "de_DE.UTF-8");

    int failures = 0;
    for (const GuiTestFactory& factory : GuiTests()) {
        const std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
