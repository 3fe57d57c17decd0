// The menu window on a disc folder of its own, created modeless with a double of the services so that
// every step can be looked at.
#ifndef AUTORUN_TESTS_WIN_MENU_WINDOW_FIXTURE_H
#define AUTORUN_TESTS_WIN_MENU_WINDOW_FIXTURE_H

#include "launcher/launcher_dlg.h"
#include "tests/core/test_files.h"
#include "tests/win/fake_services.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

// Runs an action on the next dialog that the menu window opens over itself, from inside that dialog's own
// modal loop, once the dialog is visible. The action fills controls and ends the dialog.
class ChildDialogScript {
public:
    static void Schedule(HWND owner, std::function<void(HWND box)> action)
    {
        Current() = ChildDialogScript{owner, std::move(action)};
        ::SetTimer(nullptr, 0, 20, OnTimer);
    }
    static bool Ran() { return Current().ran_; }

private:
    ChildDialogScript() = default;
    ChildDialogScript(HWND owner, std::function<void(HWND)> action) : owner_(owner), action_(std::move(action)) {}

    static ChildDialogScript& Current()
    {
        static ChildDialogScript script;
        return script;
    }
    static BOOL CALLBACK FindBox(HWND hwnd, LPARAM found)
    {
        if (::IsWindowVisible(hwnd) && ::GetWindow(hwnd, GW_OWNER) == Current().owner_) {
            char name[16] = "";
            ::GetClassNameA(hwnd, name, sizeof name);
            if (std::string(name) == "#32770") {
                *reinterpret_cast<HWND*>(found) = hwnd;
                return FALSE;
            }
        }
        return TRUE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD)
    {
        HWND box = nullptr;
        ::EnumThreadWindows(::GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
        if (box == nullptr || Current().ran_)
            return;
        ::KillTimer(nullptr, timer);
        Current().ran_ = true;
        Current().action_(box);
    }

    HWND owner_ = nullptr;
    std::function<void(HWND)> action_;
    bool ran_ = false;
};

// Sets the text of a control of a dialog.
inline void SetItemText(HWND box, int id, const std::string& text)
{
    ::SetDlgItemTextA(box, id, text.c_str());
}

inline std::string ItemText(HWND box, int id)
{
    return CWnd(::GetDlgItem(box, id)).GetWindowText();
}

inline void PressButton(HWND box, int id)
{
    ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(box, id)));
}

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
