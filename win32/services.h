// What the program asks of the world outside its windows: message boxes, the save-file dialog, the shell,
// sounds and the running executable's path. The program gets one implementation at start-up; in-process
// tests hand in a double that answers boxes and dialogs and records what was asked.
#ifndef AUTORUN_WIN32_SERVICES_H
#define AUTORUN_WIN32_SERVICES_H

#include <windows.h>

#include <string>

struct SaveFileRequest {
    std::string title;            // the dialog's title; empty: the platform's default
    std::string defaultExtension; // appended to a name typed without one
    std::string fileName;         // initial file name
    std::string filter;           // fields split by '|', as "Name|*.ext|...|"
    DWORD flags = 0;
};

struct SaveFileAnswer {
    std::string path;     // full path chosen
    std::string fileName; // the file name with extension, without folder
};

class Services {
public:
    virtual ~Services() = default;

    // A message box owned by owner; a null caption shows the application name. Returns the button pressed.
    virtual int MessageBox(HWND owner, const std::string& text, const char* caption, UINT type) = 0;
    // The common save-file dialog; false when the user did not choose a name.
    virtual bool SaveFileDialog(HWND owner, const SaveFileRequest& request, SaveFileAnswer& answer) = 0;
    // Opens a target through the shell; returns the shell's result (greater than 32 on success).
    virtual INT_PTR ShellOpen(HWND owner, const char* verb, const std::string& file, const std::string& parameters,
                              const std::string& directory, int showCommand) = 0;
    // Starts playing a WAV file asynchronously; an empty name plays nothing.
    virtual void PlaySound(const std::string& file) = 0;
    // Plays a WAV file and returns when it has ended (for a sound the process must not cut off).
    virtual void PlaySoundToEnd(const std::string& file) = 0;
    // Full path of the running executable.
    virtual std::string ExecutablePath() = 0;
};

// The real thing.
class Win32Services : public Services {
public:
    int MessageBox(HWND owner, const std::string& text, const char* caption, UINT type) override;
    bool SaveFileDialog(HWND owner, const SaveFileRequest& request, SaveFileAnswer& answer) override;
    INT_PTR ShellOpen(HWND owner, const char* verb, const std::string& file, const std::string& parameters,
                      const std::string& directory, int showCommand) override;
    void PlaySound(const std::string& file) override;
    void PlaySoundToEnd(const std::string& file) override;
    std::string ExecutablePath() override;
};

#endif
