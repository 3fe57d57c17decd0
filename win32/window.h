// The thin window layer: non-owning wrappers over window handles, and dialogs run from templates.
#ifndef AUTORUN_WIN32_WINDOW_H
#define AUTORUN_WIN32_WINDOW_H

#include <windows.h>

#include <string>

// A window handle with the operations the program uses. It does not own the window.
class CWnd {
public:
    CWnd() = default;
    explicit CWnd(HWND hwnd) : m_hWnd(hwnd) {}
    virtual ~CWnd() = default;

    HWND GetSafeHwnd() const { return m_hWnd; }
    void Attach(HWND hwnd) { m_hWnd = hwnd; }

    // The whole text, read with WM_GETTEXT.
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text) const;

    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // Clears the remove bits and sets the add bits of the style. An unchanged style does nothing; otherwise the
    // style is stored and, for nonzero flags, the window is repositioned with those flags plus no size, move,
    // z-order or activation change. No repaint and no enable notification.
    bool ModifyStyle(DWORD remove, DWORD add, UINT flags = 0) const;

    RECT GetWindowRect() const;
    RECT GetClientRect() const;
    void ScreenToClient(RECT& rect) const;
    bool GetWindowPlacement(WINDOWPLACEMENT& placement) const;
    bool SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) const;
    bool ShowWindow(int command) const;
    bool IsIconic() const;
    bool IsWindowVisible() const;
    bool IsWindowEnabled() const;
    void SetFocus() const;
    // RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW: repaint the whole window at once.
    void RedrawNow() const;
    HMENU GetSystemMenu(bool revert) const;
    CWnd GetDlgItem(int id) const;
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    HWND m_hWnd = nullptr;
};

// Controls owned by their dialog; the wrappers only name them.
class CButton : public CWnd {};
class CEdit : public CWnd {};
class CStatic : public CWnd {};

// A dialog from a resource template: run modally (the main window) or created modeless with a modal loop
// of its own (child dialogs, and the main window in in-process tests).
class CDialog : public CWnd {
public:
    explicit CDialog(int templateId, CWnd* parent = nullptr);
    ~CDialog() override;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog modally until it ends; returns its end code (-1 when it could not be created).
    INT_PTR DoModal();
    // Creates the dialog modeless, owned by parent, filling combo boxes from the template's init data. A hidden
    // dialog whose owner is disabled is centred over the owner, inside the work area.
    bool Create(CWnd* parent);
    // Pumps messages through IsDialogMessage until EndDialog; WM_QUIT is passed on. Returns the end code.
    int RunModalLoop();
    // Ends the modal run with result (also ends RunModalLoop).
    void EndDialog(int result);
    void DestroyWindow();

    bool IsEnding() const { return m_bEnding; }
    int Result() const { return m_nResult; }

protected:
    virtual BOOL OnInitDialog();
    // Handles one message; set handled = false (the default) to leave it to the dialog's default processing.
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual void OnOK();
    virtual void OnCancel();

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void FillFromInitData();
    void CenterOverOwner();

    int m_nTemplateId;
    CWnd* m_pParent;
    bool m_bModal = false;
    bool m_bEnding = false;
    int m_nResult = -1;
};

// A bitmap the program loaded and must free; not copyable.
class CBitmapHandle {
public:
    CBitmapHandle() = default;
    ~CBitmapHandle() { Reset(nullptr); }
    CBitmapHandle(const CBitmapHandle&) = delete;
    CBitmapHandle& operator=(const CBitmapHandle&) = delete;

    HBITMAP Get() const { return m_hBitmap; }
    // Takes ownership of bitmap, freeing the one held before.
    void Reset(HBITMAP bitmap)
    {
        if (m_hBitmap != nullptr && m_hBitmap != bitmap)
            ::DeleteObject(m_hBitmap);
        m_hBitmap = bitmap;
    }

private:
    HBITMAP m_hBitmap = nullptr;
};

// Disables the owner through its style bit while a child dialog runs, and gives it back on every way out.
class OwnerDisabled {
public:
    explicit OwnerDisabled(const CWnd& owner) : owner_(owner) { owner_.ModifyStyle(0, WS_DISABLED); }
    ~OwnerDisabled() { owner_.ModifyStyle(WS_DISABLED, 0); }
    OwnerDisabled(const OwnerDisabled&) = delete;
    OwnerDisabled& operator=(const OwnerDisabled&) = delete;

private:
    const CWnd& owner_;
};

#endif
