// menu_window.exe: drives the menu window from outside, for script/run.
//
//   menu_window wait <title>              waits until the menu window is visible and answering
//   menu_window syscommand <title> <code> then posts WM_SYSCOMMAND <code> (e.g. 0x20, the mode switch)
//                                         and waits until the window has changed its width
//   menu_window close <title>             then posts WM_CLOSE and waits until the window is gone
//
// The menu window is the top-level dialog (class #32770) captioned <title>. Each command prints the
// window's rectangle ("left top right bottom") when it is done and exits with 0, or with 1 when the window
// did not appear or react within the guard time (a safety net for scripts, not a measurement).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const DWORD GuardMilliseconds = 30000;
const DWORD PollMilliseconds = 20;

struct Search {
    const char* title;
    HWND found;
};

BOOL CALLBACK FindMenuWindow(HWND window, LPARAM parameter)
{
    Search* search = reinterpret_cast<Search*>(parameter);
    char className[64];
    if (::GetClassNameA(window, className, sizeof className) == 0 || std::strcmp(className, "#32770") != 0)
        return TRUE;
    char text[512];
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                               1000, &length))
        return TRUE;
    text[length < sizeof text ? length : sizeof text - 1] = '\0';
    if (std::strcmp(text, search->title) != 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindVisible(const char* title)
{
    Search search{title, nullptr};
    ::EnumWindows(FindMenuWindow, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr && ::IsWindowVisible(search.found) ? search.found : nullptr;
}

bool Answers(HWND window)
{
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
}

bool TimeLeft(DWORD start)
{
    return ::GetTickCount() - start < GuardMilliseconds;
}

HWND WaitForWindow(const char* title)
{
    const DWORD start = ::GetTickCount();
    do {
        HWND window = FindVisible(title);
        if (window != nullptr && Answers(window))
            return window;
        ::Sleep(PollMilliseconds);
    } while (TimeLeft(start));
    return nullptr;
}

void PrintRect(HWND window)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    std::printf("%ld %ld %ld %ld\n", static_cast<long>(rect.left), static_cast<long>(rect.top),
                static_cast<long>(rect.right), static_cast<long>(rect.bottom));
    std::fflush(stdout);
}

long Width(HWND window)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect.right - rect.left;
}

int Usage()
{
    std::fprintf(stderr, "usage: menu_window wait|close <title>\n"
                         "       menu_window syscommand <title> <code>\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return Usage();
    const char* command = argv[1];
    const char* title = argv[2];

    HWND window = WaitForWindow(title);
    if (window == nullptr) {
        std::fprintf(stderr, "menu_window: no window \"%s\" answered\n", title);
        return 1;
    }

    if (std::strcmp(command, "wait") == 0) {
        PrintRect(window);
        return 0;
    }

    if (std::strcmp(command, "syscommand") == 0) {
        if (argc < 4)
            return Usage();
        const WPARAM code = static_cast<WPARAM>(std::strtoul(argv[3], nullptr, 0));
        const long before = Width(window);
        ::PostMessageA(window, WM_SYSCOMMAND, code, 0);
        const DWORD start = ::GetTickCount();
        while (Width(window) == before && TimeLeft(start))
            ::Sleep(PollMilliseconds);
        if (Width(window) == before || !Answers(window)) {
            std::fprintf(stderr, "menu_window: the window did not change its width\n");
            return 1;
        }
        PrintRect(window);
        return 0;
    }

    if (std::strcmp(command, "close") == 0) {
        PrintRect(window);
        ::PostMessageA(window, WM_CLOSE, 0, 0);
        const DWORD start = ::GetTickCount();
        while (::IsWindow(window) && TimeLeft(start))
            ::Sleep(PollMilliseconds);
        if (::IsWindow(window)) {
            std::fprintf(stderr, "menu_window: the window is still there\n");
            return 1;
        }
        return 0;
    }
    return Usage();
}
