#pragma once

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/MainWindow.h"
#include "state/AppState.h"
#include "support/ScriptedPrompts.h"

namespace isobra::test {

// A main window over fresh state with scripted prompts, for tests that go
// through the menu as the user does. Create in init(), destroy in cleanup().
class MainWindowFixture {
protected:
    void CreateWindow(bool start = true) {
        state_ = std::make_unique<AppState>();
        prompts_ = std::make_unique<ScriptedPrompts>();
        window_ = std::make_unique<MainWindow>(*state_, *prompts_);
        if (start) window_->Start();
    }
    // The window and a fresh folder for the files the test makes; the
    // folder goes with the window.
    void CreateWindowWithFolder() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        CreateWindow();
    }
    // A slanting grid with isobars through every cell, 1000..1012 hPa.
    void FillSlantingField() {
        for (int iy = 0; iy <= 25; ++iy)
            for (int ix = 0; ix <= 25; ++ix) state_->field.pressureGrid.at(ix, iy) = 100000 + 37 * ix + 23 * iy;
    }
    void DestroyWindow() {
        window_.reset();
        prompts_.reset();
        state_.reset();
        folder_.reset();
    }

    std::unique_ptr<AppState> state_;
    std::unique_ptr<ScriptedPrompts> prompts_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<QTemporaryDir> folder_;
};

}  // namespace isobra::test
