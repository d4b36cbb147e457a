// The GUI test classes register themselves here; the test main runs each in turn in one QApplication.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

using GuiTestFactory = std::function<std::unique_ptr<QObject>()>;

std::vector<GuiTestFactory>& GuiTests();

template <class TestClass> bool RegisterGuiTest() {
    GuiTests().push_back([] { return std::make_unique<TestClass>(); });
    return true;
}
