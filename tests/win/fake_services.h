// A double of the services for in-process window tests: answers message boxes and save dialogs from a
// script and records every call.
#ifndef AUTORUN_TESTS_WIN_FAKE_SERVICES_H
#define AUTORUN_TESTS_WIN_FAKE_SERVICES_H

#include "win32/services.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

class FakeServices : public Services {
public:
    struct Box {
        std::string text;
        std::string caption; // "(null)" when none was passed
        UINT type;
        HWND owner;
    };
    struct Launch {
        std::string verb, file, parameters, directory;
        int showCommand;
    };

    FakeServices() = default;
    explicit FakeServices(std::string executablePath) : exePath(std::move(executablePath)) {}

    int MessageBox(HWND owner, const std::string& text, const char* caption, UINT type) override;
    bool SaveFileDialog(HWND owner, const SaveFileRequest& request, SaveFileAnswer& answer) override;
    INT_PTR ShellOpen(HWND owner, const char* verb, const std::string& file, const std::string& parameters,
                      const std::string& directory, int showCommand) override;
    void PlaySound(const std::string& file) override;
    void PlaySoundToEnd(const std::string& file) override;
    std::string ExecutablePath() override { return exePath; }

    std::string exePath = "C:\\disc\\autorun.exe";

    // Answers for the next message boxes, in order; a box without an answer gets IDCANCEL and is noted.
    std::deque<int> boxAnswers;
    std::vector<Box> boxes;
    int unansweredBoxes = 0;

    // Answers for the next save dialogs; an empty deque means the user cancels.
    std::deque<SaveFileAnswer> saveAnswers;
    std::vector<SaveFileRequest> saveRequests;

    INT_PTR shellResult = 42;
    std::vector<Launch> launches;

    std::vector<std::string> sounds;      // every sound started, in order
    std::vector<std::string> soundsToEnd; // those of them played to their end before going on
};

#endif
