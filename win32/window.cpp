#include "win32/window.h"

#include "resources/resource.h"

#include <cstring>

#include <vector>

namespace {

// Resource type of a dialog's init data: the combo-box items of a template.
const WORD DialogInitResourceType = RT_AUTORUN_DLGINIT;

} // namespace

std::string CWnd::GetWindowText() const
{
    const LRESULT length = ::SendMessageA(m_hWnd, WM_GETTEXTLENGTH, 0, 0);
    std::vector<char> buffer(static_cast<size_t>(length > 0 ? length : 0) + 1);
    const LRESULT copied =
        ::SendMessageA(m_hWnd, WM_GETTEXT, static_cast<WPARAM>(buffer.size()), reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

void CWnd::SetWindowText(const std::string& text) const
{
    ::SetWindowTextA(m_hWnd, text.c_str());
}

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const
{
    return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE));
}

bool CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) const
{
    const DWORD style = GetStyle();
    const DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return false;
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
    if (flags != 0)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return true;
}

RECT CWnd::GetWindowRect() const
{
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetClientRect() const
{
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

void CWnd::ScreenToClient(RECT& rect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
}

bool CWnd::GetWindowPlacement(WINDOWPLACEMENT& placement) const
{
    placement.length = sizeof placement;
    return ::GetWindowPlacement(m_hWnd, &placement) != FALSE;
}

bool CWnd::SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) const
{
    return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags) != FALSE;
}

bool CWnd::ShowWindow(int command) const
{
    return ::ShowWindow(m_hWnd, command) != FALSE;
}

bool CWnd::IsIconic() const
{
    return ::IsIconic(m_hWnd) != FALSE;
}

bool CWnd::IsWindowVisible() const
{
    return ::IsWindowVisible(m_hWnd) != FALSE;
}

bool CWnd::IsWindowEnabled() const
{
    return ::IsWindowEnabled(m_hWnd) != FALSE;
}

void CWnd::SetFocus() const
{
    ::SetFocus(m_hWnd);
}

void CWnd::RedrawNow() const
{
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

HMENU CWnd::GetSystemMenu(bool revert) const
{
    return ::GetSystemMenu(m_hWnd, revert ? TRUE : FALSE);
}

CWnd CWnd::GetDlgItem(int id) const
{
    return CWnd(::GetDlgItem(m_hWnd, id));
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

// ---- CDialog ----

CDialog::CDialog(int templateId, CWnd* parent) : m_nTemplateId(templateId), m_pParent(parent) {}

CDialog::~CDialog()
{
    DestroyWindow();
}

INT_PTR CDialog::DoModal()
{
    m_bModal = true;
    m_bEnding = false;
    const INT_PTR result = ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nTemplateId),
                                             m_pParent ? m_pParent->m_hWnd : nullptr, DialogProc,
                                             reinterpret_cast<LPARAM>(this));
    m_bModal = false;
    m_hWnd = nullptr;
    return result;
}

bool CDialog::Create(CWnd* parent)
{
    m_pParent = parent;
    m_bModal = false;
    m_bEnding = false;
    HWND hwnd = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nTemplateId),
                                     parent ? parent->m_hWnd : nullptr, DialogProc, reinterpret_cast<LPARAM>(this));
    return hwnd != nullptr;
}

int CDialog::RunModalLoop()
{
    MSG msg;
    while (!m_bEnding && m_hWnd != nullptr) {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // Leave the quit request for the loop above us.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1)
            break;
        if (!::IsDialogMessageA(m_hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return m_nResult;
}

void CDialog::EndDialog(int result)
{
    m_nResult = result;
    m_bEnding = true;
    // Ends a modal run; a modeless dialog is hidden and stays until it is destroyed.
    if (m_hWnd != nullptr)
        ::EndDialog(m_hWnd, result);
}

void CDialog::DestroyWindow()
{
    if (m_hWnd != nullptr && !m_bModal) {
        HWND hwnd = m_hWnd;
        m_hWnd = nullptr;
        ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        ::DestroyWindow(hwnd);
    }
}

BOOL CDialog::OnInitDialog()
{
    return TRUE;
}

INT_PTR CDialog::OnMessage(UINT, WPARAM, LPARAM, bool& handled)
{
    handled = false;
    return 0;
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

// The init data of a template is a list of (control id, message, byte count, bytes) entries ending with a
// zero control id; the entries the program's templates carry add combo-box items in order.
void CDialog::FillFromInitData()
{
    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC info = ::FindResourceA(module, MAKEINTRESOURCEA(m_nTemplateId), MAKEINTRESOURCEA(DialogInitResourceType));
    if (info == nullptr)
        return;
    HGLOBAL loaded = ::LoadResource(module, info);
    const BYTE* p = loaded ? static_cast<const BYTE*>(::LockResource(loaded)) : nullptr;
    if (p == nullptr)
        return;
    const BYTE* end = p + ::SizeofResource(module, info);
    while (p + 8 <= end) {
        WORD id, message;
        DWORD size;
        memcpy(&id, p, 2);
        memcpy(&message, p + 2, 2);
        memcpy(&size, p + 4, 4);
        p += 8;
        if (id == 0 || size > static_cast<DWORD>(end - p))
            break;
        // The data keeps the 16-bit message numbers: 0x0403 adds a combo-box item, 0x0401 a list-box item.
        UINT send = 0;
        if (message == 0x0403 || message == CB_ADDSTRING)
            send = CB_ADDSTRING;
        else if (message == 0x0401 || message == LB_ADDSTRING)
            send = LB_ADDSTRING;
        if (send != 0) {
            std::string text(reinterpret_cast<const char*>(p), size);
            text.resize(strnlen(text.c_str(), text.size()));
            ::SendDlgItemMessageA(m_hWnd, id, send, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        p += size;
    }
}

void CDialog::CenterOverOwner()
{
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner == nullptr || (GetStyle() & WS_VISIBLE) != 0 || ::IsWindowEnabled(owner))
        return;
    RECT area{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (::GetMonitorInfoA(::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor))
        area = monitor.rcWork;
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT ownerRect{}, rect = GetWindowRect();
    ::GetWindowRect(owner, &ownerRect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    int x = (ownerRect.left + ownerRect.right) / 2 - width / 2;
    int y = (ownerRect.top + ownerRect.bottom) / 2 - height / 2;
    if (x + width > area.right)
        x = area.right - width;
    if (x < area.left)
        x = area.left;
    if (y + height > area.bottom)
        y = area.bottom - height;
    if (y < area.top)
        y = area.top;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->m_hWnd = hwnd;
        self->FillFromInitData();
        if (!self->m_bModal)
            self->CenterOverOwner();
        return self->OnInitDialog();
    }
    self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
    if (self == nullptr)
        return FALSE;

    bool handled = true;
    INT_PTR result = self->OnMessage(message, wParam, lParam, handled);
    if (handled)
        return result;
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            self->OnOK();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            self->OnCancel();
            return TRUE;
        }
    }
    return FALSE;
}
