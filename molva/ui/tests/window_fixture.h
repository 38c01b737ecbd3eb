// A calculator window for one test: shown and active, with scripted services
// and the example file of the source tree.
#pragma once

#include "platform/testing/test_services.h"
#include "ui/calculator_window.h"
#include "ui/input_line.h"

#include <QTest>

struct WindowUnderTest {
    platform::testing::TestServices services;
    molva::ui::CalculatorWindow window{services.services(), '.', MOLVA_EXAMPLE_DIR};

    WindowUnderTest() {
        window.show();
        window.activateWindow();
    }

    // True once the window is active, so that its shortcuts answer keys.
    bool ready() { return QTest::qWaitForWindowActive(&window); }

    void enter(const QString& line) {
        window.input()->setText(line);
        window.calculate();
    }

    QString input() const { return window.input()->text(); }
    QString currentResult() const { return window.display()->currentResult(); }
};
