// The menu window on a disc folder of its own, created modeless with a double of the services so that
// every step can be looked at.
#ifndef AUTORUN_TESTS_WIN_MENU_WINDOW_FIXTURE_H
#define AUTORUN_TESTS_WIN_MENU_WINDOW_FIXTURE_H

#include "launcher/launcher_dlg.h"
#include "tests/core/test_files.h"
#include "tests/win/fake_services.h"

#include <gtest/gtest.h>

#include <string>

class MenuWindowFixture : public ::testing::Test {
protected:
    ~MenuWindowFixture() override { dialog.DestroyWindow(); }

    // Writes the profile (when given) next to the executable and opens the window.
    void Open(const std::string* profile)
    {
        if (profile != nullptr)
            test_files::WriteFile(disc.Path("autorun.INI"), *profile);
        ASSERT_TRUE(dialog.Create(nullptr));
        Pump();
    }

    // Handles what the window posted to itself, as its message loop would.
    static void Pump()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }

    static bool Visible(const CWnd& w) { return (w.GetStyle() & WS_VISIBLE) != 0; }
    static bool Enabled(const CWnd& w) { return (w.GetStyle() & WS_DISABLED) == 0; }

    test_files::TempFolder disc;
    FakeServices services{disc.Path("autorun.exe")};
    CLauncherDlg dialog{services};
};

#endif
